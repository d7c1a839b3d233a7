#include <gtest/gtest.h>

#include <GL/gl.h>

#include "app/app.h"
#include "app/globals.h"
#include "render/bitmap_font.h"
#include "tests/engine/platform_fixture.h"

using platform::MessageIcon;

namespace {

class AppGLTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setCurrent(&host); }
    void TearDown() override {
        engine.destroy();
        engine.inputSystem.release(); // the host goes with the test
        bitmapFont = BitmapFont{};    // its lists die with this host's context
        parkPlatform();
    }
    platform::TestPlatform host{true};
};

// The frame runs only once start-up is complete, and presents each frame once.
TEST_F(AppGLTest, FramesOnlyWhenReady) {
    ASSERT_EQ(engine.create(nullptr, windowProc, "Menajer", "Zendor Menajer", 1024, 768, 16, 1.0f,
                            1000.0f),
              1);
    renderFrame();
    EXPECT_EQ(host.swapCount, 0);
    engine.ready = 1;
    renderFrame();
    renderFrame();
    EXPECT_EQ(host.swapCount, 2);
    GLint depth = 0;
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    engine.ready = 0;
}

TEST_F(AppGLTest, CloseRequestEndsTheLoopThroughShutDown) {
    host.scriptDialog({{platform::DialogEventType::PressEnter}});
    host.postMessage(platform::MessageType::Close);
    EXPECT_EQ(menajerMain(nullptr), 0);
    // Missing data files may be reported here; the engine itself must not fail.
    for (const platform::RecordedMessageBox& box : host.messageBoxes)
        EXPECT_NE(box.text, "Motor Acilamadi!");
    EXPECT_FALSE(host.windowExists);
    EXPECT_FALSE(host.contextExists);
    EXPECT_FALSE(host.displayModeChanged);
    EXPECT_EQ(engine.ready, 1);
    EXPECT_EQ(host.pendingMessages(), 0u);
    engine.ready = 0;
}

// Without multitexturing start-up ends with three boxes, the last without a caption.
TEST_F(AppGLTest, MissingMultitextureEndsStartUp) {
    host.hiddenProcs = {"glActiveTextureARB"};
    host.scriptDialog({{platform::DialogEventType::PressEnter}});
    EXPECT_EQ(menajerMain(nullptr), 0);
    const BoxList expected = {
        {"Ekran kartiniz Multitexture u desteklemiyor!", MessageIcon::Warning},
        {"OpenGL giris ayarlari yapilamadi!", MessageIcon::Warning},
        {"Motor Acilamadi!", MessageIcon::Question},
    };
    ASSERT_EQ(boxesOf(host), expected);
    EXPECT_FALSE(host.messageBoxes[2].hasCaption);
    EXPECT_EQ(engine.ready, 0);
    EXPECT_FALSE(host.windowExists);
}

} // namespace
