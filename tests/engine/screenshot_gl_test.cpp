#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/screenshot.h"
#include "tests/render/gl_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

class Screenshot : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        std::filesystem::remove_all("veri");
        std::filesystem::create_directories("veri/ekrang");
        screenshotCounter = 0;
        screenshotFolder = "veri/ekrang";
    }
    static Bytes shot(int number) {
        std::ifstream in("veri/ekrang/ekrang" + std::to_string(number) + ".tga", std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void fill(int x, int y, int width, int height, Rgb c) {
        glEnable(GL_SCISSOR_TEST);
        glScissor(x, y, width, height);
        clear(c);
        glDisable(GL_SCISSOR_TEST);
    }
};

TEST_F(Screenshot, FileLayout) {
    // Blue, green, red; bottom row first; no padding after rows of 9 bytes.
    glViewport(0, 0, 3, 2);
    fill(0, 0, 3, 2, {0, 255, 0});
    fill(0, 0, 1, 1, {255, 0, 0});
    ASSERT_EQ(saveScreenshot(), 0);
    EXPECT_EQ(shot(0),
              (Bytes{0, 0, 2,   0, 0,   0, 0, 0,   0, 0, 0,   0, 3, 0,   2, 0, 24,  0, // header
                     0, 0, 255, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0}));
}

TEST_F(Screenshot, NumbersRunFromZeroToHundredThenAgainAndAFailedOpenKeepsTheNumber) {
    glViewport(0, 0, 2, 2);
    for (int i = 0; i <= 100; ++i)
        ASSERT_EQ(saveScreenshot(), 0) << i;
    EXPECT_FALSE(shot(100).empty());
    EXPECT_EQ(screenshotCounter, 0);
    std::filesystem::remove_all("veri/ekrang");
    EXPECT_EQ(saveScreenshot(), 1);
    EXPECT_EQ(screenshotCounter, 0);
    std::filesystem::create_directories("veri/ekrang");
    glViewport(0, 0, 2, 0); // a window shrunk to nothing has nothing to show
    EXPECT_EQ(saveScreenshot(), 1);
    EXPECT_TRUE(shot(0).empty());
    glViewport(0, 0, 2, 2);
    EXPECT_EQ(saveScreenshot(), 0);
    EXPECT_FALSE(shot(0).empty());
    EXPECT_EQ(screenshotCounter, 1);
}

} // namespace
