// The real SDL backend under X, driven by xdotool and a virtual joystick: every key of the
// table reaches its KeyCode; moves, buttons and joystick reach the input system.
#include <SDL.h>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <thread>

#include "input/input_system.h"
#include "platform/sdl_platform.h"

namespace {

class SdlInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY") || std::system("command -v xdotool >/dev/null") != 0)
            GTEST_SKIP() << "needs an X display and xdotool";
    }
    void TearDown() override {
        input.release();
        sdl.destroyWindow();
        platform::setCurrent(nullptr);
    }
    // The game window with the game's bounds, once it has input focus.
    void open() {
        platform::setCurrent(&sdl);
        ASSERT_TRUE(sdl.registerWindowClass("Menajer"));
        ASSERT_TRUE(sdl.createWindow("Menajer", 1024, 768));
        sdl.showWindow();
        ASSERT_EQ(input.create(nullptr, nullptr), 0);
        input.setMouseBounds(0, 0, 1024 - 9, 768 - 9);
        // Focus can come late while an earlier window's teardown is still under way.
        for (int i = 1; i <= 500; ++i) {
            if (frame() == 0) return;
            if (i % 100 == 0) sdl.showWindow();
        }
        FAIL() << "the window never got input focus";
    }
    // One pass of the main loop: drain the messages, then poll once.
    int32_t frame() {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        platform::WindowMessage message;
        while (sdl.peekMessage(message)) {
        }
        return input.poll();
    }
    static void xdotool(const std::string& args) {
        ASSERT_EQ(std::system(("xdotool " + args).c_str()), 0) << args;
    }
    // Keys down; with `besides`, the modifiers xdotool may add on its own to reach a keysym
    // (Num Lock for the keypad and the like) are left aside unless they are that key.
    std::set<int> keysDown(int besides = -1) const {
        static const std::set<int> helpers = {KEY_LEFT_SHIFT, KEY_RIGHT_SHIFT, KEY_LEFT_CTRL,
                                              KEY_RIGHT_CTRL, KEY_LEFT_ALT,    KEY_RIGHT_ALT,
                                              KEY_NUM_LOCK};
        std::set<int> down;
        for (int k = 0; k < KEY_COUNT; ++k)
            if (input.keyState(k) >= KEY_PRESSED &&
                (besides == -1 || k == besides || !helpers.count(k)))
                down.insert(k);
        return down;
    }

    platform::SdlPlatform sdl;
    InputSystem input;
};

} // namespace

TEST_F(SdlInputTest, EveryKeyOfTheTable) {
    ASSERT_NO_FATAL_FAILURE(open());
    // 0: no KeyCode. Lock keys go twice, to leave the server's lock state as it was.
    std::vector<std::pair<std::string, int>> keys = {
        {"Escape", 27},      {"BackSpace", 8},     {"Tab", 9},           {"Return", 13},
        {"space", 32},       {"apostrophe", 39},   {"comma", 44},        {"minus", 45},
        {"period", 46},      {"slash", 47},        {"semicolon", 59},    {"equal", 61},
        {"bracketleft", 91}, {"backslash", 92},    {"bracketright", 93}, {"grave", 96},
        {"Shift_L", 128},    {"Shift_R", 129},     {"Control_L", 130},   {"Control_R", 131},
        {"Alt_L", 132},      {"Alt_R", 133},       {"Left", 134},        {"Right", 135},
        {"Up", 136},         {"Down", 137},        {"Insert", 150},      {"Delete", 151},
        {"Home", 152},       {"End", 153},         {"Prior", 154},       {"Next", 155},
        {"KP_Divide", 156},  {"KP_Multiply", 157}, {"KP_Subtract", 158}, {"KP_Add", 159},
        {"KP_Enter", 160},   {"KP_Decimal", 161},  {"Scroll_Lock", 174}, {"Print", 175},
        {"Super_L", 0},      {"Super_R", 0},       {"Menu", 0},          {"Num_Lock", 172},
        {"Num_Lock", 172},   {"Caps_Lock", 173},   {"Caps_Lock", 173}};
    for (int d = 0; d <= 9; ++d) {
        keys.push_back({std::to_string(d), '0' + d});
        keys.push_back({"KP_" + std::to_string(d), KEY_NUM_0 + d});
    }
    for (int f = 1; f <= 12; ++f)
        keys.push_back({"F" + std::to_string(f), KEY_F1 + f - 1});
    for (int c = 'a'; c <= 'z'; ++c)
        keys.push_back({std::string(1, char(c)), c});

    for (const auto& [keysym, code] : keys) {
        SCOPED_TRACE(keysym);
        xdotool("keydown " + keysym);
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(keysDown(code), code ? std::set<int>{code} : std::set<int>{});
        EXPECT_EQ(input.keyState(code), code ? KEY_PRESSED : KEY_UP);
        xdotool("keyup " + keysym);
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(input.keyState(code), code ? KEY_RELEASED : KEY_UP);
    }

    xdotool("keydown shift+a");
    ASSERT_EQ(frame(), 0);
    EXPECT_EQ(keysDown(), (std::set<int>{KEY_LEFT_SHIFT, 'a'}));
    xdotool("keyup shift+a");
    ASSERT_EQ(frame(), 0);
    xdotool("key Escape"); // down and up between two polls: never seen
    ASSERT_EQ(frame(), 0);
    EXPECT_EQ(input.keyState(KEY_ESCAPE), KEY_UP);
}

TEST_F(SdlInputTest, RelativeMovesAndButtons) {
    ASSERT_NO_FATAL_FAILURE(open());
    input.cursorX = 500, input.cursorY = 400;
    xdotool("mousemove_relative -- 7 -3");
    ASSERT_EQ(frame(), 0);
    EXPECT_EQ(std::pair(input.cursorX, input.cursorY), std::pair(514, 396)); // accelerated in x
    for (const auto& [xButton, code] :
         {std::pair{1, KEY_MOUSE_LEFT}, {3, KEY_MOUSE_RIGHT}, {2, KEY_MOUSE_MIDDLE}}) {
        SCOPED_TRACE(xButton);
        xdotool("mousedown " + std::to_string(xButton));
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(keysDown(), std::set<int>{code});
        xdotool("mouseup " + std::to_string(xButton));
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(input.keyState(code), KEY_RELEASED);
    }
}

// In a window the cursor is the desktop pointer, kept inside the game's bounds.
TEST_F(SdlInputTest, WindowedCursorIsThePointer) {
    sdl.setWindowed(true);
    ASSERT_NO_FATAL_FAILURE(open());
    int wx = 0, wy = 0;
    SDL_GetWindowPosition(sdl.sdlWindow(), &wx, &wy);
    for (auto [x, y] : {std::pair{300, 200}, {1020, 760}}) {
        xdotool("mousemove " + std::to_string(wx + x) + " " + std::to_string(wy + y));
        ASSERT_EQ(frame(), 0);
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(std::pair(input.cursorX, input.cursorY),
                  std::pair(std::min(x, 1014), std::min(y, 758)));
    }
}

TEST_F(SdlInputTest, FirstJoystickScaledWithDeadZone) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 12, 0);
    SDL_Joystick* stick = SDL_JoystickOpen(index);
    ASSERT_NE(stick, nullptr) << SDL_GetError();
    if (index != 0) GTEST_SKIP() << "a real joystick comes first";
    ASSERT_NO_FATAL_FAILURE(open());
    ASSERT_TRUE(input.joystick);
    const int32_t axes[][2] = {{0, 0},       {3276, 0},     {-3300, 0},     {3600, 10},
                               {16384, 444}, {32767, 1000}, {-32768, -1000}};
    for (const auto& [raw, value] : axes) {
        SDL_JoystickSetVirtualAxis(stick, 0, int16_t(raw));
        SDL_JoystickSetVirtualAxis(stick, 1, int16_t(-raw - (raw == -32768)));
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(input.joystickDeltaX, value) << raw;
        EXPECT_EQ(input.joystickDeltaY, -value) << raw;
    }
    for (int b = 0; b < 12; ++b)
        SDL_JoystickSetVirtualButton(stick, b, 1);
    ASSERT_EQ(frame(), 0);
    for (int k = KEY_JOY_BUTTON0; k < KEY_COUNT + 2; ++k)
        EXPECT_EQ(input.keyState(k), k < KEY_COUNT ? KEY_PRESSED : KEY_UP) << k;
    input.release();
    SDL_JoystickClose(stick);
    SDL_JoystickDetachVirtual(index);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}
