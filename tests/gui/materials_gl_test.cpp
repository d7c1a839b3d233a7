#include <cmath>
#include <memory>
#include <tuple>

#include "gui/quad_drawer.h"
#include "render/shader_script.h"
#include "tests/render/gl_fixture.h"

namespace {

constexpr int INDEX = 4;
const Rgb WHITE{255, 255, 255};

class MaterialDrawing : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        table = std::make_unique<ShaderScriptTable>();
        table->reset();
        engine.frameDelta = 0.02f;
        host->setTicks(1000);
    }
    static uint32_t plain(Rgb c) {
        return makeTexture(4, [c](int, int) { return c; });
    }
    ShaderScript& entry() { return table->entries[INDEX]; }
    // The material over the background; answers the colour in the rectangle's middle.
    Rgb draw(Rgb background = {0, 0, 0}) {
        clear(background);
        QuadDrawer::drawMaterialRect(*table, INDEX, 100, 100, 40, 40);
        return pixel(120, H - 120);
    }
    std::unique_ptr<ShaderScriptTable> table;
};

TEST_F(MaterialDrawing, BlendingPassesAndFrames) {
    const Rgb dim{40, 40, 40}, green{0, 100, 0}, red{100, 0, 0}, black{0, 0, 0};
    const GLenum one = GL_ONE, alpha = GL_SRC_ALPHA, rest = GL_ONE_MINUS_SRC_ALPHA;
    const struct {
        const char* name;
        uint8_t blend, alphaBlend;
        GLenum src, dst;
        int extraDraws, frameCount; // a frame count switches the animation on
        std::vector<Rgb> frames;
        bool callerAdds; // the caller's own additive blending counts the draws
        Rgb background;
        std::vector<Rgb> draws;
    } cases[] = {
        // clang-format off
        {"an empty entry draws once untextured", 0, 0, 0, 0, 0, 0, {}, false, red, {WHITE}},
        {"one, one adds in full", 1, 0, one, one, 0, 0, {green}, false, red, {{100, 100, 0}}},
        {"source alpha covers at 40 %", 1, 0, alpha, rest, 0, 0, {}, false, black,
         {{102, 102, 102}}},
        {"alpha settings win", 1, 1, one, one, 0, 0, {green}, false, red, {green}},
        {"alpha blending is switched off again", 0, 1, 0, 0, 0, 0, {green}, false, red, {green}},
        {"extra draws see no blending", 1, 0, one, one, 2, 0, {green}, false, red, {green}},
        {"extraDraws 2 draws three times", 0, 0, 0, 0, 2, 0, {dim}, true, black, {{120, 120, 120}}},
        {"a negative extraDraws draws once", 0, 0, 0, 0, -5, 0, {dim}, true, black, {dim}},
        {"three steps over two frames", 0, 0, 0, 0, 0, 3, {red, green}, false, black,
         {green, WHITE, red}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShaderScript& s = entry() = ShaderScript{};
        s.blend = c.blend, s.alphaBlend = c.alphaBlend, s.srcFactor = c.src, s.dstFactor = c.dst;
        s.extraDraws = c.extraDraws, s.frameCount = c.frameCount, s.animate = c.frameCount > 0;
        for (size_t i = 0; i < c.frames.size(); ++i)
            s.frames[i].texture = plain(c.frames[i]);
        glColor4f(1, 1, 1, 1);
        if (c.callerAdds) {
            glEnable(GL_BLEND);
            glBlendFunc(GL_ONE, GL_ONE);
        }
        for (const Rgb& expected : c.draws)
            EXPECT_EQ(draw(c.background), expected);
        EXPECT_EQ(glIsEnabled(GL_BLEND), c.callerAdds);
        glDisable(GL_BLEND);
    }
}

// The angle changes only on updates, so it shows which draws were updates.
TEST_F(MaterialDrawing, UpdateGate) {
    const struct {
        int delay;
        std::vector<float> angles; // after draws 1 to 12
    } cases[] = {
        {0, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {3, {1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4}},
        {-1, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.delay);
        entry() = ShaderScript{};
        entry().angle = entry().angleStep = 1;
        entry().delay = c.delay;
        std::vector<float> angles;
        for (int i = 0; i < 12; ++i)
            draw(), angles.push_back(entry().angle);
        EXPECT_EQ(angles, c.angles);
        EXPECT_LE(entry().delayCounter, std::max(c.delay, 0)); // a counter that cannot meet stops
    }
}

// Offsets scroll and wrap, the angle stays within one turn; the pass turns, shifts, turns,
// and its end leaves an identity texture matrix, the modelview mode and no generated texels.
TEST_F(MaterialDrawing, ScrollingTurningAndTheTextureMatrix) {
    entry().offsetX = 0.5f;
    draw(), draw();
    EXPECT_NEAR(entry().offsetX, 0.502f, 1e-6);
    entry().offsetX = 50001.0f;
    draw();
    EXPECT_EQ(entry().offsetX, 0.005f);
    entry() = ShaderScript{};
    entry().angle = entry().angleStep = 350;
    draw();
    EXPECT_FLOAT_EQ(entry().angle, 340.0f); // 700 kept within one turn
    entry() = ShaderScript{};
    entry().angle = entry().angleStep = 2;
    entry().offsetX = 0.5f, entry().offsetY = 0.25f, entry().sphereMap = 1;
    engine.frameDelta = 0;
    table->applyPass(INDEX), table->endPass(INDEX);
    table->applyPass(INDEX), table->endPass(INDEX);
    table->applyPass(INDEX); // the third pass turns by 16 degrees and the offset by 8
    float m[16];
    glGetFloatv(GL_TEXTURE_MATRIX, m);
    const double a = 16 * M_PI / 180, b = 8 * M_PI / 180;
    EXPECT_NEAR(m[1], sin(a), 1e-5);
    EXPECT_NEAR(m[12], 0.5 * cos(b) - 0.25 * sin(b), 1e-5);
    EXPECT_NEAR(m[13], 0.5 * sin(b) + 0.25 * cos(b), 1e-5);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_S) && glIsEnabled(GL_TEXTURE_GEN_T));
    table->endPass(INDEX);
    GLint mode = 0;
    glGetFloatv(GL_TEXTURE_MATRIX, m);
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(std::tuple(m[0], m[1], m[12], m[13], mode),
              std::tuple(1.0f, 0.0f, 0.0f, 0.0f, GLint(GL_MODELVIEW)));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S) || glIsEnabled(GL_TEXTURE_GEN_T));
}

TEST_F(MaterialDrawing, AnimationRunsOnItsTimerAndWrapsInsideTheTable) {
    const struct {
        int delay, frameCount, draws, msPerDraw, frame;
    } cases[] = {
        {1, 10, 10, 0, 1},       // with the clock standing the timer fires once
        {1, 10, 10, 100, 5},     // every update the timer has fired
        {0, 1000, 260, 0, 10},   // wraps at the table's 250 frames
        {0, INT32_MIN, 5, 0, 0}, // no overflow below the count
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frameCount);
        entry() = ShaderScript{};
        entry().animate = 1, entry().delay = c.delay, entry().frameCount = c.frameCount;
        for (int i = 0; i < c.draws; ++i)
            host->advance(uint32_t(c.msPerDraw)), draw();
        EXPECT_EQ(entry().currentFrame, c.frame);
    }
}

} // namespace
