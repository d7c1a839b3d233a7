// Input devices of the SDL backend: SDL's keyboard state under the scan codes the key table
// knows, relative mouse motion with three buttons and the wheel, and the first joystick.
// A device counts as acquired only while the game window has input focus. Buttons come from
// the events between two reads, so that a press shorter than a poll period is still reported.
#include "platform/scan_code.h"
#include "platform/sdl_platform.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

constexpr int32_t WHEEL_NOTCH = 120;
constexpr int32_t AXIS_RANGE = 1000;
constexpr int32_t AXIS_DEAD_ZONE = 100; // 10 % of the range

struct ScanCodeMapping {
    SDL_Scancode sdl;
    ScanCode scanCode;
};

// Physical keys only: the layout and Shift never change what a key reports. The Windows and
// menu keys are left out on purpose; the game has no use for them.
// clang-format off
constexpr ScanCodeMapping SCAN_CODES[] = {
    {SDL_SCANCODE_ESCAPE, SCAN_ESCAPE}, {SDL_SCANCODE_1, SCAN_1}, {SDL_SCANCODE_2, SCAN_2},
    {SDL_SCANCODE_3, SCAN_3}, {SDL_SCANCODE_4, SCAN_4}, {SDL_SCANCODE_5, SCAN_5},
    {SDL_SCANCODE_6, SCAN_6}, {SDL_SCANCODE_7, SCAN_7}, {SDL_SCANCODE_8, SCAN_8},
    {SDL_SCANCODE_9, SCAN_9}, {SDL_SCANCODE_0, SCAN_0}, {SDL_SCANCODE_MINUS, SCAN_MINUS},
    {SDL_SCANCODE_EQUALS, SCAN_EQUALS}, {SDL_SCANCODE_BACKSPACE, SCAN_BACKSPACE},
    {SDL_SCANCODE_TAB, SCAN_TAB}, {SDL_SCANCODE_Q, SCAN_Q}, {SDL_SCANCODE_W, SCAN_W},
    {SDL_SCANCODE_E, SCAN_E}, {SDL_SCANCODE_R, SCAN_R}, {SDL_SCANCODE_T, SCAN_T},
    {SDL_SCANCODE_Y, SCAN_Y}, {SDL_SCANCODE_U, SCAN_U}, {SDL_SCANCODE_I, SCAN_I},
    {SDL_SCANCODE_O, SCAN_O}, {SDL_SCANCODE_P, SCAN_P},
    {SDL_SCANCODE_LEFTBRACKET, SCAN_LEFT_BRACKET}, {SDL_SCANCODE_RIGHTBRACKET, SCAN_RIGHT_BRACKET},
    {SDL_SCANCODE_RETURN, SCAN_ENTER}, {SDL_SCANCODE_LCTRL, SCAN_LEFT_CTRL},
    {SDL_SCANCODE_A, SCAN_A}, {SDL_SCANCODE_S, SCAN_S}, {SDL_SCANCODE_D, SCAN_D},
    {SDL_SCANCODE_F, SCAN_F}, {SDL_SCANCODE_G, SCAN_G}, {SDL_SCANCODE_H, SCAN_H},
    {SDL_SCANCODE_J, SCAN_J}, {SDL_SCANCODE_K, SCAN_K}, {SDL_SCANCODE_L, SCAN_L},
    {SDL_SCANCODE_SEMICOLON, SCAN_SEMICOLON}, {SDL_SCANCODE_APOSTROPHE, SCAN_APOSTROPHE},
    {SDL_SCANCODE_GRAVE, SCAN_GRAVE}, {SDL_SCANCODE_LSHIFT, SCAN_LEFT_SHIFT},
    {SDL_SCANCODE_BACKSLASH, SCAN_BACKSLASH}, {SDL_SCANCODE_Z, SCAN_Z}, {SDL_SCANCODE_X, SCAN_X},
    {SDL_SCANCODE_C, SCAN_C}, {SDL_SCANCODE_V, SCAN_V}, {SDL_SCANCODE_B, SCAN_B},
    {SDL_SCANCODE_N, SCAN_N}, {SDL_SCANCODE_M, SCAN_M}, {SDL_SCANCODE_COMMA, SCAN_COMMA},
    {SDL_SCANCODE_PERIOD, SCAN_PERIOD}, {SDL_SCANCODE_SLASH, SCAN_SLASH},
    {SDL_SCANCODE_RSHIFT, SCAN_RIGHT_SHIFT}, {SDL_SCANCODE_KP_MULTIPLY, SCAN_NUM_STAR},
    {SDL_SCANCODE_LALT, SCAN_LEFT_ALT}, {SDL_SCANCODE_SPACE, SCAN_SPACE},
    {SDL_SCANCODE_CAPSLOCK, SCAN_CAPS_LOCK}, {SDL_SCANCODE_F1, SCAN_F1}, {SDL_SCANCODE_F2, SCAN_F2},
    {SDL_SCANCODE_F3, SCAN_F3}, {SDL_SCANCODE_F4, SCAN_F4}, {SDL_SCANCODE_F5, SCAN_F5},
    {SDL_SCANCODE_F6, SCAN_F6}, {SDL_SCANCODE_F7, SCAN_F7}, {SDL_SCANCODE_F8, SCAN_F8},
    {SDL_SCANCODE_F9, SCAN_F9}, {SDL_SCANCODE_F10, SCAN_F10},
    {SDL_SCANCODE_NUMLOCKCLEAR, SCAN_NUM_LOCK}, {SDL_SCANCODE_SCROLLLOCK, SCAN_SCROLL_LOCK},
    {SDL_SCANCODE_KP_7, SCAN_NUM_7}, {SDL_SCANCODE_KP_8, SCAN_NUM_8},
    {SDL_SCANCODE_KP_9, SCAN_NUM_9}, {SDL_SCANCODE_KP_MINUS, SCAN_NUM_MINUS},
    {SDL_SCANCODE_KP_4, SCAN_NUM_4}, {SDL_SCANCODE_KP_5, SCAN_NUM_5},
    {SDL_SCANCODE_KP_6, SCAN_NUM_6}, {SDL_SCANCODE_KP_PLUS, SCAN_NUM_PLUS},
    {SDL_SCANCODE_KP_1, SCAN_NUM_1}, {SDL_SCANCODE_KP_2, SCAN_NUM_2},
    {SDL_SCANCODE_KP_3, SCAN_NUM_3}, {SDL_SCANCODE_KP_0, SCAN_NUM_0},
    {SDL_SCANCODE_KP_PERIOD, SCAN_NUM_PERIOD}, {SDL_SCANCODE_F11, SCAN_F11},
    {SDL_SCANCODE_F12, SCAN_F12}, {SDL_SCANCODE_KP_ENTER, SCAN_NUM_ENTER},
    {SDL_SCANCODE_RCTRL, SCAN_RIGHT_CTRL}, {SDL_SCANCODE_KP_DIVIDE, SCAN_NUM_SLASH},
    {SDL_SCANCODE_PRINTSCREEN, SCAN_PRINT_SCREEN}, {SDL_SCANCODE_RALT, SCAN_RIGHT_ALT},
    {SDL_SCANCODE_HOME, SCAN_HOME}, {SDL_SCANCODE_UP, SCAN_UP}, {SDL_SCANCODE_PAGEUP, SCAN_PAGE_UP},
    {SDL_SCANCODE_LEFT, SCAN_LEFT}, {SDL_SCANCODE_RIGHT, SCAN_RIGHT}, {SDL_SCANCODE_END, SCAN_END},
    {SDL_SCANCODE_DOWN, SCAN_DOWN}, {SDL_SCANCODE_PAGEDOWN, SCAN_PAGE_DOWN},
    {SDL_SCANCODE_INSERT, SCAN_INSERT}, {SDL_SCANCODE_DELETE, SCAN_DELETE},
};
// clang-format on

// ±32767 to ±1000; the dead zone reads as centre and the rest of the travel is spread over
// the whole range, so full deflection still gives 1000.
int32_t scaleAxis(int16_t raw) {
    const int32_t magnitude = std::abs(int32_t(raw)) * AXIS_RANGE / 32767;
    if (magnitude <= AXIS_DEAD_ZONE) return 0;
    int32_t scaled = (magnitude - AXIS_DEAD_ZONE) * AXIS_RANGE / (AXIS_RANGE - AXIS_DEAD_ZONE);
    if (scaled > AXIS_RANGE) scaled = AXIS_RANGE;
    return raw < 0 ? -scaled : scaled;
}

int scanCodeOf(SDL_Scancode key) {
    for (const ScanCodeMapping& m : SCAN_CODES)
        if (m.sdl == key) return m.scanCode;
    return -1;
}

// SDL's button numbers as the sample's: left, right, middle, first extra.
int mouseButtonOf(uint8_t button) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return 0;
    case SDL_BUTTON_RIGHT:
        return 1;
    case SDL_BUTTON_MIDDLE:
        return 2;
    case SDL_BUTTON_X1:
        return 3;
    default:
        return -1;
    }
}

bool hasFocus(SDL_Window* window) {
    return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS);
}

} // namespace

void SdlPlatform::inputEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const int scan = scanCodeOf(event.key.keysym.scancode);
        // A key that switched the window's mode is the window's until it is let go: once per
        // press, not again when it repeats or SDL reports it down anew on a focus change.
        if (scan >= 0 && event.type == SDL_KEYDOWN && switchesWindowMode(event.key.keysym)) {
            if (!modeKeysDown[scan] && !event.key.repeat) push({MessageType::FullScreenKey, 0, 0});
            modeKeysDown[scan] = true;
        }
        if (scan >= 0 && modeKeysDown[scan]) {
            if (event.type == SDL_KEYUP) modeKeysDown[scan] = false;
            break;
        }
        // Auto-repeat is the character messages' business: the key is simply still down.
        if (inputAcquired[int(InputDevice::Keyboard)] && !event.key.repeat)
            keyChanges.change(scan, event.type == SDL_KEYDOWN);
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (inputAcquired[int(InputDevice::Mouse)])
            mouseChanges.change(mouseButtonOf(event.button.button),
                                event.type == SDL_MOUSEBUTTONDOWN);
        break;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        if (inputAcquired[int(InputDevice::Joystick)] && joystickDevice &&
            event.jbutton.which ==
                SDL_JoystickInstanceID(static_cast<SDL_Joystick*>(joystickDevice)))
            joystickChanges.change(event.jbutton.button, event.type == SDL_JOYBUTTONDOWN);
        break;
    default:
        break;
    }
    if (event.type == SDL_MOUSEWHEEL && inputAcquired[int(InputDevice::Mouse)]) {
        int32_t notches = event.wheel.y;
        if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
        const int64_t sum = int64_t(wheelMotion) + int64_t(notches) * WHEEL_NOTCH;
        wheelMotion = sum > INT32_MAX ? INT32_MAX : sum < INT32_MIN ? INT32_MIN : int32_t(sum);
    }
    // Focus lost and found again between two polls still counts as lost; so does a window
    // hidden or minimized in between, whose presses were nobody's.
    if (!ownWindowEvent(event)) return;
    const uint8_t id = event.window.event;
    if (id == SDL_WINDOWEVENT_FOCUS_LOST || id == SDL_WINDOWEVENT_HIDDEN ||
        id == SDL_WINDOWEVENT_MINIMIZED) {
        for (bool& acquired : inputAcquired)
            acquired = false;
    }
}

bool SdlPlatform::inputAllowed() const {
    return hasFocus(window) && !minimized && !hidden;
}

void SdlPlatform::releaseAllInput() {
    releaseInputDevice(InputDevice::Keyboard);
    releaseInputDevice(InputDevice::Mouse);
    releaseInputDevice(InputDevice::Joystick);
}

bool SdlPlatform::createInputDevice(InputDevice device) {
    const int d = int(device);
    if (inputCreated[d]) return true;
    if (device == InputDevice::Joystick) {
        if (!joystickSubsystem) {
            if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return false;
            joystickSubsystem = true;
        }
        if (SDL_NumJoysticks() < 1 || !(joystickDevice = SDL_JoystickOpen(0))) {
            SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
            joystickSubsystem = false;
            return false;
        }
    }
    inputCreated[d] = true;
    inputAcquired[d] = false;
    return true;
}

void SdlPlatform::releaseInputDevice(InputDevice device) {
    const int d = int(device);
    if (!inputCreated[d]) return;
    inputCreated[d] = false;
    inputAcquired[d] = false;
    if (device != InputDevice::Joystick) return;
    // SDL may already have closed it when its subsystem went down with the window.
    if (joystickDevice && SDL_WasInit(SDL_INIT_JOYSTICK))
        SDL_JoystickClose(static_cast<SDL_Joystick*>(joystickDevice));
    joystickDevice = nullptr;
    if (joystickSubsystem) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    joystickSubsystem = false;
}

int32_t SdlPlatform::acquireInputDevice(InputDevice device) {
    const int d = int(device);
    if (!inputCreated[d]) return INPUT_ERR_NO_DEVICE;
    if (!inputAllowed()) return INPUT_ERR_ACCESS_DENIED;
    if (!inputAcquired[d]) {
        // Movement, wheel and presses from before the acquire are not the game's.
        if (device == InputDevice::Keyboard) keyChanges.reset();
        if (device == InputDevice::Mouse) {
            SDL_GetRelativeMouseState(nullptr, nullptr);
            wheelMotion = 0;
            mouseChanges.reset();
        }
        if (device == InputDevice::Joystick) joystickChanges.reset();
    }
    inputAcquired[d] = true;
    return INPUT_OK;
}

void SdlPlatform::unacquireInputDevice(InputDevice device) {
    inputAcquired[int(device)] = false;
}

int32_t SdlPlatform::readKeyboard(uint8_t* state) {
    const int d = int(InputDevice::Keyboard);
    if (!inputCreated[d]) return INPUT_ERR_NO_DEVICE;
    if (!inputAcquired[d] || !inputAllowed()) {
        inputAcquired[d] = false;
        return INPUT_ERR_NOT_ACQUIRED;
    }
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    std::memset(state, 0, 256);
    for (const ScanCodeMapping& m : SCAN_CODES)
        if (keyChanges.read(m.scanCode, m.sdl < count && keys[m.sdl]) && !modeKeysDown[m.scanCode])
            state[m.scanCode] = 0x80;
    return INPUT_OK;
}

int32_t SdlPlatform::readMouse(MouseSample& sample) {
    const int d = int(InputDevice::Mouse);
    if (!inputCreated[d]) return INPUT_ERR_NO_DEVICE;
    if (!inputAcquired[d] || !inputAllowed()) {
        inputAcquired[d] = false;
        return INPUT_ERR_NOT_ACQUIRED;
    }
    int dx = 0, dy = 0;
    const Uint32 buttons = SDL_GetRelativeMouseState(&dx, &dy);
    sample = MouseSample{};
    sample.x = dx;
    sample.y = dy;
    sample.z = wheelMotion;
    wheelMotion = 0;
    const Uint32 masks[4] = {SDL_BUTTON_LMASK, SDL_BUTTON_RMASK, SDL_BUTTON_MMASK,
                             SDL_BUTTON_X1MASK};
    for (int b = 0; b < 4; ++b)
        sample.buttons[b] = mouseChanges.read(b, buttons & masks[b]) ? 0x80 : 0;
    return INPUT_OK;
}

int32_t SdlPlatform::readJoystick(JoystickSample& sample) {
    const int d = int(InputDevice::Joystick);
    if (!inputCreated[d] || !joystickDevice) return INPUT_ERR_NO_DEVICE;
    if (!inputAcquired[d] || !inputAllowed()) {
        inputAcquired[d] = false;
        return INPUT_ERR_NOT_ACQUIRED;
    }
    SDL_Joystick* joy = static_cast<SDL_Joystick*>(joystickDevice);
    SDL_JoystickUpdate();
    if (!SDL_JoystickGetAttached(joy)) return INPUT_ERR_INPUT_LOST;
    sample = JoystickSample{};
    sample.x = scaleAxis(SDL_JoystickGetAxis(joy, 0));
    sample.y = scaleAxis(SDL_JoystickGetAxis(joy, 1));
    for (uint32_t& pov : sample.pov)
        pov = 0xFFFFFFFFu; // centred
    const int buttons = SDL_JoystickNumButtons(joy);
    for (int b = 0; b < 32; ++b)
        sample.buttons[b] =
            joystickChanges.read(b, b < buttons && SDL_JoystickGetButton(joy, b)) ? 0x80 : 0;
    return INPUT_OK;
}

void SdlPlatform::cursorScreenPosition(int32_t& x, int32_t& y) {
    int gx = 0, gy = 0, wx = 0, wy = 0;
    SDL_GetGlobalMouseState(&gx, &gy);
    if (window) SDL_GetWindowPosition(window, &wx, &wy);
    toFramePixel(shownFrame(), windowWidth, windowHeight, gx - wx, gy - wy, x, y);
}

bool SdlPlatform::freePointer(int32_t& x, int32_t& y) {
    if (!windowed || !window || SDL_GetMouseFocus() != window) return false;
    int wx = 0, wy = 0;
    SDL_GetMouseState(&wx, &wy);
    toFramePixel(shownFrame(), windowWidth, windowHeight, wx, wy, x, y);
    return true;
}

} // namespace platform
