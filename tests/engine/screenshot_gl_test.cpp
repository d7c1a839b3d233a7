#include <GL/gl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

#include "engine/screenshot.h"
#include "platform/test/test_platform.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string shotPath(int number) {
    return "veri/ekrang/ekrang" + std::to_string(number) + ".tga";
}

void fill(int x, int y, int width, int height, float r, float g, float b) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, y, width, height);
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

class Screenshot : public testing::Test {
protected:
    static void SetUpTestSuite() {
        host = new platform::TestPlatform(true);
        platform::setCurrent(host);
        opened = host->openGLWindow(1024, 768);
    }
    static void TearDownTestSuite() {
        host->closeGLWindow();
        platform::setCurrent(nullptr);
        delete host;
    }
    void SetUp() override {
        ASSERT_TRUE(opened) << "no GL window (is DISPLAY set?)";
        std::filesystem::remove_all("veri");
        std::filesystem::create_directories("veri/ekrang");
        screenshotCounter = 0;
        glViewport(0, 0, 1024, 768);
    }

    static platform::TestPlatform* host;
    static bool opened;
};

platform::TestPlatform* Screenshot::host = nullptr;
bool Screenshot::opened = false;

} // namespace

TEST_F(Screenshot, FullFrameLayout) {
    fill(0, 0, 1024, 768, 0, 0, 0);
    fill(0, 0, 1, 1, 1, 0, 0);      // bottom-left: red
    fill(1023, 767, 1, 1, 1, 1, 1); // top-right: white
    fill(1, 0, 1, 1, 0, 0, 1);      // second pixel of the bottom row: blue
    ASSERT_EQ(saveScreenshot(), 0);
    EXPECT_EQ(screenshotCounter, 1);

    const Bytes file = readAll(shotPath(0));
    ASSERT_EQ(file.size(), 18u + 2359296u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 18),
              (Bytes{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x04, 0x00, 0x03, 24, 0}));
    // Blue, green, red; bottom row first.
    EXPECT_EQ(Bytes(file.begin() + 18, file.begin() + 24), (Bytes{0, 0, 255, 255, 0, 0}));
    EXPECT_EQ(Bytes(file.end() - 3, file.end()), (Bytes{255, 255, 255}));
    EXPECT_EQ(Bytes(file.begin() + 18 + 1024 * 3, file.begin() + 21 + 1024 * 3), (Bytes{0, 0, 0}));
}

TEST_F(Screenshot, OddWidthRowsArePackedTightly) {
    glViewport(0, 0, 3, 2);
    fill(0, 0, 3, 2, 0, 1, 0);
    fill(0, 0, 3, 1, 1, 0, 0);
    ASSERT_EQ(saveScreenshot(), 0);
    const Bytes file = readAll(shotPath(0));
    ASSERT_EQ(file.size(), 18u + 18u);
    EXPECT_EQ(Bytes(file.begin() + 12, file.begin() + 16), (Bytes{3, 0, 2, 0}));
    EXPECT_EQ(Bytes(file.begin() + 18, file.end()),
              (Bytes{0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 255, 0, 0, 255, 0, 0, 255, 0}));
}

TEST_F(Screenshot, NumbersRunFromZeroToHundredThenAgain) {
    glViewport(0, 0, 2, 2);
    for (int i = 0; i <= 100; ++i)
        ASSERT_EQ(saveScreenshot(), 0) << "shot " << i;
    EXPECT_TRUE(std::filesystem::exists(shotPath(100)));
    EXPECT_FALSE(std::filesystem::exists(shotPath(101)));
    EXPECT_EQ(screenshotCounter, 0);

    std::filesystem::remove(shotPath(0));
    ASSERT_EQ(saveScreenshot(), 0);
    EXPECT_TRUE(std::filesystem::exists(shotPath(0)));
    EXPECT_EQ(screenshotCounter, 1);
}

TEST_F(Screenshot, FailedOpenKeepsTheNumber) {
    glViewport(0, 0, 2, 2);
    screenshotCounter = 7;
    std::filesystem::remove_all("veri/ekrang");
    EXPECT_EQ(saveScreenshot(), 1);
    EXPECT_EQ(screenshotCounter, 7);

    std::filesystem::create_directories("veri/ekrang");
    EXPECT_EQ(saveScreenshot(), 0);
    EXPECT_TRUE(std::filesystem::exists(shotPath(7)));
    EXPECT_EQ(screenshotCounter, 8);
}
