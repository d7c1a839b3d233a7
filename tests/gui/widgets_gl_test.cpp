#include <cstring>

#include "gl_fixture.h"
#include "gui/gui_button.h"
#include "gui/number_spinner.h"
#include "gui/text_field.h"
#include "render/bitmap_font.h"

namespace {

using gltest::Box;
using gltest::H;
using gltest::Rgb;

class WidgetTest : public gltest::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (bitmapFont.listBase == 0) {
            ASSERT_EQ(bitmapFont.build(), 1);
        }
        white = solidTexture({255, 255, 255});
        pointAt(0, 0, KEY_UP);
    }
    void TearDown() override {
        pointAt(0, 0, KEY_UP);
        GlTest::TearDown();
    }
    // Captions and labels leave no trace.
    void hideText() {
        bitmapFont.texture = fontTexture([](int) { return false; });
    }
    static void pointAt(int32_t x, int32_t y, KeyState leftButton) {
        engine.inputSystem.cursorX = x;
        engine.inputSystem.cursorY = y;
        engine.inputSystem.keyStates[256] = leftButton;
    }
    uint32_t white = 0;
};

TEST_F(WidgetTest, ButtonFaceWearsTheColourOfItsState) {
    hideText();
    struct Case {
        int32_t state;
        Rgb face;
    } cases[] = {{0, {250, 250, 250}}, {1, {128, 128, 255}}, {2, {10, 200, 10}}};
    GuiButton button;
    button.create(0, "Tamam", 20, 18, 100, 100, 140, 25);
    for (const Case& c : cases) {
        clear(0, 0, 0);
        glColor4ub(10, 200, 10,
                   255); // kept by a button that is neither active nor passive
        button.setState(c.state);
        button.draw(white, white, 0, 0);
        EXPECT_EQ(pixel(105, H - 105), c.face) << "state " << c.state;
    }
}

TEST_F(WidgetTest, ButtonFaceFollowsAMoveOneFrameLate) {
    hideText();
    GuiButton button;
    button.create(0, "", 1, 10, 100, 100, 60, 30);
    button.setPosition(400, 300);
    const int oldX = 130, oldRow = H - 115, newX = 430, newRow = H - 315;

    button.draw(white, white, 0, 0);
    EXPECT_NE(pixel(oldX, oldRow), (Rgb{0, 0, 0}));
    EXPECT_EQ(pixel(newX, newRow), (Rgb{0, 0, 0}));

    clear(0, 0, 0);
    button.draw(white, white, 0, 0);
    EXPECT_EQ(pixel(oldX, oldRow), (Rgb{0, 0, 0}));
    EXPECT_NE(pixel(newX, newRow), (Rgb{0, 0, 0}));
}

TEST_F(WidgetTest, ButtonCaptionSitsAtItsOffsetInButtonSize) {
    bitmapFont.texture = fontTexture([](int) { return true; });
    GuiButton button;
    button.create(0, "Tamam", 20, 18, 200, 300, 140, 25);
    button.setState(1);
    button.draw(white, white, 0, 2); // no face, caption only
    const Box box = litBox();
    EXPECT_EQ(box.left, 240);
    EXPECT_EQ(box.right, 240 + 40 + 16 - 1);
    // Baseline at 300 + 21.5 from the top, 12.8 pixels high.
    EXPECT_NEAR(box.bottom, H - 321.5, 0.5);
    EXPECT_EQ(box.top, 458);
}

TEST_F(WidgetTest, SpinnerStepsWithinItsBoundsWhereItWasDrawn) {
    hideText();
    struct Case {
        int32_t value;
        int32_t x; // pointer x; the decrement button spans 100-120, the increment
                   // 120-140
        int32_t after;
    } cases[] = {
        {1998, 130, 1998}, {1998, 110, 1997}, {1920, 110, 1920},
        {1920, 130, 1921}, {1950, 120, 1950}, // the shared edge belongs to
                                              // neither
    };
    NumberSpinner year;
    year.create("Yil :", 1982, 1998, 1920, 20, 20);
    year.setPosition(100, 200);
    year.draw(white, white, -5, -5, 20, 45, 20);
    for (const Case& c : cases) {
        year.value = c.value;
        pointAt(c.x, 210, KEY_RELEASED);
        year.update();
        EXPECT_EQ(year.value, c.after) << c.value << " clicked at " << c.x;
    }
}

TEST_F(WidgetTest, PagerStaysBetweenZeroAndItsLimit) {
    hideText();
    struct Case {
        int32_t value;
        int32_t x;
        int32_t after;
    } cases[] = {{0, 510, 0}, {0, 530, 1}, {3, 530, 3}, {3, 510, 2}};
    NumberSpinner pager;
    pager.create("", 0, 0, 0, 20, 20);
    pager.setPosition(500, 600);
    pager.drawPager(white, white, 3); // places the buttons
    for (const Case& c : cases) {
        pager.value = c.value;
        pointAt(c.x, 610, KEY_RELEASED);
        pager.drawPager(white, white, 3);
        EXPECT_EQ(pager.value, c.after) << c.value << " clicked at " << c.x;
    }
}

class TextFieldTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        bitmapFont.texture = fontTexture([](int cell) { return cell != ' '; });
        field.init();
    }
    // Right edge of what a draw at x = 100 leaves on a cleared frame.
    int drawnRight() {
        clear(0, 0, 0);
        EXPECT_TRUE(field.draw(100, 300, 0, 0.1f));
        return litBox().right;
    }
    static int rightAfter(int glyphs) { return 100 + (glyphs - 1) * 10 + 15; }
    TextField field;
};

TEST_F(TextFieldTest, CursorShowsForOneFrameEveryTenthOfASecond) {
    std::strcpy(field.displayBuffer, "ab");
    field.active = 1;
    struct Frame {
        uint32_t ticks;
        bool cursor;
    } frames[] = {{1000, true}, {1016, false}, {1090, false}, {1110, true}, {1126, false}};
    for (const Frame& f : frames) {
        platform->setTicks(f.ticks);
        EXPECT_EQ(drawnRight(), rightAfter(f.cursor ? 3 : 2)) << "at " << f.ticks << " ms";
    }
    field.active = 0;
    platform->setTicks(5000);
    EXPECT_EQ(drawnRight(), rightAfter(2));
}

TEST_F(TextFieldTest, LongDisplayTextIsCutToLeaveRoomForTheCursor) {
    std::memset(field.displayBuffer, 'x', TextField::DISPLAY_CAPACITY);
    field.active = 1;
    platform->setTicks(100000);
    EXPECT_EQ(drawnRight(), rightAfter(23));
    field.active = 0;
    EXPECT_EQ(drawnRight(), rightAfter(22));
}

} // namespace
