#include "gl_fixture.h"
#include "gui/quad_drawer.h"
#include "gui/textured_quad.h"

namespace {

using gltest::Box;
using gltest::H;
using gltest::Rgb;

class QuadTest : public gltest::GlTest {};

TEST_F(QuadTest, TopBandCoversTheTopNinetyRows) {
    const uint32_t white = solidTexture({255, 255, 255});
    QuadDrawer::drawRect(white, white, 0, 0, 0, 0, 1024, 90);
    const Box box = litBox();
    EXPECT_EQ(box.width(), 1024);
    EXPECT_EQ(box.bottom, 678);
    EXPECT_EQ(box.top, H - 1);
}

TEST_F(QuadTest, PlainModeShowsThePictureUprightTintedByTheCurrentColour) {
    const uint32_t picture = makeTexture(4, [](int, int row) {
        return row >= 2 ? Rgb{255, 0, 0} : Rgb{255, 255, 255};
    });
    TexturedQuad quad;
    quad.init(7, 100, 200, 40, 40);
    glColor4ub(128, 128, 255, 250);
    quad.draw(picture, picture, 0, 0);
    EXPECT_EQ(pixel(120, H - 205), (Rgb{128, 0, 0}));
    EXPECT_EQ(pixel(120, H - 235), (Rgb{128, 128, 255}));
}

TEST_F(QuadTest, OtherModesDrawNothing) {
    const uint32_t white = solidTexture({255, 255, 255});
    for (int mode : {2, 3, -1}) {
        QuadDrawer::drawRect(white, white, 1, mode, 10, 10, 500, 500);
        EXPECT_TRUE(litBox().empty()) << "mode " << mode;
    }
}

TEST_F(QuadTest, BlendedModeAddsAndTheMaskCutsFirst) {
    // Main picture: left half black, right half (30, 40, 50). Mask: lower half black.
    const uint32_t main = makeTexture(4, [](int x, int) {
        return x >= 2 ? Rgb{30, 40, 50} : Rgb{0, 0, 0};
    });
    const uint32_t mask = makeTexture(4, [](int, int row) {
        return row >= 2 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
    });
    struct Case {
        uint8_t useMask;
        Rgb lowerLeft, lowerRight; // the upper half is unmasked in every case
    } cases[] = {
        {0, {100, 50, 0}, {130, 90, 50}},
        {1, {0, 0, 0}, {30, 40, 50}},
        {2, {100, 50, 0}, {130, 90, 50}}, // only 1 means yes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "useMask " << int(c.useMask));
        clear({100, 50, 0});
        QuadDrawer::drawRect(main, mask, c.useMask, 1, 0, 0, 80, 80);
        EXPECT_EQ(pixel(20, H - 20), (Rgb{100, 50, 0}));
        EXPECT_EQ(pixel(60, H - 20), (Rgb{130, 90, 50}));
        EXPECT_EQ(pixel(20, H - 60), c.lowerLeft);
        EXPECT_EQ(pixel(60, H - 60), c.lowerRight);
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
    }
}

} // namespace
