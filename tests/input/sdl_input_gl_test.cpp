// The real SDL backend under X, driven by xdotool and a virtual joystick: keys reach their
// KeyCodes; moves, buttons and joystick reach the input system.
#include <SDL.h>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <thread>

#include "input/hit_rect.h"
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
        if (stick) {
            SDL_JoystickClose(stick);
            SDL_JoystickDetachVirtual(stickIndex);
            SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        }
        sdl.destroyWindow();
        platform::setCurrent(nullptr);
    }
    // A virtual pad with 2 axes and 40 buttons as the first joystick, then the window.
    void openWithStick() {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
        stickIndex = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 40, 0);
        stick = SDL_JoystickOpen(stickIndex);
        ASSERT_NE(stick, nullptr) << SDL_GetError();
        if (stickIndex != 0) GTEST_SKIP() << "a real joystick comes first";
        ASSERT_NO_FATAL_FAILURE(open());
        ASSERT_TRUE(input.joystick);
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
    // Keys down, leaving aside the modifiers xdotool may add on its own to reach a keysym (Num
    // Lock for the keypad and the like) unless they are the key `besides`.
    std::set<int> keysDown(int besides) const {
        static const std::set<int> helpers = {KEY_LEFT_SHIFT, KEY_RIGHT_SHIFT, KEY_LEFT_CTRL,
                                              KEY_RIGHT_CTRL, KEY_LEFT_ALT,    KEY_RIGHT_ALT,
                                              KEY_NUM_LOCK};
        std::set<int> down;
        for (int k = 0; k < KEY_COUNT; ++k)
            if (input.keyState(k) >= KEY_PRESSED && (k == besides || !helpers.count(k)))
                down.insert(k);
        return down;
    }

    platform::SdlPlatform sdl;
    InputSystem input;
    SDL_Joystick* stick = nullptr;
    int stickIndex = -1;
};

} // namespace

// One key of each kind the scan-code table could get wrong (F12 and the left button are the
// end-to-end runs'). Lock keys go twice, to leave the server's state. In a window the cursor is
// the desktop pointer kept inside the game's bounds.
TEST_F(SdlInputTest, KeysOfTheTableAndTheWindowedPointer) {
    sdl.setWindowed(true);
    ASSERT_NO_FATAL_FAILURE(open());
    int wx = 0, wy = 0;
    SDL_GetWindowPosition(sdl.sdlWindow(), &wx, &wy);
    xdotool("mousemove " + std::to_string(wx + 1020) + " " + std::to_string(wy + 760));
    ASSERT_EQ(frame(), 0);
    ASSERT_EQ(frame(), 0);
    EXPECT_EQ(std::pair(input.cursorX, input.cursorY), std::pair(1014, 758));
    const std::pair<std::string, int> keys[] = {{"key s", 's'},
                                                {"key 0", '0'},
                                                {"key semicolon", 59},
                                                {"key Left", 134},
                                                {"key KP_7", KEY_NUM_0 + 7},
                                                {"key KP_Enter", 160},
                                                {"key Alt_R", 133},
                                                {"key Print", 175},
                                                {"key Super_L", 0},
                                                {"key Num_Lock", 172},
                                                {"key Num_Lock", 172},
                                                {"mouse 3", KEY_MOUSE_RIGHT},
                                                {"mouse 2", KEY_MOUSE_MIDDLE}};
    for (const auto& [what, code] : keys) {
        SCOPED_TRACE(what);
        const std::string kind = what.substr(0, what.find(' ')), name = what.substr(kind.size());
        xdotool(kind + "down" + name);
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(keysDown(code), code ? std::set<int>{code} : std::set<int>{});
        xdotool(kind + "up" + name);
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(input.keyState(code), code ? KEY_RELEASED : KEY_UP);
    }
}

// A key, a mouse button and a joystick button each pressed and released between two polls are
// down for one poll, then up; the mouse button's release over a widget is its click. A key
// pressed twice in one period is pressed twice.
TEST_F(SdlInputTest, PressesShorterThanAPoll) {
    openWithStick();
    if (IsSkipped() || HasFatalFailure()) return;
    HitRect widget;
    widget.setRect(float(input.cursorX - 5), float(input.cursorY - 5), 10, 10);

    const std::pair<Uint32, int> events[] = {
        {SDL_KEYDOWN, SDL_SCANCODE_S},          {SDL_KEYUP, SDL_SCANCODE_S},
        {SDL_KEYDOWN, SDL_SCANCODE_S},          {SDL_KEYUP, SDL_SCANCODE_S},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT}, {SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT}};
    for (auto [type, which] : events) {
        SDL_Event e{};
        e.type = type;
        if (type == SDL_KEYDOWN || type == SDL_KEYUP)
            e.key.keysym.scancode = SDL_Scancode(which);
        else
            e.button.button = Uint8(which);
        SDL_PushEvent(&e);
    }
    for (Uint8 down : {1, 0}) {
        SDL_JoystickSetVirtualButton(stick, 3, down);
        SDL_JoystickUpdate();
    }
    constexpr uint16_t P = KEY_PRESSED, R = KEY_RELEASED, U = KEY_UP;
    const struct {
        int code;
        uint16_t states[5]; // after each of five polls
    } keys[] = {
        {KEY_MOUSE_LEFT, {P, R, U, U, U}},
        {KEY_JOY_BUTTON0 + 3, {P, R, U, U, U}},
        {'s', {P, R, P, R, U}},
    };
    for (int poll = 0; poll < 5; ++poll) {
        ASSERT_EQ(frame(), 0);
        for (const auto& k : keys)
            EXPECT_EQ(input.keyState(k.code), k.states[poll]) << k.code << " poll " << poll;
        EXPECT_EQ(widget.hitTest(input), poll == 1 ? HIT_CLICKED : HIT_OVER) << poll;
    }
}

// Buttons past the sample's 32 stay out of it, and an unplugged joystick reads as lost.
TEST_F(SdlInputTest, FirstJoystickScaledWithDeadZoneAndItsLoss) {
    openWithStick();
    if (IsSkipped() || HasFatalFailure()) return;
    const int32_t axes[][2] = {{3276, 0},    {-3300, 0},    {3600, 10},
                               {16384, 444}, {32767, 1000}, {-32768, -1000}};
    for (const auto& [raw, value] : axes) {
        SDL_JoystickSetVirtualAxis(stick, 0, int16_t(raw));
        SDL_JoystickSetVirtualAxis(stick, 1, int16_t(-raw - (raw == -32768)));
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(input.joystickDeltaX, value) << raw;
        EXPECT_EQ(input.joystickDeltaY, -value) << raw;
    }
    for (int b = 0; b < 40; ++b)
        SDL_JoystickSetVirtualButton(stick, b, 1);
    ASSERT_EQ(frame(), 0);
    for (int k = KEY_JOY_BUTTON0; k < KEY_COUNT + 2; ++k)
        EXPECT_EQ(input.keyState(k), k < KEY_COUNT ? KEY_PRESSED : KEY_UP) << k;
    SDL_JoystickDetachVirtual(stickIndex);
    EXPECT_EQ(frame(), platform::INPUT_ERR_INPUT_LOST);
    EXPECT_EQ(input.keyState(KEY_JOY_BUTTON0), KEY_UP);
}
