// The real SDL backend under X, driven by xdotool: every key of the table reaches its KeyCode,
// relative moves reach the cursor with the game's acceleration, buttons and wheel arrive.
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "sdl_window_helpers.h"

namespace {

// Keys xdotool may add on its own to reach a keysym (Num Lock for the keypad and the like).
const std::set<int> kHelperKeys = {KEY_LEFT_SHIFT, KEY_RIGHT_SHIFT, KEY_LEFT_CTRL, KEY_RIGHT_CTRL,
                                   KEY_LEFT_ALT,   KEY_RIGHT_ALT,   KEY_NUM_LOCK};

class SdlInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY") || std::system("command -v xdotool >/dev/null") != 0)
            GTEST_SKIP() << "needs an X display and xdotool";
        ASSERT_TRUE(window.open()) << "the window never got input focus";
    }
    void TearDown() override { window.close(); }
    int32_t frame() { return window.frame(); }
    static void xdotool(const std::string& args) {
        ASSERT_EQ(std::system(("xdotool " + args).c_str()), 0) << args;
    }
    std::set<int> keysDown() const {
        std::set<int> down;
        for (int k = 0; k < KEY_COUNT; ++k)
            if (input.keyState(k) == KEY_PRESSED || input.keyState(k) == KEY_HELD) down.insert(k);
        return down;
    }
    // A key's own KeyCode, with whatever xdotool pressed to reach it left aside.
    std::set<int> keysDownBesides(int expected) const {
        std::set<int> down = keysDown();
        for (int k : kHelperKeys)
            if (k != expected) down.erase(k);
        return down;
    }

    SdlGameWindow window;
    InputSystem& input = window.input;
};

} // namespace

TEST_F(SdlInputTest, EveryKeyOfTheTable) {
    struct Key {
        std::string keysym;
        int code; // -1: no KeyCode
    };
    std::vector<Key> keys = {
        {"Escape", 27},       {"BackSpace", 8},   {"Tab", 9},           {"Return", 13},
        {"space", 32},        {"apostrophe", 39}, {"comma", 44},        {"minus", 45},
        {"period", 46},       {"slash", 47},      {"semicolon", 59},    {"equal", 61},
        {"bracketleft", 91},  {"backslash", 92},  {"bracketright", 93}, {"grave", 96},
        {"Shift_L", 128},     {"Shift_R", 129},   {"Control_L", 130},   {"Control_R", 131},
        {"Alt_L", 132},       {"Alt_R", 133},     {"Left", 134},        {"Right", 135},
        {"Up", 136},          {"Down", 137},      {"F11", 148},         {"F12", 149},
        {"Insert", 150},      {"Delete", 151},    {"Home", 152},        {"End", 153},
        {"Prior", 154},       {"Next", 155},      {"KP_Divide", 156},   {"KP_Multiply", 157},
        {"KP_Subtract", 158}, {"KP_Add", 159},    {"KP_Enter", 160},    {"KP_Decimal", 161},
        {"Scroll_Lock", 174}, {"Print", 175},     {"Super_L", -1},      {"Super_R", -1},
        {"Menu", -1},         {"Num_Lock", 172},  {"Num_Lock", 172},    {"Caps_Lock", 173},
        {"Caps_Lock", 173}, // lock keys twice, to leave the server's lock state as it was
    };
    for (int d = 0; d <= 9; ++d) {
        keys.push_back({std::to_string(d), '0' + d});
        keys.push_back({"KP_" + std::to_string(d), KEY_NUM_0 + d});
    }
    for (int c = 'a'; c <= 'z'; ++c)
        keys.push_back({std::string(1, char(c)), c});
    for (int f = 1; f <= 10; ++f)
        keys.push_back({"F" + std::to_string(f), KEY_F1 + f - 1});

    for (const Key& key : keys) {
        SCOPED_TRACE(key.keysym);
        xdotool("keydown " + key.keysym);
        ASSERT_EQ(frame(), 0);
        if (key.code < 0) {
            EXPECT_EQ(keysDownBesides(-1), std::set<int>{});
        } else {
            EXPECT_EQ(input.keyState(key.code), KEY_PRESSED);
            EXPECT_EQ(keysDownBesides(key.code), std::set<int>{key.code});
        }
        xdotool("keyup " + key.keysym);
        ASSERT_EQ(frame(), 0);
        if (key.code >= 0) {
            EXPECT_EQ(input.keyState(key.code), KEY_RELEASED);
        }
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(keysDown(), std::set<int>{});
    }
}

TEST_F(SdlInputTest, ShiftDoesNotChangeTheCode) {
    xdotool("keydown shift+a");
    ASSERT_EQ(frame(), 0);
    EXPECT_EQ(input.keyState(KEY_LEFT_SHIFT), KEY_PRESSED);
    EXPECT_EQ(input.keyState('a'), KEY_PRESSED);
    EXPECT_EQ(input.keyState('A'), KEY_UP);
    xdotool("keyup shift+a");
    ASSERT_EQ(frame(), 0);
    // Down and up between two polls: never seen.
    xdotool("key Escape");
    ASSERT_EQ(frame(), 0);
    EXPECT_EQ(input.keyState(KEY_ESCAPE), KEY_UP);
}

TEST_F(SdlInputTest, RelativeMovesButtonsAndWheel) {
    const struct { int dx, dy, mx, my; } moves[] = {{7, -3, 14, -4}, {2, 1, 2, 1}, {-5, 6, -7, 9}};
    for (const auto& m : moves) {
        input.cursorX = 500;
        input.cursorY = 400;
        xdotool("mousemove_relative -- " + std::to_string(m.dx) + " " + std::to_string(m.dy));
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(input.cursorX, 500 + m.mx) << m.dx << "," << m.dy;
        EXPECT_EQ(input.cursorY, 400 + m.my) << m.dx << "," << m.dy;
    }
    xdotool("mousemove_relative 2000 2000");
    ASSERT_EQ(frame(), 0);
    EXPECT_EQ(input.cursorX, 1014);
    EXPECT_EQ(input.cursorY, 758);

    const struct {
        int xButton, code;
    } buttons[] = {{1, KEY_MOUSE_LEFT}, {3, KEY_MOUSE_RIGHT}, {2, KEY_MOUSE_MIDDLE}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.xButton);
        xdotool("mousedown " + std::to_string(b.xButton));
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(keysDown(), std::set<int>{b.code});
        EXPECT_EQ(input.keyState(b.code), KEY_PRESSED);
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(input.keyState(b.code), KEY_HELD);
        xdotool("mouseup " + std::to_string(b.xButton));
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(input.keyState(b.code), KEY_RELEASED);
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(input.keyState(b.code), KEY_UP);
    }

    xdotool("click 4");
    ASSERT_EQ(frame(), 0);
    EXPECT_EQ(input.wheelBytes[WHEEL_UP], 1);
    EXPECT_EQ(input.wheelBytes[WHEEL_NOTCHES_UP], 1);
    xdotool("click --repeat 2 --delay 1 5");
    ASSERT_EQ(frame(), 0);
    EXPECT_EQ(input.wheelBytes[WHEEL_DOWN], 1);
    EXPECT_EQ(input.wheelBytes[WHEEL_UP], 0);
    EXPECT_EQ(input.wheelBytes[WHEEL_NOTCHES_DOWN], 2);
    ASSERT_EQ(frame(), 0);
    EXPECT_EQ(input.wheelBytes[WHEEL_DOWN], 0);
}
