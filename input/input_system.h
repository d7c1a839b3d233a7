// Polled keyboard, mouse and joystick: key states per KeyCode and a software cursor.
#pragma once

#include <cstdint>

enum KeyState : uint8_t { KEY_UP = 0, KEY_RELEASED = 1, KEY_PRESSED = 2, KEY_HELD = 3 };

constexpr int KEY_CODE_COUNT = 270;

class InputSystem {
public:
    InputSystem();
    virtual ~InputSystem();

    int32_t create(void* instance, void* window);
    int32_t poll();
    void mousePosition(int32_t& x, int32_t& y) const;
    void setMouseBounds(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    int keyState(uint32_t keyCode) const;
    void release();
    void clearStates();

    int32_t cursorX = 0;
    int32_t cursorY = 0;
    uint8_t keyStates[KEY_CODE_COUNT] = {};
};
