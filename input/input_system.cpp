#include "input/input_system.h"

#include <cstring>

// Placeholder until the device polling lands: no devices, every key up.
InputSystem::InputSystem() { clearStates(); }
InputSystem::~InputSystem() { release(); }
int32_t InputSystem::create(void*, void*) { return 0; }
int32_t InputSystem::poll() { return 0; }
void InputSystem::mousePosition(int32_t& x, int32_t& y) const {
    x = cursorX;
    y = cursorY;
}
void InputSystem::setMouseBounds(int32_t, int32_t, int32_t, int32_t) {}
int InputSystem::keyState(uint32_t keyCode) const {
    keyCode &= 0xFFFF;
    return keyCode < KEY_CODE_COUNT ? int(keyStates[keyCode]) : int(KEY_UP);
}
void InputSystem::release() {}
void InputSystem::clearStates() { std::memset(keyStates, 0, sizeof keyStates); }
