#include "platform/test/test_platform.h"

#include <GL/gl.h>
#include <cstring>

#include "platform/sdl_platform.h"
#include "text/cp1254.h"

namespace platform {

const char* stepName(Step step) {
    static const char* const names[] = {"RegisterClass",  "DisplayMode",          "CreateWindow",
                                        "DeviceContext",  "ChoosePixelFormat",    "SetPixelFormat",
                                        "CreateContext",  "MakeCurrent",          "ReleaseCurrent",
                                        "DeleteContext",  "ReleaseDeviceContext", "DestroyWindow",
                                        "UnregisterClass"};
    static_assert(sizeof(names) / sizeof(names[0]) == int(Step::Count));
    return int(step) >= 0 && step < Step::Count ? names[int(step)] : "?";
}

// ---- TestDialog ----

void TestDialog::checkButton(int id, bool checked) {
    for (int i = 0; i < boxCount; ++i) {
        if (boxIds[i] == id) {
            boxChecked[i] = checked;
            return;
        }
    }
    if (boxCount == MAX_BOXES) return;
    boxIds[boxCount] = id;
    boxChecked[boxCount++] = checked;
}

bool TestDialog::isButtonChecked(int id) const {
    for (int i = 0; i < boxCount; ++i)
        if (boxIds[i] == id) return boxChecked[i];
    return false;
}

void TestDialog::toggle(int id) {
    checkButton(id, !isButtonChecked(id));
}

// ---- TestPlatform ----

TestPlatform::TestPlatform(bool realGL) {
    if (realGL) {
        sdl = std::make_unique<SdlPlatform>();
        sdl->setTestMode(true);
    }
}

TestPlatform::~TestPlatform() {
    if (!sdl) return;
    clearFailures();
    closeGLWindow();
}

void TestPlatform::postMessage(MessageType type, uint32_t wParam, uint32_t lParam) {
    messages.push_back(WindowMessage{type, wParam, lParam});
}

void TestPlatform::typeText(const char* utf8) {
    for (char c : cp1254::fromUtf8Lossy(utf8))
        postMessage(MessageType::Char, static_cast<unsigned char>(c));
}

std::vector<std::string> TestPlatform::messageBoxTexts() const {
    std::vector<std::string> texts;
    for (const RecordedMessageBox& box : messageBoxes)
        texts.push_back(box.text);
    return texts;
}

void TestPlatform::clearFailures() {
    for (bool& f : failing)
        f = false;
}

int TestPlatform::stepCalls(Step step) const {
    int n = 0;
    for (Step s : stepLog)
        n += s == step;
    return n;
}

bool TestPlatform::enter(Step step) {
    stepLog.push_back(step);
    return !failing[int(step)];
}

// ---- Start-up dialog ----

void TestPlatform::runStartupDialog(const DialogContent&, DialogProc proc) {
    lastDialog = TestDialog{};
    TestDialog& d = lastDialog;
    auto send = [&](DialogMessage message, int command) {
        const bool result = proc(d, message, command);
        d.calls.push_back(DialogCall{message, command, result});
    };
    send(DialogMessage::Init, 0);
    for (const DialogEvent& event : dialogScript) {
        if (d.ended) break;
        switch (event.type) {
        case DialogEventType::ClickCheckBox:
            d.toggle(event.id);
            send(DialogMessage::Command, event.id);
            break;
        case DialogEventType::PressEnter:
        case DialogEventType::ClickDevam:
            send(DialogMessage::Command, 1);
            break;
        case DialogEventType::PressEscape:
            send(DialogMessage::Command, 2);
            break;
        case DialogEventType::CloseRequest:
            send(DialogMessage::Close, 0);
            break;
        }
    }
}

// ---- Window and context ----

bool TestPlatform::registerWindowClass(const char* className) {
    if (!enter(Step::RegisterClass)) return false;
    if (sdl && !sdl->registerWindowClass(className)) return false;
    classRegistered = true;
    return true;
}

bool TestPlatform::unregisterWindowClass(const char* className) {
    if (!enter(Step::UnregisterClass)) return false;
    if (sdl && !sdl->unregisterWindowClass(className)) return false;
    classRegistered = false;
    return true;
}

// The display mode is only recorded, even with real GL: tests run in a window.
bool TestPlatform::changeDisplayMode(int width, int height, int colorBits) {
    if (!enter(Step::DisplayMode)) return false;
    displayModeChanged = true;
    displayWidth = width;
    displayHeight = height;
    displayBits = colorBits;
    return true;
}

void TestPlatform::restoreDisplayMode() {
    displayModeChanged = false;
}

bool TestPlatform::createWindow(const char* title, int width, int height) {
    if (!enter(Step::CreateWindow)) return false;
    if (sdl && !sdl->createWindow(title, width, height)) return false;
    windowExists = true;
    windowTitle = title ? title : "";
    windowWidth = width;
    windowHeight = height;
    return true;
}

bool TestPlatform::destroyWindow() {
    if (!enter(Step::DestroyWindow)) return false;
    if (sdl && !sdl->destroyWindow()) return false;
    if (!windowExists) return false;
    windowExists = false;
    windowShown = false;
    return true;
}

bool TestPlatform::getDeviceContext() {
    if (!enter(Step::DeviceContext)) return false;
    if (sdl && !sdl->getDeviceContext()) return false;
    if (!windowExists) return false;
    deviceContextHeld = true;
    return true;
}

bool TestPlatform::releaseDeviceContext() {
    if (!enter(Step::ReleaseDeviceContext)) return false;
    if (sdl && !sdl->releaseDeviceContext()) return false;
    if (!deviceContextHeld) return false;
    deviceContextHeld = false;
    return true;
}

bool TestPlatform::choosePixelFormat(const PixelFormatRequest& request) {
    if (!enter(Step::ChoosePixelFormat)) return false;
    if (sdl && !sdl->choosePixelFormat(request)) return false;
    pixelFormat = request;
    return true;
}

bool TestPlatform::setPixelFormat() {
    if (!enter(Step::SetPixelFormat)) return false;
    return !sdl || sdl->setPixelFormat();
}

bool TestPlatform::createContext() {
    if (!enter(Step::CreateContext)) return false;
    if (sdl && !sdl->createContext()) return false;
    contextExists = true;
    return true;
}

bool TestPlatform::deleteContext() {
    if (!enter(Step::DeleteContext)) return false;
    if (sdl && !sdl->deleteContext()) return false;
    if (!contextExists) return false;
    contextExists = false;
    contextCurrent = false;
    return true;
}

bool TestPlatform::makeCurrent(bool current) {
    if (!enter(current ? Step::MakeCurrent : Step::ReleaseCurrent)) return false;
    if (sdl && !sdl->makeCurrent(current)) return false;
    if (current && !contextExists) return false;
    contextCurrent = current;
    return true;
}

void TestPlatform::showWindow() {
    if (sdl) sdl->showWindow();
    windowShown = true;
}

void TestPlatform::showCursor(bool show) {
    cursorShowCount += show ? 1 : -1;
}

void TestPlatform::swapBuffers() {
    const bool scramble = sdl && undefinedBackBufferAfterSwap;
    if (scramble) {
        presentedFrame.assign(size_t(windowWidth) * size_t(windowHeight) * 3, 0);
        GLint alignment = 4;
        glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, windowWidth, windowHeight, GL_RGB, GL_UNSIGNED_BYTE,
                     presentedFrame.data());
        glPixelStorei(GL_PACK_ALIGNMENT, alignment);
    }
    if (sdl) sdl->swapBuffers();
    if (scramble) {
        GLfloat clear[4];
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
        glClearColor(1, 0, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(clear[0], clear[1], clear[2], clear[3]);
    }
    ++swapCount;
}

void* TestPlatform::glProcAddress(const char* name) {
    for (const std::string& hidden : hiddenProcs)
        if (hidden == name) return nullptr;
    return sdl ? sdl->glProcAddress(name) : nullptr;
}

bool TestPlatform::canSetSwapInterval() {
    return canSwap;
}

bool TestPlatform::setSwapInterval(int interval) {
    if (!canSwap) return false;
    if (sdl) sdl->setSwapInterval(interval); // where the driver has no swap control, it is moot
    swapInterval = interval;
    return true;
}

bool TestPlatform::openGLWindow(int width, int height) {
    return registerWindowClass("Test") && createWindow("Test", width, height) &&
           getDeviceContext() && choosePixelFormat(PixelFormatRequest{}) && setPixelFormat() &&
           createContext() && makeCurrent(true);
}

void TestPlatform::closeGLWindow() {
    if (contextExists) {
        makeCurrent(false);
        deleteContext();
    }
    if (deviceContextHeld) releaseDeviceContext();
    if (windowExists) destroyWindow();
    if (classRegistered) unregisterWindowClass("Test");
}

// ---- Messages, clock ----

int TestPlatform::messageBox(const char* text, const char* caption, MessageIcon icon) {
    RecordedMessageBox box;
    box.text = text ? text : "";
    box.hasCaption = caption != nullptr;
    box.caption = caption ? caption : "";
    box.icon = icon;
    messageBoxes.push_back(box);
    return messageBoxAnswer;
}

// As on the real backend, the quit message comes once nothing else waits.
bool TestPlatform::peekMessage(WindowMessage& message) {
    if (!messages.empty()) {
        message = messages.front();
        messages.pop_front();
        return true;
    }
    if (!quitPending) return false;
    quitPending = false;
    message = {MessageType::Quit, uint32_t(quitCode), 0};
    return true;
}

void TestPlatform::postQuitMessage(int exitCode) {
    quitPosted = quitPending = true;
    quitCode = exitCode;
}

void TestPlatform::waitMessage(uint32_t timeoutMs) {
    if (messages.empty() && !quitPending) now += timeoutMs;
}

// Only recorded: a test's window keeps its size.
void TestPlatform::setFullScreen(bool on, int32_t x, int32_t y) {
    isFullScreen = on;
    modeSwitches.push_back({x, y});
}

uint32_t TestPlatform::ticks() {
    const uint32_t t = now;
    now += autoAdvanceMs;
    return t;
}

// ---- Input devices ----

void TestPlatform::setDevicePresent(InputDevice device, bool isPresent) {
    present[int(device)] = isPresent;
}

void TestPlatform::queueKeyboard(const uint8_t state[256]) {
    KeyboardState k;
    std::memcpy(k.keys, state, 256);
    keyboardQueue.push_back(k);
}

void TestPlatform::queueKeys(std::initializer_list<ScanCode> scanCodesDown) {
    KeyboardState k = {};
    for (ScanCode code : scanCodesDown)
        k.keys[code] = 0x80;
    keyboardQueue.push_back(k);
}

void TestPlatform::queueMouse(const MouseSample& sample) {
    mouseQueue.push_back(sample);
}

void TestPlatform::queueMouse(int32_t dx, int32_t dy, int32_t wheel, bool left, bool right,
                              bool middle) {
    MouseSample s;
    s.x = dx;
    s.y = dy;
    s.z = wheel;
    s.buttons[0] = left ? 0x80 : 0;
    s.buttons[1] = right ? 0x80 : 0;
    s.buttons[2] = middle ? 0x80 : 0;
    mouseQueue.push_back(s);
}

void TestPlatform::queueJoystick(const JoystickSample& sample) {
    joystickQueue.push_back(sample);
}

void TestPlatform::failNextRead(InputDevice device, int32_t code) {
    readFailures[int(device)].push_back(code);
}

void TestPlatform::failAcquire(InputDevice device, int32_t code, int times) {
    acquireFailCode[int(device)] = code;
    acquireFailTimes[int(device)] = times;
}

void TestPlatform::setFocus(bool focused) {
    focus = focused;
    if (!focused)
        for (bool& a : acquired)
            a = false;
}

bool TestPlatform::createInputDevice(InputDevice device) {
    const int d = int(device);
    ++deviceCreates[d];
    deviceCreated[d] = present[d];
    return present[d];
}

void TestPlatform::releaseInputDevice(InputDevice device) {
    const int d = int(device);
    ++deviceReleases[d];
    deviceCreated[d] = false;
    acquired[d] = false;
}

int32_t TestPlatform::acquireInputDevice(InputDevice device) {
    const int d = int(device);
    if (!deviceCreated[d]) return INPUT_ERR_NO_DEVICE;
    ++acquireAttempts[d];
    if (!focus) return INPUT_ERR_ACCESS_DENIED;
    if (acquireFailTimes[d] > 0) {
        --acquireFailTimes[d];
        return acquireFailCode[d];
    }
    acquired[d] = true;
    return INPUT_OK;
}

void TestPlatform::unacquireInputDevice(InputDevice device) {
    acquired[int(device)] = false;
}

int32_t TestPlatform::readFailure(InputDevice device) {
    const int d = int(device);
    ++reads[d];
    if (!deviceCreated[d]) return INPUT_ERR_NO_DEVICE;
    if (!readFailures[d].empty()) {
        const int32_t code = readFailures[d].front();
        readFailures[d].pop_front();
        return code;
    }
    if (!focus) acquired[d] = false;
    return acquired[d] ? INPUT_OK : INPUT_ERR_NOT_ACQUIRED;
}

int32_t TestPlatform::readKeyboard(uint8_t state[256]) {
    if (const int32_t r = readFailure(InputDevice::Keyboard)) return r;
    if (!keyboardQueue.empty()) {
        lastKeyboard = keyboardQueue.front();
        keyboardQueue.pop_front();
    }
    std::memcpy(state, lastKeyboard.keys, 256);
    return INPUT_OK;
}

int32_t TestPlatform::readMouse(MouseSample& sample) {
    if (const int32_t r = readFailure(InputDevice::Mouse)) return r;
    if (!mouseQueue.empty()) {
        lastMouse = mouseQueue.front();
        mouseQueue.pop_front();
        sample = lastMouse;
    } else {
        sample = MouseSample{};
        std::memcpy(sample.buttons, lastMouse.buttons, sizeof sample.buttons);
    }
    return INPUT_OK;
}

int32_t TestPlatform::readJoystick(JoystickSample& sample) {
    if (const int32_t r = readFailure(InputDevice::Joystick)) return r;
    if (!joystickQueue.empty()) {
        lastJoystick = joystickQueue.front();
        joystickQueue.pop_front();
    }
    sample = lastJoystick;
    return INPUT_OK;
}

void TestPlatform::cursorScreenPosition(int32_t& x, int32_t& y) {
    x = cursorX;
    y = cursorY;
}

} // namespace platform
