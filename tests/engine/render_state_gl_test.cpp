#include <gtest/gtest.h>

#include <GL/gl.h>
#include <algorithm>
#include <tuple>
#include <vector>

#include "platform_fixture.h"

namespace {

class EngineGLTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setCurrent(&host);
        ASSERT_EQ(createGameEngine(engine), 1);
        ASSERT_TRUE(host.messageBoxes.empty());
    }
    void TearDown() override {
        engine.destroy();
        engine.inputSystem.release(); // the host goes with the test
        parkPlatform();
    }
    Engine& engine = bindTestEngine();
    platform::TestPlatform host{true};
};

// A minimised window reports height 0: the viewport and the aspect ratio take 1.
TEST_F(EngineGLTest, AZeroHeightSizeGivesOnePixel) {
    GLint viewport[4] = {};
    engine.renderState.resize(640, 0);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(std::vector(viewport + 2, viewport + 4), (std::vector<GLint>{640, 1}));
}

TEST_F(EngineGLTest, SwapIntervalOnlyWhereThePlatformCanSetIt) {
    for (auto [canSwap, waitForRefresh, interval] :
         {std::tuple{false, true, -1}, {true, true, 1}, {true, false, 0}}) {
        host.canSwap = canSwap;
        host.swapInterval = -1;
        RenderState state{engine};
        state.loadSwapControl();
        state.applyViewOptions(waitForRefresh, true);
        state.setSwapInterval(2); // out of range: ignored
        EXPECT_EQ(host.swapInterval, interval) << canSwap << waitForRefresh;
    }
}

// A driver without multitexturing ends creation with two warnings, then the teardown.
TEST_F(EngineGLTest, MissingMultitextureEndsCreation) {
    engine.destroy();
    host.messageBoxes.clear();
    host.hiddenProcs = {"glActiveTextureARB"};
    const size_t logStart = logLines().size();
    EXPECT_EQ(createGameEngine(engine), 0);
    using platform::MessageIcon;
    EXPECT_EQ(boxesOf(host),
              (BoxList{{"Ekran kartiniz Multitexture u desteklemiyor!", MessageIcon::Warning},
                       {"OpenGL giris ayarlari yapilamadi!", MessageIcon::Warning}}));
    EXPECT_FALSE(host.windowExists || host.contextExists || host.classRegistered);
    const std::vector<std::string> log = logLines();
    EXPECT_EQ(std::count(log.begin() + logStart, log.end(),
                         "<p> Ekran Kartiniz Multitexture u desteklemiyor!! </p>"),
              1);
}

} // namespace
