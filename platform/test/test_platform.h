// The scripted platform for tests: window messages, clock, input samples and start-up dialog
// events are queued by the test; message boxes are recorded instead of shown; any single
// window or context step can be made to fail. With realGL the window and context steps are
// carried out by the SDL backend, so a test can draw and read pixels back under Xvfb.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/scan_code.h"

namespace platform {

class SdlPlatform;

// Every step of window and context creation and teardown, in the order the engine runs them.
enum class Step {
    RegisterClass,
    DisplayMode,
    CreateWindow,
    DeviceContext,
    ChoosePixelFormat,
    SetPixelFormat,
    CreateContext,
    MakeCurrent,
    ReleaseCurrent, // makeCurrent(false)
    DeleteContext,
    ReleaseDeviceContext,
    DestroyWindow,
    UnregisterClass,
    Count
};

const char* stepName(Step step);

struct RecordedMessageBox {
    std::string text;    // Windows-1254, as given
    std::string caption; // Windows-1254; empty when none was given
    bool hasCaption = false;
    MessageIcon icon = MessageIcon::Information;
};

// What the user does in the start-up dialog.
enum class DialogEventType {
    ClickCheckBox, // toggles box `id`, then sends its command as a real click does
    PressEnter,    // command 1
    ClickDevam,    // command 1
    PressEscape,   // command 2
    CloseRequest   // the window's close request
};

struct DialogEvent {
    DialogEventType type = DialogEventType::PressEnter;
    int id = 0;
};

struct DialogCall {
    DialogMessage message = DialogMessage::Init;
    int command = 0;
    bool result = false;
};

// The dialog a scripted run leaves behind: box states and whether the procedure ended it.
class TestDialog : public DialogHandle {
public:
    void checkButton(int id, bool checked) override;
    bool isButtonChecked(int id) const override;
    void endDialog() override { ended = true; }

    void toggle(int id);

    static constexpr int MAX_BOXES = 8;
    int boxIds[MAX_BOXES] = {};
    bool boxChecked[MAX_BOXES] = {};
    int boxCount = 0;
    bool ended = false;
    std::vector<DialogCall> calls; // every message the procedure received, in order
};

class TestPlatform : public Platform {
public:
    // realGL: the window and context steps open a real SDL window and GL context.
    explicit TestPlatform(bool realGL = false);
    ~TestPlatform() override;
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    // --- What the test scripts ---

    // Window messages, returned by peekMessage in the order queued; the quit message comes
    // after them, as on the real backend.
    void postMessage(MessageType type, uint32_t wParam = 0, uint32_t lParam = 0);
    // UTF-8 typed text as the SDL backend delivers it: one Char per character, as its
    // Windows-1254 byte; characters the code page lacks are dropped.
    void typeText(const char* utf8);
    size_t pendingMessages() const { return messages.size() + quitPending; }

    // The clock. autoAdvance (ms) is added after every ticks() read, for loops that wait.
    void setTicks(uint32_t ms) { now = ms; }
    void advance(uint32_t ms) { now += ms; }
    void setAutoAdvance(uint32_t ms) { autoAdvanceMs = ms; }

    // Message boxes: the answer every box returns (1 is OK).
    void setMessageBoxAnswer(int answer) { messageBoxAnswer = answer; }
    std::vector<std::string> messageBoxTexts() const;

    // Failure injection: each failed step answers false (and does nothing) every time it is
    // called until cleared.
    void failStep(Step step) { failing[int(step)] = true; }
    void clearFailures();

    // The start-up dialog: events fed one by one until the procedure ends the dialog or the
    // script runs out (dialog().ended then stays false).
    void scriptDialog(std::vector<DialogEvent> events) { dialogScript = std::move(events); }
    const TestDialog& dialog() const { return lastDialog; }

    // Input devices. Keyboard and mouse are present by default, the joystick absent.
    void setDevicePresent(InputDevice device, bool present);
    // Samples for the following reads, one per read. When a device's queue is empty the
    // keyboard and joystick repeat their last sample and the mouse keeps its buttons with no
    // motion.
    void queueKeyboard(const uint8_t state[256]);
    void queueKeys(std::initializer_list<ScanCode> scanCodesDown); // all others up
    void queueMouse(const MouseSample& sample);
    void queueMouse(int32_t dx, int32_t dy, int32_t wheel = 0, bool left = false,
                    bool right = false, bool middle = false);
    void queueJoystick(const JoystickSample& sample);
    // The next read of the device fails with `code` (queued: call twice for two reads).
    void failNextRead(InputDevice device, int32_t code);
    // The next `times` acquire attempts of the device fail with `code`.
    void failAcquire(InputDevice device, int32_t code, int times);
    // The window's keyboard focus. Losing it unacquires every device; without it acquiring
    // is denied and reads fail as not acquired, as on the real backend.
    void setFocus(bool focused);
    // Whether the window can be seen; while it cannot, waitMessage advances the clock by its
    // timeout when no message waits, as a real wait would.
    void setWindowVisible(bool visible) { windowIsVisible = visible; }
    void setCursorScreenPosition(int32_t x, int32_t y) {
        cursorX = x;
        cursorY = y;
    }

    // GL entry points glProcAddress answers null for, as on a driver without them.
    std::vector<std::string> hiddenProcs;

    // --- What the test reads back ---

    std::vector<RecordedMessageBox> messageBoxes;
    std::vector<Step> stepLog; // every step called, failed ones included, in order
    int stepCalls(Step step) const;
    bool classRegistered = false;
    bool displayModeChanged = false;
    int displayWidth = 0, displayHeight = 0, displayBits = 0;
    bool windowExists = false;
    bool windowShown = false;
    int windowWidth = 0, windowHeight = 0;
    std::string windowTitle;
    bool deviceContextHeld = false;
    bool contextExists = false;
    bool contextCurrent = false;
    PixelFormatRequest pixelFormat;
    int cursorShowCount = 0; // like the system's count: visible while >= 0
    int swapInterval = -1;   // -1 until setSwapInterval succeeds
    int swapCount = 0;
    // A driver whose back buffer is undefined after a swap (realGL only): each swap keeps the
    // frame it presents (RGB, bottom row first) and then fills the back buffer with magenta.
    bool undefinedBackBufferAfterSwap = false;
    std::vector<uint8_t> presentedFrame;
    bool canSwap = false; // swap control offered, with real GL too (Xvfb's driver has none)
    bool isFullScreen = true;
    std::vector<std::array<int32_t, 2>> modeSwitches; // the pointer given to each setFullScreen
    bool quitPosted = false;
    int quitCode = 0;
    int deviceCreates[3] = {};
    int deviceReleases[3] = {};
    int acquireAttempts[3] = {};
    int reads[3] = {};
    bool deviceCreated[3] = {};
    bool acquired[3] = {};

    // A real GL window in one call, every step in the engine's order (realGL only).
    bool openGLWindow(int width = 1024, int height = 768);
    void closeGLWindow();
    bool realGL() const { return sdl != nullptr; }

    // --- Platform ---
    void runStartupDialog(const DialogContent& content, DialogProc proc) override;
    bool registerWindowClass(const char* className) override;
    bool unregisterWindowClass(const char* className) override;
    bool changeDisplayMode(int width, int height, int colorBits) override;
    void restoreDisplayMode() override;
    bool createWindow(const char* title, int width, int height) override;
    bool destroyWindow() override;
    bool getDeviceContext() override;
    bool releaseDeviceContext() override;
    bool choosePixelFormat(const PixelFormatRequest& request) override;
    bool setPixelFormat() override;
    bool createContext() override;
    bool deleteContext() override;
    bool makeCurrent(bool current) override;
    void showWindow() override;
    void showCursor(bool show) override;
    void swapBuffers() override;
    void* glProcAddress(const char* name) override;
    bool canSetSwapInterval() override;
    bool setSwapInterval(int interval) override;
    int messageBox(const char* text, const char* caption, MessageIcon icon) override;
    bool peekMessage(WindowMessage& message) override;
    void postQuitMessage(int exitCode) override;
    bool windowVisible() override { return windowIsVisible; }
    void waitMessage(uint32_t timeoutMs) override;
    bool fullScreen() override { return isFullScreen; }
    void setFullScreen(bool on, int32_t x, int32_t y) override;
    uint32_t ticks() override;
    bool createInputDevice(InputDevice device) override;
    void releaseInputDevice(InputDevice device) override;
    int32_t acquireInputDevice(InputDevice device) override;
    void unacquireInputDevice(InputDevice device) override;
    int32_t readKeyboard(uint8_t state[256]) override;
    int32_t readMouse(MouseSample& sample) override;
    int32_t readJoystick(JoystickSample& sample) override;
    void cursorScreenPosition(int32_t& x, int32_t& y) override;

private:
    // Logs the step; true when it is to go ahead, false when it is made to fail.
    bool enter(Step step);
    // Common checks of a device read: absent, scripted failure, not acquired.
    int32_t readFailure(InputDevice device);

    std::unique_ptr<SdlPlatform> sdl;
    std::deque<WindowMessage> messages;
    bool quitPending = false;
    uint32_t now = 0;
    uint32_t autoAdvanceMs = 0;
    int messageBoxAnswer = 1;
    bool failing[int(Step::Count)] = {};
    std::vector<DialogEvent> dialogScript;
    TestDialog lastDialog;

    struct KeyboardState {
        uint8_t keys[256];
    };
    bool present[3] = {true, true, false};
    std::deque<KeyboardState> keyboardQueue;
    std::deque<MouseSample> mouseQueue;
    std::deque<JoystickSample> joystickQueue;
    KeyboardState lastKeyboard = {};
    MouseSample lastMouse;
    JoystickSample lastJoystick;
    std::deque<int32_t> readFailures[3];
    int32_t acquireFailCode[3] = {};
    int acquireFailTimes[3] = {};
    int32_t cursorX = 0, cursorY = 0;
    bool focus = true;
    bool windowIsVisible = true;
};

} // namespace platform
