#include <gtest/gtest.h>
#include <set>
#include <tuple>

#include "input/hit_rect.h"
#include "input/input_system.h"
#include "input/key_table.h"
#include "platform/test/test_platform.h"

using namespace platform;

namespace {

// The game's set-up: every device present, the cursor confined to a 1024 x 768 screen.
class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        setCurrent(&tp);
        tp.setDevicePresent(InputDevice::Joystick, true);
        ASSERT_EQ(input.create(nullptr, nullptr), 0);
        input.setMouseBounds(0, 0, 1024 - 9, 768 - 9);
    }
    void TearDown() override { setCurrent(nullptr); }
    int32_t pollKeys(bool down) {
        tp.queueKeys(down ? std::initializer_list<ScanCode>{SCAN_ESCAPE, SCAN_A}
                          : std::initializer_list<ScanCode>{});
        return input.poll();
    }

    TestPlatform tp;
    InputSystem input;
};

} // namespace

TEST_F(InputTest, KeyStatesAcrossPolls) {
    const int polls[][2] = {{1, KEY_PRESSED},  {1, KEY_HELD},    {1, KEY_HELD},
                            {0, KEY_RELEASED}, {0, KEY_UP},      {1, KEY_PRESSED},
                            {0, KEY_RELEASED}, {1, KEY_PRESSED}, {1, KEY_HELD}};
    for (const auto& [down, state] : polls) {
        ASSERT_EQ(pollKeys(down), 0);
        EXPECT_EQ(input.keyState('a'), state);
        EXPECT_EQ(input.keyState('A'), KEY_UP); // Shift never changes the code
    }
    // Only the low 16 bits count; everything from KEY_COUNT up is KEY_UP.
    EXPECT_EQ(input.keyState(KEY_COUNT), KEY_UP);
    EXPECT_EQ(input.keyState(65536 + 27), KEY_HELD);
}

TEST_F(InputTest, MouseMoves) {
    const struct {
        int32_t dx, dy;
        float sensitivity;
        int32_t mx, my;
    } cases[] = {{7, -3, 1.0f, 14, -4}, {-2, 3, 1.0f, -2, 4}, {6, -7, 0.5f, 4, -7}};
    for (const auto& c : cases) {
        input.mouseSensitivity = c.sensitivity;
        input.cursorX = 500, input.cursorY = 400, input.mouseSumX = 0;
        tp.queueMouse(c.dx, c.dy);
        ASSERT_EQ(input.poll(), 0);
        EXPECT_EQ(std::tuple(input.cursorX - 500, input.cursorY - 400, input.mouseSumX),
                  std::tuple(c.mx, c.my, c.mx))
            << c.dx << "," << c.dy;
    }
    // Maxima exclusive, minima inclusive, the sums unclamped; corners in either order.
    input.mouseSensitivity = 1.0f;
    input.cursorX = 1014, input.cursorY = 758, input.mouseSumX = 0;
    input.setMouseBounds(1015, 759, 0, 0);
    tp.queueMouse(1, 1); // lands exactly on the maximum
    input.poll();
    EXPECT_EQ(std::pair(input.cursorX, input.cursorY), std::pair(1014, 758));
    for (const int32_t step : {100, -100}) {
        for (int i = 0; i < 20; ++i)
            tp.queueMouse(step, step), input.poll();
        EXPECT_EQ(std::tuple(input.cursorX, input.cursorY, input.mouseSumX),
                  step > 0 ? std::tuple(1014, 758, 4001) : std::tuple(0, 0, 1));
    }
}

TEST_F(InputTest, FailedReadsAndFocus) {
    for (int i = 0; i < 2; ++i) {
        tp.queueMouse(0, 0, 0, false, true);
        pollKeys(true);
    }
    ASSERT_EQ(input.keyState(KEY_MOUSE_RIGHT), KEY_HELD);
    // A failed keyboard read ends the poll: mouse and joystick stay unread.
    const int mouseReads = tp.reads[1], joystickReads = tp.reads[2];
    tp.failNextRead(InputDevice::Keyboard, INPUT_ERR_INPUT_LOST);
    EXPECT_EQ(input.poll(), INPUT_ERR_INPUT_LOST);
    EXPECT_EQ(std::pair(tp.reads[1], tp.reads[2]), std::pair(mouseReads, joystickReads));
    // In the background nothing stays down, let alone pressed again every frame.
    pollKeys(true);
    ASSERT_EQ(input.keyState(KEY_ESCAPE), KEY_PRESSED);
    tp.setFocus(false);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(input.poll(), INPUT_ERR_NOT_ACQUIRED);
        EXPECT_EQ(input.keyState(KEY_ESCAPE) | input.keyState(KEY_MOUSE_RIGHT), KEY_UP);
    }
    // Focus back: one poll each for the keyboard, the mouse and the joystick, which is denied
    // once and still tries again; keys start over from KEY_UP.
    tp.setFocus(true);
    tp.failAcquire(InputDevice::Joystick, INPUT_ERR_ACCESS_DENIED, 51);
    const uint16_t escape[] = {KEY_UP, KEY_PRESSED, KEY_HELD, KEY_HELD};
    for (const uint16_t state : escape) {
        EXPECT_EQ(input.poll(), INPUT_ERR_NOT_ACQUIRED);
        EXPECT_EQ(input.keyState(KEY_ESCAPE), state);
    }
    JoystickSample joy;
    joy.buttons[9] = 0x80;
    tp.queueJoystick(joy);
    EXPECT_EQ(input.poll(), 0);
    EXPECT_EQ(input.keyState(KEY_JOY_BUTTON0 + 9), KEY_PRESSED);
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
        {InputDevice::Joystick, INPUT_ERR_INPUT_LOST, 51, INPUT_ERR_INPUT_LOST, 0},
    };
    for (const auto& c : cases) {
        const int d = int(c.device);
        TestPlatform p;
        setCurrent(&p);
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
        in.release();
        in.release(); // and once more from the destructor: each device goes once
        for (int dev = 0; dev < 3; ++dev)
            EXPECT_EQ(p.deviceReleases[dev], p.deviceCreates[dev]) << dev;
    }
}

TEST_F(InputTest, HitRectQueries) {
    HitRect rect;
    rect.setRect(100, 200, 50, 20);
    // Every border is outside: left, top, right, bottom; then the corners just inside.
    const int32_t points[][3] = {{100, 210, 0}, {110, 200, 0}, {150, 210, 0},
                                 {110, 220, 0}, {101, 201, 1}, {149, 219, 1}};
    for (const auto& [x, y, hit] : points) {
        input.cursorX = x, input.cursorY = y;
        EXPECT_EQ(rect.hitTest(input), hit) << x << "," << y;
    }
    // Left button poll by poll, with the cursor over the rectangle and outside it.
    const int polls[][4] = {{1, 1, 1, 1}, {1, 1, 4, 0}, {1, 1, 4, 0}, {0, 2, 2, 0}, {0, 1, 1, 0}};
    for (const bool outside : {false, true}) {
        input.cursorX = outside ? 99 : 120, input.cursorY = 210;
        for (const auto& [down, hit, pointer, pressedOutside] : polls) {
            tp.queueMouse(0, 0, 0, down);
            input.poll();
            EXPECT_EQ(rect.hitTest(input), outside ? 0 : hit);
            EXPECT_EQ(HitRect::pointerState(input, 100, 200, 50, 20), outside ? 0 : pointer);
            EXPECT_EQ(HitRect::pressedOutside(input, 100, 200, 50, 20),
                      outside ? pressedOutside : 0);
        }
    }
}

// Which scan code drives which key is checked through the real backend for one key of each
// kind; here the whole table: no two scan codes may drive the same key.
TEST(KeyTable, EveryScanCodeDrivesAKeyOfItsOwn) {
    int32_t scanToKey[SCAN_CODE_COUNT];
    buildScanCodeToKeyCode(scanToKey);
    std::set<int32_t> keys;
    for (int s = 0; s < SCAN_CODE_COUNT; ++s)
        EXPECT_TRUE(scanToKey[s] == 0 || keys.insert(scanToKey[s]).second) << "scan " << s;
}
