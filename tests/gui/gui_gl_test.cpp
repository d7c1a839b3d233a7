#include <cstring>
#include <string>
#include <tuple>

#include "gui/number_spinner.h"
#include "gui/quad_drawer.h"
#include "gui/text_field.h"
#include "tests/render/gl_fixture.h"

namespace {

const Rgb BLACK{0, 0, 0}, WHITE{255, 255, 255};

class Drawing : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        useFont([](int cell) { return cell != ' '; }); // every other glyph a full square
        white = makeTexture(4, [](int, int) { return WHITE; });
    }
    void TearDown() override { pointAt(0, 0, KEY_UP); }
    void pointAt(int32_t x, int32_t y, KeyState leftButton) {
        engine.inputSystem.cursorX = x;
        engine.inputSystem.cursorY = y;
        engine.inputSystem.keyStates[256] = leftButton;
    }
    uint32_t white = 0;
};

TEST_F(Drawing, TextIsDataAndIsCutAt255Bytes) {
    bitmapFont.drawText(100, 200, 0, 0.1f, "%s%n%d");
    EXPECT_EQ(litBox().right, 100 + 50 + 15);
    clear(BLACK);
    // At a tenth of the size each glyph advances one pixel.
    bitmapFont.print(0, 100, 0.1f, 0.1f, 1, "%s", std::string(300, 'x').c_str());
    EXPECT_EQ(litBox().right, 255);
}

// No game screen draws a blended or masked quad, so they are checked here.
TEST_F(Drawing, BlendedQuadAddsAndTheMaskCutsFirst) {
    // Main picture: right half (30, 40, 50), left half black. Mask: lower half black.
    const Rgb background{100, 50, 0}, sum{130, 90, 50};
    const uint32_t main = makeTexture(4, [](int x, int) {
        return x >= 2 ? Rgb{30, 40, 50} : BLACK;
    });
    const uint32_t mask = makeTexture(4, [](int, int row) { return row >= 2 ? WHITE : BLACK; });
    const struct {
        uint8_t useMask;
        Rgb lowerLeft, lowerRight; // the upper half is unmasked in every case
    } cases[] = {{0, background, sum}, {1, BLACK, {30, 40, 50}}, {2, background, sum}};
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

TEST_F(Drawing, SpinnerStepsWithinItsBoundsWhereItWasDrawn) {
    NumberSpinner year, pager;
    year.create(engine.inputSystem, "Yil :", 1982, 1998, 1920, 20, 20);
    year.setPosition(100, 200);
    year.draw(white, white, -5, -5, 20, 45, 20); // "<" spans x 100-120, ">" 120-140
    // The pager's own bounds are stepped through a list's arrows (list view tests).
    const struct {
        int32_t value, x, after;
    } cases[] = {{1998, 130, 1998}, {1998, 110, 1997}, {1920, 110, 1920}, {1920, 130, 1921}};
    for (const auto& c : cases) {
        year.value = c.value;
        pointAt(c.x, 210, KEY_RELEASED);
        year.update();
        EXPECT_EQ(year.value, c.after) << c.value << " clicked at " << c.x;
    }
    // The pointer over "<": its face in the hover picture, the other one's in the normal (no
    // screen shows a spinner under the pointer).
    const uint32_t grey = makeTexture(4, [](int, int) { return Rgb{90, 90, 90}; });
    pager.create(engine.inputSystem, "", 0, 0, 0, 20, 20);
    pager.setPosition(100, 600);
    pager.drawPager(white, white, 3); // a face takes its button's place a frame late
    pointAt(110, 610, KEY_UP);
    clear(BLACK);
    pager.drawPager(grey, white, 3);
    EXPECT_EQ(std::pair(pixel(101, H - 601), pixel(121, H - 601)), // above the glyphs
              std::pair(Rgb{128, 128, 255}, Rgb{45, 45, 90}));
}

TEST_F(Drawing, TextFieldCursorShowsForOneFrameATenthAndLongTextIsCut) {
    TextField field;
    field.init();
    field.active = 1;
    auto drawnGlyphs = [&]() { // from x = 100; the blank cursor draws nothing
        clear(BLACK);
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
