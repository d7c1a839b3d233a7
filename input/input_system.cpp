#include "input/input_system.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

using platform::INPUT_ERR_ACCESS_DENIED;
using platform::INPUT_OK;
using platform::InputDevice;

namespace {

constexpr int ACQUIRE_ATTEMPTS = 51;
constexpr int32_t WHEEL_NOTCH = 120;

int32_t truncateToInt(double value) {
    if (value >= double(INT32_MAX)) return INT32_MAX;
    if (value <= double(INT32_MIN)) return INT32_MIN;
    return int32_t(std::trunc(value));
}

// Sums wrap instead of overflowing: nothing may stop a long session.
int32_t wrappingAdd(int32_t a, int32_t b) {
    return int32_t(uint32_t(a) + uint32_t(b));
}

// Maxima exclusive, minima inclusive; the minimum wins when the two cross.
int32_t clampMove(int32_t position, int32_t move, int32_t minimum, int32_t maximum) {
    int64_t p = int64_t(position) + move;
    if (p >= maximum) p = int64_t(maximum) - 1;
    if (p <= minimum) p = minimum;
    return int32_t(p);
}

} // namespace

InputSystem::InputSystem()
    : mouseMinX(INT32_MIN), mouseMinY(INT32_MIN), mouseMaxX(INT32_MAX), mouseMaxY(INT32_MAX),
      joystickMinX(INT32_MIN), joystickMinY(INT32_MIN), joystickMaxX(INT32_MAX),
      joystickMaxY(INT32_MAX) {
    clearStates();
}

InputSystem::~InputSystem() {
    release();
}

void InputSystem::clearStates() {
    std::memset(keyStates, 0, sizeof keyStates);
    std::memset(keyboardBuffer, 0, sizeof keyboardBuffer);
    std::memset(wheelBytes, 0, sizeof wheelBytes);
    std::memset(pressTime, 0, sizeof pressTime);
    std::memset(pressPosition, 0, sizeof pressPosition);
}

int32_t InputSystem::create(void* /*instance*/, void* windowHandle) {
    release(); // a second create must not leak the first one's devices
    window = windowHandle;
    host = &platform::current();

    mouse = host->createInputDevice(InputDevice::Mouse);
    if (mouse) {
        const int32_t result = acquireMouse();
        if (result != INPUT_OK && result != INPUT_ERR_ACCESS_DENIED) return result;
        host->cursorScreenPosition(cursorX, cursorY);
    }

    keyboard = host->createInputDevice(InputDevice::Keyboard);
    if (keyboard) {
        const int32_t result = acquireKeyboard();
        // Built even when the acquire failed: the keyboard is polled again later.
        buildScanCodeToKeyCode(scanCodeToKeyCode);
        buildKeyCodeToScanCode(keyCodeToScanCode);
        buildShiftedCharacters(shiftedCharacters);
        buildKeyNames(keyNames);
        if (result != INPUT_OK && result != INPUT_ERR_ACCESS_DENIED) return result;
    }

    joystick = host->createInputDevice(InputDevice::Joystick);
    if (!joystick) return INPUT_OK;
    const int32_t result = acquireJoystick();
    return result == INPUT_ERR_ACCESS_DENIED ? INPUT_OK : result;
}

int32_t InputSystem::acquireDevice(InputDevice device) {
    int32_t result = INPUT_OK;
    for (int attempt = 0; attempt < ACQUIRE_ATTEMPTS; ++attempt) {
        result = host->acquireInputDevice(device);
        if (result == INPUT_OK) break;
    }
    return result;
}

int32_t InputSystem::acquireKeyboard() {
    if (!keyboard) return -1;
    keyboardAcquired = 1;
    const int32_t result = acquireDevice(InputDevice::Keyboard);
    if (result == INPUT_OK)
        clearStates();
    else
        keyboardAcquired = 0;
    return result;
}

int32_t InputSystem::acquireMouse() {
    if (!mouse) return -1;
    mouseAcquired = 1;
    const int32_t result = acquireDevice(InputDevice::Mouse);
    // Access denied only means the window is in the background: the next poll tries again.
    if (result != INPUT_OK && result != INPUT_ERR_ACCESS_DENIED) mouseAcquired = 0;
    return result;
}

int32_t InputSystem::acquireJoystick() {
    if (!joystick) return -1;
    joystickAcquired = 1;
    const int32_t result = acquireDevice(InputDevice::Joystick);
    // Kept like the mouse, or a joystick would stay dead after the first focus change.
    if (result != INPUT_OK && result != INPUT_ERR_ACCESS_DENIED) joystickAcquired = 0;
    return result;
}

int32_t InputSystem::unacquireKeyboard() {
    if (!keyboard) return -1;
    clearStates();
    keyboardAcquired = 0;
    host->unacquireInputDevice(InputDevice::Keyboard);
    return INPUT_OK;
}

int32_t InputSystem::unacquireMouse() {
    if (!mouse) return -1;
    mouseAcquired = 0;
    host->unacquireInputDevice(InputDevice::Mouse);
    return INPUT_OK;
}

int32_t InputSystem::unacquireJoystick() {
    if (!joystick) return -1;
    joystickAcquired = 0;
    host->unacquireInputDevice(InputDevice::Joystick);
    return INPUT_OK;
}

int32_t InputSystem::accelerate(int32_t movement) const {
    const int64_t magnitude = movement < 0 ? -int64_t(movement) : int64_t(movement);
    if (magnitude > accelerationThresholds[1])
        return truncateToInt(movement * accelerationFactors[1]);
    if (magnitude > accelerationThresholds[0])
        return truncateToInt(movement * accelerationFactors[0]);
    return movement;
}

int32_t InputSystem::poll() {
    if (keyboard) {
        const int32_t result = host->readKeyboard(keyboardBuffer);
        if (result != INPUT_OK) {
            // Nothing is known to be down any more: a frozen press would repeat every frame.
            clearStates();
            acquireKeyboard();
            return result;
        }
        for (int scan = 0; scan < SCAN_CODE_COUNT; ++scan)
            if (scanCodeToKeyCode[scan] != 0)
                updateKey(KeyCode(scanCodeToKeyCode[scan]), keyboardBuffer[scan] & 0x80);
    }

    if (mouse && mouseAcquired) {
        platform::MouseSample sample;
        const int32_t result = host->readMouse(sample);
        if (result != INPUT_OK) {
            std::memset(keyStates + KEY_MOUSE_LEFT, KEY_UP, 3);
            acquireMouse();
            return result;
        }
        const int32_t mx = truncateToInt(accelerate(sample.x) * double(mouseSensitivity));
        const int32_t my = truncateToInt(accelerate(sample.y) * double(mouseSensitivity));
        mouseSumX = wrappingAdd(mouseSumX, mx);
        mouseSumY = wrappingAdd(mouseSumY, my);
        int32_t freeX = 0, freeY = 0;
        if (host->freePointer(freeX, freeY)) { // a window's pointer: where it is
            cursorX = clampMove(freeX, 0, mouseMinX, mouseMaxX);
            cursorY = clampMove(freeY, 0, mouseMinY, mouseMaxY);
        } else {
            cursorX = clampMove(cursorX, mx, mouseMinX, mouseMaxX);
            cursorY = clampMove(cursorY, my, mouseMinY, mouseMaxY);
        }
        mouseDeltaX = mx;
        mouseDeltaY = my;
        for (int button = 0; button < 3; ++button)
            updateKey(KeyCode(KEY_MOUSE_LEFT + button), sample.buttons[button] & 0x80);
        if (sample.z != 0) {
            const int32_t notches = sample.z / WHEEL_NOTCH;
            const uint8_t count = uint8_t(std::abs(notches) > 255 ? 255 : std::abs(notches));
            if (sample.z > 0) {
                wheelBytes[WHEEL_NOTCHES_UP] = count;
                wheelBytes[WHEEL_UP] = 1;
                wheelBytes[WHEEL_DOWN] = 0;
            } else {
                wheelBytes[WHEEL_NOTCHES_DOWN] = count;
                wheelBytes[WHEEL_DOWN] = 1;
                wheelBytes[WHEEL_UP] = 0;
            }
        } else {
            wheelBytes[WHEEL_UP] = 0;
            wheelBytes[WHEEL_DOWN] = 0;
        }
    }

    if (joystick && joystickAcquired) {
        platform::JoystickSample sample;
        const int32_t result = host->readJoystick(sample);
        if (result != INPUT_OK) {
            std::memset(keyStates + KEY_JOY_BUTTON0, KEY_UP, 10);
            acquireJoystick();
            return result;
        }
        const int32_t jx = truncateToInt(sample.x * double(joystickSensitivity));
        const int32_t jy = truncateToInt(sample.y * double(joystickSensitivity));
        joystickSumX = wrappingAdd(joystickSumX, jx);
        joystickSumY = wrappingAdd(joystickSumY, jy);
        joystickX = clampMove(joystickX, jx, joystickMinX, joystickMaxX);
        joystickY = clampMove(joystickY, jy, joystickMinY, joystickMaxY);
        joystickDeltaX = jx;
        joystickDeltaY = jy;
        for (int button = 0; button < 10; ++button)
            updateKey(KeyCode(KEY_JOY_BUTTON0 + button), sample.buttons[button] & 0x80);
    }
    return INPUT_OK;
}

void InputSystem::updateKey(KeyCode keyCode, bool down) {
    if (keyCode >= KEY_COUNT) return;
    uint8_t& state = keyStates[keyCode];
    switch (state) {
    case KEY_UP:
    case KEY_RELEASED:
        if (down) {
            state = KEY_PRESSED;
            pressTime[keyCode] = host ? host->ticks() : 0;
            pressPosition[keyCode][0] = mouseSumX;
            pressPosition[keyCode][1] = mouseSumY;
        } else {
            state = KEY_UP;
        }
        break;
    case KEY_PRESSED:
    case KEY_HELD:
        state = down ? KEY_HELD : KEY_RELEASED;
        break;
    default:
        break;
    }
}

uint16_t InputSystem::keyState(uint32_t keyCode) const {
    keyCode &= 0xFFFF;
    return keyCode < KEY_COUNT ? keyStates[keyCode] : uint16_t(KEY_UP);
}

void InputSystem::mousePosition(int32_t& x, int32_t& y) const {
    x = cursorX;
    y = cursorY;
}

void InputSystem::setMouseBounds(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    mouseMinX = x1 < x2 ? x1 : x2;
    mouseMaxX = x1 < x2 ? x2 : x1;
    mouseMinY = y1 < y2 ? y1 : y2;
    mouseMaxY = y1 < y2 ? y2 : y1;
}

void InputSystem::release() {
    if (!host) return;
    if (keyboard) {
        unacquireKeyboard();
        host->releaseInputDevice(InputDevice::Keyboard);
        keyboard = false;
    }
    if (mouse) {
        unacquireMouse();
        host->releaseInputDevice(InputDevice::Mouse);
        mouse = false;
    }
    if (joystick) {
        unacquireJoystick();
        host->releaseInputDevice(InputDevice::Joystick);
        joystick = false;
    }
    // Forgotten so that a second release (the engine's, then our own destructor's) is a no-op.
    host = nullptr;
}
