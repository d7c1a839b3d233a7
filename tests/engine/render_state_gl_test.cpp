#include <gtest/gtest.h>

#include <GL/gl.h>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/app.h"
#include "app/globals.h"
#include "platform_fixture.h"
#include "render/bitmap_font.h"

namespace {

// Everything set2DMode touches.
struct GLSnapshot {
    std::array<GLfloat, 16> projection{}, modelView{};
    GLint matrixMode = 0, projectionDepth = 0;
    GLboolean depthTest = 0, blend = 0, lighting = 0, texture2D = 0;

    static GLSnapshot take() {
        GLSnapshot s;
        glGetFloatv(GL_PROJECTION_MATRIX, s.projection.data());
        glGetFloatv(GL_MODELVIEW_MATRIX, s.modelView.data());
        glGetIntegerv(GL_MATRIX_MODE, &s.matrixMode);
        glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &s.projectionDepth);
        s.depthTest = glIsEnabled(GL_DEPTH_TEST);
        s.blend = glIsEnabled(GL_BLEND);
        s.lighting = glIsEnabled(GL_LIGHTING);
        s.texture2D = glIsEnabled(GL_TEXTURE_2D);
        return s;
    }
    bool operator==(const GLSnapshot&) const = default;
};

std::array<GLubyte, 3> pixelAt(int x, int y) {
    std::array<GLubyte, 3> rgb{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

class EngineGLTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setCurrent(&host);
        ASSERT_EQ(engine.create(nullptr, windowProc, "Menajer", "Zendor Menajer", 1024, 768, 16,
                                1.0f, 1000.0f),
                  1);
        ASSERT_TRUE(host.messageBoxes.empty());
    }
    void TearDown() override {
        engine.destroy();
        engine.inputSystem.release(); // the host goes with the test
        parkPlatform();
    }
    platform::TestPlatform host{true};
};

TEST_F(EngineGLTest, ZeroHeightSizeGivesAOnePixelViewport) {
    windowProc({platform::MessageType::Size, 640, 0});
    EXPECT_EQ(engine.height, 0);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(viewport[3], 1);
    GLfloat projection[16] = {};
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_TRUE(
        std::all_of(projection, projection + 16, [](GLfloat v) { return std::isfinite(v); }));
}

TEST_F(EngineGLTest, TwoDModeMapsPixelZeroToTheBottomLeft) {
    engine.renderState.beginFrame();
    engine.renderState.resetFrameState();
    engine.renderState.set2DMode(1);
    glDisable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    glRectf(0, 0, 1, 1);
    engine.renderState.set2DMode(0);
    using RGB = std::array<GLubyte, 3>;
    EXPECT_EQ(pixelAt(0, 0), (RGB{255, 255, 255}));
    for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {0, 767}})
        EXPECT_EQ(pixelAt(x, y), (RGB{0, 0, 0})) << x << "," << y;
}

TEST_F(EngineGLTest, TwoDModeWithOtherValuesChangesNothing) {
    const GLSnapshot outside = GLSnapshot::take();
    engine.renderState.set2DMode(2);
    EXPECT_TRUE(GLSnapshot::take() == outside);

    engine.renderState.set2DMode(1);
    const GLSnapshot inside = GLSnapshot::take();
    EXPECT_FALSE(inside == outside);
    engine.renderState.set2DMode(-1);
    EXPECT_TRUE(GLSnapshot::take() == inside);
    engine.renderState.set2DMode(0);
    const GLSnapshot after = GLSnapshot::take();
    EXPECT_EQ(after.projection, outside.projection);
    EXPECT_EQ(after.projectionDepth, outside.projectionDepth);
}

TEST_F(EngineGLTest, LogShowsRendererBeforeVendor) {
    const std::vector<std::string> log = logLines();
    const RenderState& state = engine.renderState;
    auto find = [&](const std::string& text) {
        return std::find(log.begin(), log.end(), "<p> " + text + " </p>") - log.begin();
    };
    const auto heading = find("------OPENGL EKRAN KARTI--------");
    ASSERT_LT(size_t(heading), log.size());
    EXPECT_EQ(log[heading + 1], std::string("<p> ") + state.renderer + " </p>");
    EXPECT_EQ(log[heading + 2], std::string("<p> ") + state.vendor + " </p>");
    EXPECT_EQ(log[heading + 3], std::string("<p> ") + state.version + " </p>");
    EXPECT_LT(find("------OPENGL EXTENSIONLAR-------"),
              find("Ekran Kartiniz Multitexture u destekliyor!"));
    EXPECT_LT(size_t(find("GL_ARB_multitexture")), log.size());
}

// The frame runs only once start-up is complete, and presents each frame once.
TEST_F(EngineGLTest, FramesOnlyWhenReady) {
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

TEST_F(EngineGLTest, CloseRequestEndsTheLoopThroughShutDown) {
    engine.destroy();
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
    bitmapFont = BitmapFont{}; // its lists died with this context
}

} // namespace
