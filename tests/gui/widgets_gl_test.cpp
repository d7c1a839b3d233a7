#include <cstring>

#include "gl_fixture.h"
#include "gui/gui_button.h"
#include "gui/number_spinner.h"
#include "gui/text_field.h"

namespace {

using gltest::H;
using gltest::Rgb;

class WidgetTest : public gltest::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        useFont([](int cell) { return cell != ' '; });
        white = solidTexture({255, 255, 255});
    }
    void TearDown() override {
        pointAt(0, 0, KEY_UP);
        GlTest::TearDown();
    }
    static void pointAt(int32_t x, int32_t y, KeyState leftButton) {
        engine.inputSystem.cursorX = x;
        engine.inputSystem.cursorY = y;
        engine.inputSystem.keyStates[256] = leftButton;
    }
    uint32_t white = 0;
};

TEST_F(WidgetTest, ButtonFaceWearsTheColourOfItsState) {
    struct Case {
        int32_t state;
        Rgb face;
    } cases[] = {{0, {250, 250, 250}}, {1, {128, 128, 255}}, {2, {10, 200, 10}}};
    GuiButton button;
    button.create(0, "Tamam", 20, 18, 100, 100, 140, 25);
    for (const Case& c : cases) {
        glColor4ub(10, 200, 10, 255); // kept by a button that is neither active nor passive
        button.setState(c.state);
        button.draw(white, white, 0, 0);
        EXPECT_EQ(pixel(105, H - 105), c.face) << "state " << c.state; // beside the caption
    }
}

TEST_F(WidgetTest, ButtonFaceFollowsAMoveOneFrameLate) {
    GuiButton button;
    button.create(0, "", 1, 10, 100, 100, 60, 30);
    button.setPosition(400, 300);
    const Rgb black{0, 0, 0};
    button.draw(white, white, 0, 0);
    EXPECT_NE(pixel(105, H - 105), black);
    EXPECT_EQ(pixel(405, H - 305), black);
    clear(black);
    button.draw(white, white, 0, 0);
    EXPECT_EQ(pixel(105, H - 105), black);
    EXPECT_NE(pixel(405, H - 305), black);
}

TEST_F(WidgetTest, SpinnerAndPagerStepWithinTheirBoundsWhereTheyWereDrawn) {
    NumberSpinner year;
    year.create("Yil :", 1982, 1998, 1920, 20, 20);
    year.setPosition(100, 200);
    year.draw(white, white, -5, -5, 20, 45, 20); // "<" spans x 100-120, ">" 120-140
    struct Case {
        int32_t value, x, after;
    } years[] = {{1998, 130, 1998}, {1998, 110, 1997}, {1920, 110, 1920}, {1920, 130, 1921}};
    for (const Case& c : years) {
        year.value = c.value;
        pointAt(c.x, 210, KEY_RELEASED);
        year.update();
        EXPECT_EQ(year.value, c.after) << c.value << " clicked at " << c.x;
    }

    NumberSpinner pager;
    pager.create("", 0, 0, 0, 20, 20);
    pager.setPosition(500, 600);
    pager.drawPager(white, white, 3);
    const Case pages[] = {{0, 510, 0}, {0, 530, 1}, {3, 530, 3}, {3, 510, 2}};
    for (const Case& c : pages) {
        pager.value = c.value;
        pointAt(c.x, 610, KEY_RELEASED);
        pager.drawPager(white, white, 3);
        EXPECT_EQ(pager.value, c.after) << "page " << c.value << " clicked at " << c.x;
    }
}

TEST_F(WidgetTest, TextFieldCursorBlinksForOneFrameAndLongTextIsCut) {
    TextField field;
    field.init();
    field.active = 1;
    // Right edge of a draw at x = 100 of so many glyphs (the blank cursor draws nothing).
    auto drawnGlyphs = [&]() {
        clear({0, 0, 0});
        EXPECT_TRUE(field.draw(100, 300, 0, 0.1f));
        return (litBox().right - 100 - 15) / 10 + 1;
    };
    std::strcpy(field.displayBuffer, "ab");
    struct Frame {
        uint32_t ticks;
        int glyphs;
    } frames[] = {{1000, 3}, {1016, 2}, {1090, 2}, {1110, 3}, {1126, 2}};
    for (const Frame& f : frames) {
        platform->setTicks(f.ticks);
        EXPECT_EQ(drawnGlyphs(), f.glyphs) << "at " << f.ticks << " ms";
    }

    std::memset(field.displayBuffer, 'x', TextField::DISPLAY_CAPACITY);
    platform->setTicks(100000);
    EXPECT_EQ(drawnGlyphs(), 23); // 22 characters and the cursor
    field.active = 0;
    EXPECT_EQ(drawnGlyphs(), 22);
}

} // namespace
