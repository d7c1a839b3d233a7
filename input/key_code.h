// One index space for every key, mouse button and joystick button, and the per-poll state
// each of them is in.
#pragma once

#include <cstdint>

// Printable keys use their lower-case character code; keys without a character 128 up.
using KeyCode = uint16_t;

constexpr int KEY_COUNT = 270;

enum KeyState : uint8_t {
    KEY_UP = 0,       // not down
    KEY_RELEASED = 1, // up now, down at the previous poll
    KEY_PRESSED = 2,  // down now, up at the previous poll
    KEY_HELD = 3,     // down for at least two polls
};

constexpr KeyCode KEY_NULL = 0;
constexpr KeyCode KEY_BACKSPACE = 8;
constexpr KeyCode KEY_TAB = 9;
constexpr KeyCode KEY_ENTER = 13;
constexpr KeyCode KEY_ESCAPE = 27;
constexpr KeyCode KEY_SPACE = 32;
constexpr KeyCode KEY_DELETE = 127;
constexpr KeyCode KEY_LEFT_SHIFT = 128;
constexpr KeyCode KEY_RIGHT_SHIFT = 129;
constexpr KeyCode KEY_LEFT_CTRL = 130;
constexpr KeyCode KEY_RIGHT_CTRL = 131;
constexpr KeyCode KEY_LEFT_ALT = 132;
constexpr KeyCode KEY_RIGHT_ALT = 133;
constexpr KeyCode KEY_LEFT_ARROW = 134;
constexpr KeyCode KEY_RIGHT_ARROW = 135;
constexpr KeyCode KEY_UP_ARROW = 136;
constexpr KeyCode KEY_DOWN_ARROW = 137;
constexpr KeyCode KEY_F1 = 138; // F1 to F12 are consecutive
constexpr KeyCode KEY_F2 = 139;
constexpr KeyCode KEY_F3 = 140;
constexpr KeyCode KEY_F4 = 141;
constexpr KeyCode KEY_F11 = 148;
constexpr KeyCode KEY_F12 = 149;
constexpr KeyCode KEY_INSERT = 150;
constexpr KeyCode KEY_DEL = 151;
constexpr KeyCode KEY_HOME = 152;
constexpr KeyCode KEY_END = 153;
constexpr KeyCode KEY_PAGE_UP = 154;
constexpr KeyCode KEY_PAGE_DOWN = 155;
constexpr KeyCode KEY_NUM_SLASH = 156;
constexpr KeyCode KEY_NUM_STAR = 157;
constexpr KeyCode KEY_NUM_MINUS = 158;
constexpr KeyCode KEY_NUM_PLUS = 159;
constexpr KeyCode KEY_NUM_ENTER = 160;
constexpr KeyCode KEY_NUM_PERIOD = 161;
constexpr KeyCode KEY_NUM_0 = 162; // NUM 0 to NUM 9 are consecutive
constexpr KeyCode KEY_NUM_LOCK = 172;
constexpr KeyCode KEY_CAPS_LOCK = 173;
constexpr KeyCode KEY_SCROLL_LOCK = 174;
constexpr KeyCode KEY_PRINT_SCREEN = 175;
constexpr KeyCode KEY_PAUSE = 176;
constexpr KeyCode KEY_MOUSE_LEFT = 256;
constexpr KeyCode KEY_MOUSE_RIGHT = 257;
constexpr KeyCode KEY_MOUSE_MIDDLE = 258;
constexpr KeyCode KEY_MOUSE_BUTTON4 = 259;
constexpr KeyCode KEY_JOY_BUTTON0 = 260; // joystick buttons 0 to 9 are consecutive
