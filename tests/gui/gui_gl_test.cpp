#include <cmath>
#include <cstring>
#include <string>
#include <tuple>

#include "gui/number_spinner.h"
#include "gui/quad_drawer.h"
#include "gui/text_field.h"
#include "tests/render/gl_fixture.h"

namespace {

const Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};

class Drawing : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        useFont([](int cell) { return cell != ' '; }); // every other glyph a full square
        white = makeTexture(4, [](int, int) { return kWhite; });
    }
    void TearDown() override { pointAt(0, 0, KEY_UP); }
    void pointAt(int32_t x, int32_t y, KeyState leftButton) {
        engine.inputSystem.cursorX = x;
        engine.inputSystem.cursorY = y;
        engine.inputSystem.keyStates[256] = leftButton;
    }
    uint32_t white = 0;
};

// A few sizes the clamps and modes (other modes: full size) must give (adjustment at most 0.8, at
// least -0.5 or, in colour, 0), the advance of 10 (five glyphs span 56), and the bottom edge:
// nothing at y = H.
TEST_F(Drawing, TextSizeModesClampsAdvanceAndTheBottomEdge) {
    const struct {
        bool colored;
        int mode;
        float adjustment, y, scaleX, scaleY;
        const char* text;
    } cases[] = {{false, 0, 5.0f, 400, 1.7f, 1.7f, "A"}, {false, 0, -1.0f, 400, 0.4f, 0.4f, "A"},
                 {true, 0, -1.0f, 400, 0.9f, 0.9f, "A"}, {false, 1, -1.0f, 400, 2.3f, 2.3f, "A"},
                 {false, 4, 0.3f, 400, 1, 0.8f, "A"},    {true, 2, 0.7f, 400, 1, 1, "A"},
                 {false, 0, 0.1f, 400, 1, 1, "ABCDE"},   {false, 0, 0.1f, H - 1, 1, 1, "A"},
                 {true, 0, 0.1f, H, 0, 0, "A"},          {false, 0, 0.1f, H, 0, 0, "A"}};
    for (const auto& c : cases) {
        clear(kBlack);
        if (c.colored)
            bitmapFont.drawColoredText(200, c.y, c.text, c.mode, c.adjustment, 255, 255, 255, 255);
        else
            bitmapFont.drawText(200, c.y, c.mode, c.adjustment, c.text);
        const Box box = litBox();
        const float width = (16 + 10 * float(std::strlen(c.text) - 1)) * c.scaleX;
        // Pixel centres covered by a span starting on a pixel edge.
        EXPECT_EQ(std::tuple(box.width(), box.height(), box.left, box.bottom),
                  std::tuple(int(std::ceil(width - 0.5f)), int(std::ceil(16 * c.scaleY - 0.5f)),
                             c.scaleX ? 200 : -1, c.scaleX ? H - int(c.y) : -1))
            << &c - cases;
    }
}

TEST_F(Drawing, TextIsDataAndIsCutAt255Bytes) {
    bitmapFont.drawText(100, 200, 0, 0.1f, "%s%n%d");
    EXPECT_EQ(litBox().right, 100 + 50 + 15);
    clear(kBlack);
    // At a tenth of the size each glyph advances one pixel.
    bitmapFont.print(0, 100, 0.1f, 0.1f, 1, "%s", std::string(300, 'x').c_str());
    EXPECT_EQ(litBox().right, 255);
}

TEST_F(Drawing, BlendedQuadAddsAndTheMaskCutsFirst) {
    // Main picture: right half (30, 40, 50), left half black. Mask: lower half black.
    const Rgb background{100, 50, 0}, sum{130, 90, 50};
    const uint32_t main = makeTexture(4, [](int x, int) {
        return x >= 2 ? Rgb{30, 40, 50} : kBlack;
    });
    const uint32_t mask = makeTexture(4, [](int, int row) { return row >= 2 ? kWhite : kBlack; });
    const struct {
        uint8_t useMask;
        Rgb lowerLeft, lowerRight; // the upper half is unmasked in every case
    } cases[] = {{0, background, sum}, {1, kBlack, {30, 40, 50}}, {2, background, sum}};
    for (const auto& c : cases) {
        clear(background);
        QuadDrawer::drawRect(main, mask, c.useMask, 1, 0, 0, 80, 80);
        EXPECT_EQ(
            std::tuple(pixel(20, H - 20), pixel(60, H - 20), pixel(20, H - 60), pixel(60, H - 60)),
            std::tuple(background, sum, c.lowerLeft, c.lowerRight))
            << int(c.useMask);
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
    }
}

TEST_F(Drawing, SpinnerAndPagerStepWithinTheirBoundsWhereTheyWereDrawn) {
    NumberSpinner year, pager;
    year.create(engine.inputSystem, "Yil :", 1982, 1998, 1920, 20, 20);
    year.setPosition(100, 200);
    year.draw(white, white, -5, -5, 20, 45, 20); // "<" spans x 100-120, ">" 120-140
    pager.create(engine.inputSystem, "", 0, 0, 0, 20, 20);
    pager.setPosition(100, 600);
    pager.drawPager(white, white, 3);
    const struct {
        NumberSpinner* spinner;
        int32_t value, x, after;
    } cases[] = {{&year, 1998, 130, 1998}, {&year, 1998, 110, 1997}, {&year, 1920, 110, 1920},
                 {&year, 1920, 130, 1921}, {&pager, 0, 110, 0},      {&pager, 0, 130, 1},
                 {&pager, 3, 130, 3},      {&pager, 3, 110, 2}};
    for (const auto& c : cases) {
        c.spinner->value = c.value;
        pointAt(c.x, int32_t(c.spinner->y) + 10, KEY_RELEASED);
        if (c.spinner == &year)
            year.update();
        else
            pager.drawPager(white, white, 3);
        EXPECT_EQ(c.spinner->value, c.after) << c.value << " clicked at " << c.x;
    }
    // The pointer over "<": its face in the hover picture, the other one's in the normal.
    const uint32_t grey = makeTexture(4, [](int, int) { return Rgb{90, 90, 90}; });
    pointAt(110, 610, KEY_UP);
    clear(kBlack);
    pager.drawPager(grey, white, 3);
    EXPECT_EQ(std::pair(pixel(101, H - 601), pixel(121, H - 601)), // above the glyphs
              std::pair(Rgb{128, 128, 255}, Rgb{45, 45, 90}));
}

TEST_F(Drawing, TextFieldCursorShowsForOneFrameATenthAndLongTextIsCut) {
    TextField field;
    field.init();
    field.active = 1;
    auto drawnGlyphs = [&]() { // from x = 100; the blank cursor draws nothing
        clear(kBlack);
        EXPECT_TRUE(field.draw(100, 300, 0, 0.1f));
        return (litBox().right - 100 - 15) / 10 + 1;
    };
    std::strcpy(field.displayBuffer, "ab");
    const struct {
        uint32_t ticks;
        int glyphs;
    } frames[] = {{1000, 3}, {1016, 2}, {1090, 2}, {1110, 3}, {1126, 2}};
    for (const auto& f : frames) {
        host->setTicks(f.ticks);
        EXPECT_EQ(drawnGlyphs(), f.glyphs) << "at " << f.ticks << " ms";
    }
    std::memset(field.displayBuffer, 'x', TextField::DISPLAY_CAPACITY);
    EXPECT_EQ(drawnGlyphs(), 22); // the blank cursor after 22 characters
    host->setTicks(100000);
    EXPECT_EQ(drawnGlyphs(), 23);
    field.active = 0;
    host->setTicks(200000);
    EXPECT_EQ(drawnGlyphs(), 22);
}

} // namespace
