#include <gtest/gtest.h>

#include "input/hit_rect.h"
#include "input/input_system.h"
#include "platform/test/test_platform.h"

using platform::INPUT_ERR_ACCESS_DENIED;
using platform::INPUT_ERR_INPUT_LOST;
using platform::INPUT_ERR_NOT_ACQUIRED;
using platform::InputDevice;
using platform::TestPlatform;

namespace {

constexpr uint8_t SCAN_ESCAPE = 1;
constexpr uint8_t SCAN_A = 30;

class InputTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setCurrent(&tp); }
    void TearDown() override { platform::setCurrent(nullptr); }

    // The game's set-up: devices created, cursor confined to a 1024 x 768 screen.
    void createGame(bool joystick = false) {
        tp.setDevicePresent(InputDevice::Joystick, joystick);
        ASSERT_EQ(input.create(nullptr, nullptr), 0);
        input.setMouseBounds(0, 0, 1024 - 9, 768 - 9);
    }
    void moveCursorTo(int32_t x, int32_t y) {
        input.cursorX = x;
        input.cursorY = y;
    }

    TestPlatform tp;
    InputSystem input;
};

} // namespace

TEST_F(InputTest, KeyAcrossPolls) {
    createGame();
    const struct {
        std::vector<bool> down;
        std::vector<uint16_t> states;
    } cases[] = {
        {{true, true, true, false, false}, {KEY_PRESSED, KEY_HELD, KEY_HELD, KEY_RELEASED, KEY_UP}},
        {{true, false, true, true}, {KEY_PRESSED, KEY_RELEASED, KEY_PRESSED, KEY_HELD}}};
    for (const auto& c : cases) {
        for (size_t i = 0; i < c.down.size(); ++i) {
            tp.queueKeys(c.down[i] ? std::initializer_list<uint8_t>{SCAN_ESCAPE, SCAN_A}
                                   : std::initializer_list<uint8_t>{});
            ASSERT_EQ(input.poll(), 0);
            EXPECT_EQ(input.keyState(KEY_ESCAPE), c.states[i]) << "poll " << i;
            EXPECT_EQ(input.keyState('a'), c.states[i]) << "poll " << i;
            EXPECT_EQ(input.keyState('A'), KEY_UP);
        }
    }
    input.keyStates['a'] = 7; // not a state: left alone
    tp.queueKeys({SCAN_A});
    input.poll();
    EXPECT_EQ(input.keyState('a'), 7);
}

TEST_F(InputTest, KeyStateUsesTheLow16BitsOnly) {
    createGame(true);
    tp.queueKeys({SCAN_ESCAPE});
    platform::JoystickSample joy;
    joy.buttons[9] = 0x80;
    tp.queueJoystick(joy);
    input.poll();
    const struct {
        uint32_t code;
        uint16_t state;
    } cases[] = {{269, KEY_PRESSED},
                 {270, KEY_UP},
                 {300, KEY_UP},
                 {65535, KEY_UP},
                 {65536 + 27, KEY_PRESSED}};
    for (const auto& c : cases)
        EXPECT_EQ(input.keyState(c.code), c.state) << c.code;
}

TEST_F(InputTest, MouseAccelerationAndSensitivity) {
    const struct {
        int32_t dx, dy;
        float sensitivity;
        int32_t mx, my;
    } cases[] = {{7, -3, 1.0f, 14, -4}, {2, 1, 1.0f, 2, 1},   {-2, 3, 1.0f, -2, 4},
                 {6, -7, 1.0f, 9, -14}, {5, -5, 1.0f, 7, -7}, {7, 3, 0.5f, 7, 2},
                 {1, -1, 2.5f, 2, -2}};
    createGame();
    for (const auto& c : cases) {
        input.mouseSensitivity = c.sensitivity;
        moveCursorTo(500, 400);
        const int32_t sumX = input.mouseSumX;
        tp.queueMouse(c.dx, c.dy);
        ASSERT_EQ(input.poll(), 0);
        EXPECT_EQ(input.cursorX - 500, c.mx) << c.dx << "," << c.dy;
        EXPECT_EQ(input.cursorY - 400, c.my) << c.dx << "," << c.dy;
        EXPECT_EQ(input.mouseSumX - sumX, c.mx);
    }
}

TEST_F(InputTest, CursorStaysOnScreenWhileTheSumsGrow) {
    tp.setCursorScreenPosition(1020, 760); // outside the game's bounds before the first poll
    ASSERT_EQ(input.create(nullptr, nullptr), 0);
    input.setMouseBounds(1015, 759, 0, 0); // corners in either order
    tp.queueMouse(0, 0);
    input.poll();
    EXPECT_EQ(input.cursorX, 1014);
    EXPECT_EQ(input.cursorY, 758);
    tp.queueMouse(1, 1); // lands exactly on the exclusive maximum
    input.poll();
    EXPECT_EQ(input.cursorX, 1014);
    EXPECT_EQ(input.cursorY, 758);
    for (const int32_t step : {100, -100}) {
        for (int i = 0; i < 20; ++i)
            tp.queueMouse(step, step);
        for (int i = 0; i < 20; ++i)
            input.poll();
        EXPECT_EQ(input.cursorX, step > 0 ? 1014 : 0);
        EXPECT_EQ(input.cursorY, step > 0 ? 758 : 0);
        EXPECT_EQ(input.mouseSumX, step > 0 ? 4001 : 1);
    }
    moveCursorTo(INT32_MAX - 10, INT32_MIN + 10); // unbounded: no overflow, no wrap
    input.setMouseBounds(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    tp.queueMouse(1000, -1000);
    input.poll();
    EXPECT_EQ(input.cursorX, INT32_MAX - 1);
    EXPECT_EQ(input.cursorY, INT32_MIN);
}

TEST_F(InputTest, Wheel) {
    createGame();
    const struct {
        int32_t z;
        uint8_t up, down, notchesUp, notchesDown;
    } steps[] = {{240, 1, 0, 2, 0}, {-60, 0, 1, 2, 0}, {0, 0, 0, 2, 0}, {-360, 0, 1, 2, 3}};
    for (const auto& s : steps) {
        tp.queueMouse(0, 0, s.z);
        input.poll();
        EXPECT_EQ(input.wheelBytes[WHEEL_UP], s.up) << s.z;
        EXPECT_EQ(input.wheelBytes[WHEEL_DOWN], s.down) << s.z;
        EXPECT_EQ(input.wheelBytes[WHEEL_NOTCHES_UP], s.notchesUp) << s.z;
        EXPECT_EQ(input.wheelBytes[WHEEL_NOTCHES_DOWN], s.notchesDown) << s.z;
    }
}

TEST_F(InputTest, FailedKeyboardReadEndsThePoll) {
    createGame(true);
    const int mouseReads = tp.reads[1], joystickReads = tp.reads[2];
    tp.failNextRead(InputDevice::Keyboard, INPUT_ERR_INPUT_LOST);
    tp.queueMouse(50, 50);
    EXPECT_EQ(input.poll(), INPUT_ERR_INPUT_LOST);
    EXPECT_EQ(tp.reads[1], mouseReads);
    EXPECT_EQ(tp.reads[2], joystickReads);
    EXPECT_EQ(input.cursorX, 0);
}

TEST_F(InputTest, RegainingFocusStartsEveryKeyFromUp) {
    createGame();
    for (int i = 0; i < 2; ++i) {
        tp.queueKeys({SCAN_ESCAPE});
        tp.queueMouse(0, 0, 0, false, true);
        input.poll();
    }
    ASSERT_EQ(input.keyState(KEY_ESCAPE), KEY_HELD);
    tp.loseAcquisition();
    EXPECT_EQ(input.poll(), INPUT_ERR_NOT_ACQUIRED); // the keyboard is acquired again
    EXPECT_EQ(input.keyState(KEY_ESCAPE), KEY_UP);
    EXPECT_EQ(input.keyState(KEY_MOUSE_RIGHT), KEY_UP);
    EXPECT_EQ(input.poll(), INPUT_ERR_NOT_ACQUIRED); // then the mouse
    EXPECT_EQ(input.keyState(KEY_ESCAPE), KEY_PRESSED);
}

// Up to 51 attempts; only "another window has priority" is no failure at creation, and it
// keeps the mouse and the joystick trying on later polls.
TEST_F(InputTest, AcquireAttempts) {
    const struct {
        InputDevice device;
        int32_t code;
        int failures;
        int32_t createResult, acquired;
    } cases[] = {
        {InputDevice::Keyboard, INPUT_ERR_NOT_ACQUIRED, 50, 0, 1},
        {InputDevice::Keyboard, INPUT_ERR_ACCESS_DENIED, 51, 0, 0},
        {InputDevice::Keyboard, INPUT_ERR_INPUT_LOST, 60, INPUT_ERR_INPUT_LOST, 0},
        {InputDevice::Mouse, INPUT_ERR_ACCESS_DENIED, 51, 0, 1},
        {InputDevice::Mouse, INPUT_ERR_INPUT_LOST, 51, INPUT_ERR_INPUT_LOST, 0},
        {InputDevice::Joystick, INPUT_ERR_ACCESS_DENIED, 51, 0, 1},
        {InputDevice::Joystick, INPUT_ERR_INPUT_LOST, 51, INPUT_ERR_INPUT_LOST, 0},
    };
    for (const auto& c : cases) {
        const int d = int(c.device);
        TestPlatform p;
        platform::setCurrent(&p);
        p.setDevicePresent(InputDevice::Joystick, true);
        p.failAcquire(c.device, c.code, c.failures);
        InputSystem in;
        EXPECT_EQ(in.create(nullptr, nullptr), c.createResult) << d << " " << c.code;
        EXPECT_EQ(p.acquireAttempts[d], 51) << d << " " << c.code;
        const int32_t flags[] = {in.keyboardAcquired, in.mouseAcquired, in.joystickAcquired};
        EXPECT_EQ(flags[d], c.acquired) << d << " " << c.code;
        // A keyboard that could not be acquired at first still knows its keys later.
        p.queueKeys({SCAN_A});
        for (int i = 0; i < 3 && in.poll() != 0; ++i) {
        }
        EXPECT_EQ(in.keyState('a') != KEY_UP,
                  c.device != InputDevice::Mouse || c.createResult == 0);
    }
}

TEST_F(InputTest, JoystickComesBackAfterFocusChange) {
    createGame(true);
    tp.loseAcquisition();
    tp.failAcquire(InputDevice::Joystick, INPUT_ERR_ACCESS_DENIED, 51);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(input.poll(), INPUT_ERR_NOT_ACQUIRED) << i;
    platform::JoystickSample joy;
    joy.buttons[0] = 0x80;
    tp.queueJoystick(joy);
    EXPECT_EQ(input.poll(), 0);
    EXPECT_EQ(input.keyState(KEY_JOY_BUTTON0), KEY_PRESSED);
}

TEST_F(InputTest, ReleaseHappensOnce) {
    {
        InputSystem in;
        tp.setDevicePresent(InputDevice::Joystick, true);
        ASSERT_EQ(in.create(nullptr, nullptr), 0);
        in.release();
        in.release();
    } // and the destructor
    for (int d = 0; d < 3; ++d)
        EXPECT_EQ(tp.deviceReleases[d], 1) << d;
}

TEST_F(InputTest, HitRectQueries) {
    createGame();
    HitRect rect;
    EXPECT_EQ(rect.setRect(100, 200, 50, 20), 1);
    const struct {
        int32_t x, y;
        int hit;
    } points[] = {{100, 210, 0}, {110, 200, 0}, {150, 210, 0},
                  {110, 220, 0}, {101, 201, 1}, {149, 219, 1}};
    for (const auto& p : points) {
        moveCursorTo(p.x, p.y);
        EXPECT_EQ(rect.hitTest(), p.hit) << p.x << "," << p.y;
    }
    // Left button poll by poll, with the cursor over the rectangle and outside it.
    const struct {
        bool down;
        int hit, pointer, pressedOutside;
    } polls[] = {
        {true, 1, 1, 1}, {true, 1, 4, 0}, {true, 1, 4, 0}, {false, 2, 2, 0}, {false, 1, 1, 0}};
    for (const bool outside : {false, true}) {
        moveCursorTo(outside ? 99 : 120, 210);
        for (const auto& p : polls) {
            tp.queueMouse(0, 0, 0, p.down);
            input.poll();
            EXPECT_EQ(rect.hitTest(), outside ? 0 : p.hit);
            EXPECT_EQ(HitRect::pointerState(100, 200, 50, 20), outside ? 0 : p.pointer);
            EXPECT_EQ(HitRect::pressedOutside(100, 200, 50, 20), outside ? p.pressedOutside : 0);
        }
    }
}
