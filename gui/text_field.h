// A keyboard typing buffer and a display line with a blinking cursor.
#pragma once

#include <cstdint>

#include "engine/timing.h"

class TextField {
public:
    TextField() = default;
    virtual ~TextField() = default;

    // Empties both buffers and clears the active flag and the last character.
    int init();
    // Appends a typed Windows-1254 byte; the code is remembered even when refused.
    void typeChar(uint8_t code);
    void backspace();
    // The display text, cut to fit beside the cursor, with "|" or " " after it when active.
    bool draw(float x, float y, int32_t mode, float adjustment);

    static constexpr int TYPING_CAPACITY = 19;
    static constexpr int DISPLAY_CAPACITY = 24;
    static constexpr int WORK_SIZE = 24;

    uint8_t active = 0;
    IntervalTimer blinkTimer;
    char typingBuffer[TYPING_CAPACITY + 1] = {};
    char displayBuffer[DISPLAY_CAPACITY + 1] = {};
    uint8_t lastChar = 0;
};
