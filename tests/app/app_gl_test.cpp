#include <gtest/gtest.h>

#include <GL/gl.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>
#include <vector>

#include "app/app.h"
#include "app/globals.h"
#include "engine/screenshot.h"
#include "game/game.h"
#include "render/bitmap_font.h"
#include "tests/engine/platform_fixture.h"
#include "tests/render/gl_fixture.h"

using platform::MessageIcon;

namespace {

class AppGLTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setCurrent(&host); }
    void TearDown() override {
        engine.ready = 0;
        engine.destroy();
        engine.inputSystem.release(); // the host goes with the test
        bitmapFont = BitmapFont{};    // its lists die with this host's context
        parkPlatform();
    }
    platform::TestPlatform host{true};
};

// On a driver that leaves the back buffer undefined after the swap, F12 still writes the frame
// just drawn, numbered from the counter, and nothing without the key.
TEST_F(AppGLTest, F12ShotHoldsTheFramePresented) {
    ASSERT_EQ(createGameEngine(engine, windowProc), 1);
    std::filesystem::remove_all("veri");
    std::filesystem::create_directories("veri/ekrang");
    screenshotFolder = "veri/ekrang";
    screenshotCounter = 3;
    host.undefinedBackBufferAfterSwap = true;
    engine.ready = 1;
    host.queueKeys({});
    engine.inputSystem.poll();
    renderFrame(); // leaves the back buffer magenta
    EXPECT_FALSE(std::filesystem::exists("veri/ekrang/ekrang3.tga"));
    glClearColor(0.2f, 0.4f, 0.6f, 1); // whatever the game draws over it, not the magenta
    host.queueKeys({platform::SCAN_F12});
    engine.inputSystem.poll();
    renderFrame();
    glClearColor(0, 0, 0, 0);
    std::ifstream in("veri/ekrang/ekrang3.tga", std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    ASSERT_EQ(file.size(), 18 + host.presentedFrame.size());
    std::vector<uint8_t> rgb(file.begin() + 18, file.end());
    for (size_t i = 0; i < rgb.size(); i += 3)
        std::swap(rgb[i], rgb[i + 2]);
    EXPECT_TRUE(rgb == host.presentedFrame);
}

TEST_F(AppGLTest, CloseRequestEndsTheLoopThroughShutDown) {
    host.scriptDialog({{platform::DialogEventType::PressEnter}});
    host.postMessage(platform::MessageType::Close);
    EXPECT_EQ(menajerMain(nullptr), 0);
    // Missing data files may be reported here; the engine itself must not fail.
    for (const platform::RecordedMessageBox& box : host.messageBoxes)
        EXPECT_NE(box.text, "Motor Acilamadi!");
    EXPECT_EQ(std::tuple(host.windowExists, host.contextExists, host.displayModeChanged,
                         engine.ready, host.pendingMessages()),
              std::tuple(false, false, false, 1, size_t(0)));
}

// Without multitexturing start-up ends after the engine's two boxes with a third, uncaptioned.
TEST_F(AppGLTest, MissingMultitextureEndsStartUp) {
    host.hiddenProcs = {"glActiveTextureARB"};
    host.scriptDialog({{platform::DialogEventType::PressEnter}});
    EXPECT_EQ(menajerMain(nullptr), 0);
    ASSERT_EQ(boxesOf(host).size(), 3u);
    EXPECT_EQ(boxesOf(host)[2],
              (std::pair{std::string("Motor Acilamadi!"), MessageIcon::Question}));
    EXPECT_FALSE(host.messageBoxes[2].hasCaption);
    EXPECT_EQ(engine.ready, 0);
    EXPECT_FALSE(host.windowExists);
}

} // namespace
