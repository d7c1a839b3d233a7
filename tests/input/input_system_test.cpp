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
constexpr int KB = int(InputDevice::Keyboard);
constexpr int MS = int(InputDevice::Mouse);
constexpr int JS = int(InputDevice::Joystick);

class InputTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setCurrent(&tp); }
    void TearDown() override { platform::setCurrent(nullptr); }

    // The game's set-up: devices created, cursor confined to a 1024 x 768 screen.
    void createGame() {
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

TEST(KeyStateMachine, EveryTransition) {
    const struct {
        uint8_t from;
        bool down;
        uint8_t to;
    } cases[] = {
        {KEY_UP, false, KEY_UP},
        {KEY_UP, true, KEY_PRESSED},
        {KEY_PRESSED, true, KEY_HELD},
        {KEY_PRESSED, false, KEY_RELEASED},
        {KEY_HELD, true, KEY_HELD},
        {KEY_HELD, false, KEY_RELEASED},
        {KEY_RELEASED, false, KEY_UP},
        {KEY_RELEASED, true, KEY_PRESSED},
        {7, true, 7},
        {7, false, 7},
    };
    for (const auto& c : cases) {
        InputSystem input;
        input.keyStates['x'] = c.from;
        input.updateKey('x', c.down);
        EXPECT_EQ(input.keyState('x'), c.to) << int(c.from) << (c.down ? " down" : " up");
    }
}

TEST_F(InputTest, KeyAcrossPolls) {
    createGame();
    const struct {
        const char* name;
        std::vector<bool> down;
        std::vector<uint16_t> states;
    } cases[] = {
        {"held three polls",
         {true, true, true, false, false},
         {KEY_PRESSED, KEY_HELD, KEY_HELD, KEY_RELEASED, KEY_UP}},
        {"pressed again right after a release",
         {true, false, true, true},
         {KEY_PRESSED, KEY_RELEASED, KEY_PRESSED, KEY_HELD}},
    };
    for (const auto& c : cases) {
        tp.queueKeys({});
        input.poll();
        for (size_t i = 0; i < c.down.size(); ++i) {
            if (c.down[i])
                tp.queueKeys({SCAN_ESCAPE, SCAN_A});
            else
                tp.queueKeys({});
            ASSERT_EQ(input.poll(), 0);
            EXPECT_EQ(input.keyState(KEY_ESCAPE), c.states[i]) << c.name << " poll " << i;
            EXPECT_EQ(input.keyState('a'), c.states[i]) << c.name << " poll " << i;
            EXPECT_EQ(input.keyState('A'), KEY_UP);
        }
    }
}

TEST_F(InputTest, PressRecordsTimeAndMousePosition) {
    createGame();
    tp.queueMouse(1, 2);
    tp.queueKeys({});
    input.poll();
    tp.setTicks(4321);
    tp.queueKeys({SCAN_A});
    tp.queueMouse(0, 0, 0, true);
    input.poll();
    EXPECT_EQ(input.pressTime['a'], 4321u);
    EXPECT_EQ(input.pressPosition['a'][0], 1);
    EXPECT_EQ(input.pressPosition['a'][1], 2);
    EXPECT_EQ(input.pressTime[KEY_MOUSE_LEFT], 4321u);
}

TEST_F(InputTest, KeyStateUsesTheLow16BitsOnly) {
    tp.setDevicePresent(InputDevice::Joystick, true);
    createGame();
    tp.queueKeys({SCAN_ESCAPE});
    platform::JoystickSample joy;
    joy.buttons[9] = 0x80;
    tp.queueJoystick(joy);
    input.poll();
    const struct {
        uint32_t code;
        uint16_t state;
    } cases[] = {{269, KEY_PRESSED},        {270, KEY_UP},    {300, KEY_UP}, {65535, KEY_UP},
                 {65536 + 27, KEY_PRESSED}, {27, KEY_PRESSED}};
    for (const auto& c : cases)
        EXPECT_EQ(input.keyState(c.code), c.state) << c.code;
}

TEST_F(InputTest, MouseAccelerationAndSensitivity) {
    const struct {
        int32_t dx, dy;
        float sensitivity;
        int32_t mx, my;
    } cases[] = {
        {7, -3, 1.0f, 14, -4}, {2, 1, 1.0f, 2, 1}, {-2, 3, 1.0f, -2, 4}, {6, -7, 1.0f, 9, -14},
        {5, -5, 1.0f, 7, -7},  {0, 0, 1.0f, 0, 0}, {7, 3, 0.5f, 7, 2},   {1, -1, 2.5f, 2, -2},
    };
    tp.setCursorScreenPosition(500, 400);
    createGame();
    for (const auto& c : cases) {
        input.mouseSensitivity = c.sensitivity;
        moveCursorTo(500, 400);
        const int32_t sumX = input.mouseSumX, sumY = input.mouseSumY;
        tp.queueMouse(c.dx, c.dy);
        ASSERT_EQ(input.poll(), 0);
        int32_t x = 0, y = 0;
        input.mousePosition(x, y);
        EXPECT_EQ(x - 500, c.mx) << c.dx << "," << c.dy;
        EXPECT_EQ(y - 400, c.my) << c.dx << "," << c.dy;
        EXPECT_EQ(input.mouseSumX - sumX, c.mx);
        EXPECT_EQ(input.mouseSumY - sumY, c.my);
        EXPECT_EQ(input.mouseDeltaX, c.mx);
        EXPECT_EQ(input.mouseDeltaY, c.my);
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
    for (int i = 0; i < 20; ++i)
        tp.queueMouse(100, 100);
    for (int i = 0; i < 20; ++i)
        input.poll();
    EXPECT_EQ(input.cursorX, 1014);
    EXPECT_EQ(input.cursorY, 758);
    EXPECT_EQ(input.mouseSumX, 4000);
    for (int i = 0; i < 20; ++i)
        tp.queueMouse(-100, -100);
    for (int i = 0; i < 20; ++i)
        input.poll();
    EXPECT_EQ(input.cursorX, 0);
    EXPECT_EQ(input.cursorY, 0);
    EXPECT_EQ(input.mouseSumX, 0);
    tp.queueMouse(-1, 1);
    input.poll();
    EXPECT_EQ(input.cursorX, 0);
    EXPECT_EQ(input.cursorY, 1);
}

TEST_F(InputTest, UnboundedCursorNeitherOverflowsNorWraps) {
    ASSERT_EQ(input.create(nullptr, nullptr), 0);
    moveCursorTo(INT32_MAX - 10, INT32_MIN + 10);
    input.mouseSumX = INT32_MAX;
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
    } steps[] = {
        {240, 1, 0, 2, 0},  {-60, 0, 1, 2, 0}, {0, 0, 0, 2, 0},
        {-360, 0, 1, 2, 3}, {119, 1, 0, 0, 3},
    };
    for (const auto& s : steps) {
        tp.queueMouse(0, 0, s.z);
        input.poll();
        EXPECT_EQ(input.wheelBytes[WHEEL_UP], s.up) << s.z;
        EXPECT_EQ(input.wheelBytes[WHEEL_DOWN], s.down) << s.z;
        EXPECT_EQ(input.wheelBytes[WHEEL_NOTCHES_UP], s.notchesUp) << s.z;
        EXPECT_EQ(input.wheelBytes[WHEEL_NOTCHES_DOWN], s.notchesDown) << s.z;
    }
}

TEST_F(InputTest, MouseButtonsAndJoystick) {
    tp.setDevicePresent(InputDevice::Joystick, true);
    createGame();
    platform::MouseSample mouse;
    mouse.buttons[0] = mouse.buttons[1] = mouse.buttons[2] = mouse.buttons[3] = 0x80;
    tp.queueMouse(mouse);
    platform::JoystickSample joy;
    joy.x = 500;
    joy.y = -1000;
    for (int b = 0; b < 11; ++b)
        joy.buttons[b] = 0x80;
    tp.queueJoystick(joy);
    input.poll();
    for (int k = KEY_MOUSE_LEFT; k <= KEY_MOUSE_MIDDLE; ++k)
        EXPECT_EQ(input.keyState(k), KEY_PRESSED);
    EXPECT_EQ(input.keyState(KEY_MOUSE_BUTTON4), KEY_UP);
    for (int k = KEY_JOY_BUTTON0; k < KEY_JOY_BUTTON0 + 10; ++k)
        EXPECT_EQ(input.keyState(k), KEY_PRESSED) << k;
    input.poll(); // the joystick repeats its sample
    EXPECT_EQ(input.joystickX, 1000);
    EXPECT_EQ(input.joystickSumY, -2000);
    EXPECT_EQ(input.joystickDeltaX, 500);
    EXPECT_EQ(input.keyState(KEY_JOY_BUTTON0), KEY_HELD);
}

TEST_F(InputTest, FailedKeyboardReadEndsThePoll) {
    tp.setDevicePresent(InputDevice::Joystick, true);
    createGame();
    moveCursorTo(100, 100);
    const int mouseReads = tp.reads[MS], joystickReads = tp.reads[JS];
    tp.failNextRead(InputDevice::Keyboard, INPUT_ERR_INPUT_LOST);
    tp.queueMouse(50, 50);
    EXPECT_EQ(input.poll(), INPUT_ERR_INPUT_LOST);
    EXPECT_EQ(tp.reads[MS], mouseReads);
    EXPECT_EQ(tp.reads[JS], joystickReads);
    EXPECT_EQ(input.cursorX, 100);
    EXPECT_EQ(input.poll(), 0); // the queued movement arrives on the next poll
    EXPECT_EQ(input.cursorX, 200);
}

TEST_F(InputTest, RegainingFocusStartsEveryKeyFromUp) {
    createGame();
    for (int i = 0; i < 2; ++i) {
        tp.queueKeys({SCAN_ESCAPE});
        tp.queueMouse(0, 0, 0, false, true);
        input.poll();
    }
    ASSERT_EQ(input.keyState(KEY_ESCAPE), KEY_HELD);
    ASSERT_EQ(input.keyState(KEY_MOUSE_RIGHT), KEY_HELD);

    tp.loseAcquisition();
    EXPECT_EQ(input.poll(), INPUT_ERR_NOT_ACQUIRED); // the keyboard is acquired again
    EXPECT_EQ(input.keyState(KEY_ESCAPE), KEY_UP);
    EXPECT_EQ(input.keyState(KEY_MOUSE_RIGHT), KEY_UP);
    EXPECT_EQ(input.poll(), INPUT_ERR_NOT_ACQUIRED); // then the mouse
    EXPECT_EQ(input.keyState(KEY_ESCAPE), KEY_PRESSED);
    EXPECT_EQ(input.poll(), 0);
    EXPECT_EQ(input.keyState(KEY_ESCAPE), KEY_HELD);
    EXPECT_EQ(input.keyState(KEY_MOUSE_RIGHT), KEY_PRESSED);
}

TEST_F(InputTest, AcquireAttempts) {
    const struct {
        const char* name;
        InputDevice device;
        int32_t code;
        int failures;
        int32_t createResult;
        int attempts;
        int32_t acquired;
    } cases[] = {
        {"keyboard succeeds on the last try", InputDevice::Keyboard, INPUT_ERR_NOT_ACQUIRED, 50, 0,
         51, 1},
        {"keyboard in the background", InputDevice::Keyboard, INPUT_ERR_ACCESS_DENIED, 51, 0, 51,
         0},
        {"keyboard error", InputDevice::Keyboard, INPUT_ERR_INPUT_LOST, 60, INPUT_ERR_INPUT_LOST,
         51, 0},
        {"mouse in the background", InputDevice::Mouse, INPUT_ERR_ACCESS_DENIED, 51, 0, 51, 1},
        {"mouse error", InputDevice::Mouse, INPUT_ERR_INPUT_LOST, 51, INPUT_ERR_INPUT_LOST, 51, 0},
        {"joystick in the background", InputDevice::Joystick, INPUT_ERR_ACCESS_DENIED, 51, 0, 51,
         1},
        {"joystick error", InputDevice::Joystick, INPUT_ERR_INPUT_LOST, 51, INPUT_ERR_INPUT_LOST,
         51, 0},
    };
    for (const auto& c : cases) {
        TestPlatform p;
        platform::setCurrent(&p);
        p.setDevicePresent(InputDevice::Joystick, true);
        p.failAcquire(c.device, c.code, c.failures);
        InputSystem in;
        EXPECT_EQ(in.create(nullptr, nullptr), c.createResult) << c.name;
        EXPECT_EQ(p.acquireAttempts[int(c.device)], c.attempts) << c.name;
        const int32_t flags[] = {in.keyboardAcquired, in.mouseAcquired, in.joystickAcquired};
        EXPECT_EQ(flags[int(c.device)], c.acquired) << c.name;
        // A keyboard acquired late still knows its keys.
        p.failAcquire(c.device, 0, 0);
        p.queueKeys({SCAN_A});
        for (int i = 0; i < 3 && in.poll() != 0; ++i) {
        }
        EXPECT_EQ(in.keyState('a') != KEY_UP, c.device != InputDevice::Mouse || c.createResult == 0)
            << c.name;
        platform::setCurrent(&tp);
    }
}

TEST_F(InputTest, JoystickComesBackAfterFocusChange) {
    tp.setDevicePresent(InputDevice::Joystick, true);
    createGame();
    tp.loseAcquisition();
    tp.failAcquire(InputDevice::Joystick, INPUT_ERR_ACCESS_DENIED, 51);
    input.poll();
    input.poll();
    EXPECT_EQ(input.poll(), INPUT_ERR_NOT_ACQUIRED); // denied: the window is in the background
    EXPECT_EQ(input.poll(), INPUT_ERR_NOT_ACQUIRED); // tried again, and acquired
    platform::JoystickSample joy;
    joy.buttons[0] = 0x80;
    tp.queueJoystick(joy);
    EXPECT_EQ(input.poll(), 0);
    EXPECT_EQ(input.keyState(KEY_JOY_BUTTON0), KEY_PRESSED);
}

TEST_F(InputTest, MissingDevicesAreSkipped) {
    tp.setDevicePresent(InputDevice::Keyboard, false);
    createGame();
    tp.queueMouse(10, 0, 0, true);
    EXPECT_EQ(input.poll(), 0);
    EXPECT_EQ(input.keyState(KEY_MOUSE_LEFT), KEY_PRESSED);
    EXPECT_EQ(input.acquireKeyboard(), -1);
    EXPECT_EQ(input.acquireJoystick(), -1);
    EXPECT_EQ(input.unacquireJoystick(), -1);
}

TEST_F(InputTest, ReleaseHappensOnce) {
    tp.setDevicePresent(InputDevice::Joystick, true);
    {
        InputSystem in;
        ASSERT_EQ(in.create(nullptr, nullptr), 0);
        in.release();
        in.release();
    } // and the destructor
    for (int d : {KB, MS, JS})
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

    // Left button over the rectangle, poll by poll, and the same with the cursor outside.
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
