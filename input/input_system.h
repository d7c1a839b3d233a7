// Polled keyboard, mouse and joystick: key states per KeyCode and a software cursor.
#pragma once

#include <cstdint>

#include "input/key_code.h"
#include "input/key_table.h"
#include "platform/platform.h"

class InputSystem {
public:
    InputSystem();
    virtual ~InputSystem();

    // 0, or the error of the device step that failed; an absent joystick is no failure.
    int32_t create(void* instance, void* window);
    // 0, or the error of the device read that ended the poll early.
    int32_t poll();
    void mousePosition(int32_t& x, int32_t& y) const;
    void setMouseBounds(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    // Only the low 16 bits of the code count; codes of KEY_COUNT and more are KEY_UP.
    uint16_t keyState(uint32_t keyCode) const;
    void updateKey(KeyCode keyCode, bool down);
    void release();
    void clearStates();

    // Each answers -1 when its device is absent, else the platform's result.
    int32_t acquireKeyboard();
    int32_t acquireMouse();
    int32_t acquireJoystick();
    int32_t unacquireKeyboard();
    int32_t unacquireMouse();
    int32_t unacquireJoystick();

    // The platform whose devices create() opened; null until then and after release().
    platform::Platform* host = nullptr;
    bool keyboard = false;
    bool mouse = false;
    bool joystick = false;
    int32_t mouseAcquired = 0;
    int32_t keyboardAcquired = 0;
    int32_t joystickAcquired = 0;
    int32_t joystickSubtype = 0;
    float mouseSensitivity = 1.0f;
    float joystickSensitivity = 1.0f;
    int32_t mouseMinX, mouseMinY, mouseMaxX, mouseMaxY;
    int32_t joystickMinX, joystickMinY, joystickMaxX, joystickMaxY;
    int32_t cursorX = 0;
    int32_t cursorY = 0;
    int32_t mouseSumX = 0;
    int32_t mouseSumY = 0;
    int32_t mouseDeltaX = 0;
    int32_t mouseDeltaY = 0;
    int32_t joystickX = 0;
    int32_t joystickY = 0;
    int32_t joystickSumX = 0;
    int32_t joystickSumY = 0;
    int32_t joystickDeltaX = 0;
    int32_t joystickDeltaY = 0;
    uint8_t keyStates[KEY_COUNT];
    uint8_t keyboardBuffer[KEY_COUNT];
    // Only 256 to 259: wheel moved up, wheel moved down, notches up, notches down.
    uint8_t wheelBytes[KEY_COUNT];
    uint32_t pressTime[KEY_COUNT];
    int32_t pressPosition[KEY_COUNT][2];
    uint8_t shiftedCharacters[KEY_COUNT] = {};
    int32_t scanCodeToKeyCode[SCAN_CODE_COUNT] = {};
    void* window = nullptr;
    int32_t keyCodeToScanCode[SCAN_CODE_COUNT] = {};
    char keyNames[KEY_COUNT][KEY_NAME_SIZE] = {};
    int32_t accelerationThresholds[2] = {2, 6};
    double accelerationFactors[2] = {1.5, 2.0};

private:
    int32_t acquireDevice(platform::InputDevice device);
    int32_t accelerate(int32_t movement) const;
};

constexpr int32_t WHEEL_UP = 256;
constexpr int32_t WHEEL_DOWN = 257;
constexpr int32_t WHEEL_NOTCHES_UP = 258;
constexpr int32_t WHEEL_NOTCHES_DOWN = 259;
