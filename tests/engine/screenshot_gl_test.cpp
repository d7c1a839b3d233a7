#include <GL/gl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

#include "engine/screenshot.h"
#include "tests/render/gl_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes shot(int number) {
    std::ifstream in("veri/ekrang/ekrang" + std::to_string(number) + ".tga", std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void fill(int x, int y, int width, int height, float r, float g, float b) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, y, width, height);
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

class Screenshot : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        std::filesystem::remove_all("veri");
        std::filesystem::create_directories("veri/ekrang");
        screenshotCounter = 0;
    }
};

} // namespace

TEST_F(Screenshot, FileLayout) {
    glViewport(0, 0, 1024, 768);
    fill(0, 0, 1024, 768, 0, 0, 0);
    fill(0, 0, 1, 1, 1, 0, 0);      // bottom-left: red
    fill(1, 0, 1, 1, 0, 0, 1);      // its right neighbour: blue
    fill(1023, 767, 1, 1, 1, 1, 1); // top-right: white
    ASSERT_EQ(saveScreenshot(), 0);
    const Bytes file = shot(0);
    ASSERT_EQ(file.size(), 18u + 2359296u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 18),
              (Bytes{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x04, 0x00, 0x03, 24, 0}));
    // Blue, green, red; bottom row first.
    EXPECT_EQ(Bytes(file.begin() + 18, file.begin() + 24), (Bytes{0, 0, 255, 255, 0, 0}));
    EXPECT_EQ(Bytes(file.end() - 3, file.end()), (Bytes{255, 255, 255}));

    // Rows of a width that is no multiple of 4 bytes are still packed without padding.
    glViewport(0, 0, 3, 2);
    fill(0, 0, 3, 2, 0, 1, 0);
    fill(0, 0, 3, 1, 1, 0, 0);
    ASSERT_EQ(saveScreenshot(), 0);
    EXPECT_EQ(shot(1), (Bytes{0, 0, 2,   0, 0, 0,   0, 0, 0,   0, 0,   0, 3, 0,   2, 0, 24,  0,
                              0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 255, 0, 0, 255, 0, 0, 255, 0}));
}

TEST_F(Screenshot, NumbersRunFromZeroToHundredThenAgain) {
    glViewport(0, 0, 2, 2);
    for (int i = 0; i <= 100; ++i)
        ASSERT_EQ(saveScreenshot(), 0) << i;
    EXPECT_FALSE(shot(100).empty());
    EXPECT_TRUE(shot(101).empty());
    EXPECT_EQ(screenshotCounter, 0);

    // A failed open keeps the number for the next try.
    std::filesystem::remove_all("veri/ekrang");
    EXPECT_EQ(saveScreenshot(), 1);
    EXPECT_EQ(screenshotCounter, 0);
    std::filesystem::create_directories("veri/ekrang");
    EXPECT_EQ(saveScreenshot(), 0);
    EXPECT_FALSE(shot(0).empty());
    EXPECT_EQ(screenshotCounter, 1);
}
