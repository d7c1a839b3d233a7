// Input devices of the SDL backend. First version: no device is present.
#include "platform/sdl_platform.h"

#include <SDL.h>

namespace platform {

void SdlPlatform::inputEvent(const SDL_Event&) {}

void SdlPlatform::releaseAllInput() {}

bool SdlPlatform::createInputDevice(InputDevice) {
    return false;
}

void SdlPlatform::releaseInputDevice(InputDevice) {}

int32_t SdlPlatform::acquireInputDevice(InputDevice) {
    return INPUT_ERR_NO_DEVICE;
}

void SdlPlatform::unacquireInputDevice(InputDevice) {}

int32_t SdlPlatform::readKeyboard(uint8_t*) {
    return INPUT_ERR_NO_DEVICE;
}

int32_t SdlPlatform::readMouse(MouseSample&) {
    return INPUT_ERR_NO_DEVICE;
}

int32_t SdlPlatform::readJoystick(JoystickSample&) {
    return INPUT_ERR_NO_DEVICE;
}

void SdlPlatform::cursorScreenPosition(int32_t& x, int32_t& y) {
    x = 0;
    y = 0;
}

} // namespace platform
