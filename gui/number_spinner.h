// A number between "<" and ">" buttons; without label and value it pages a list.
#pragma once

#include <cstdint>

#include "gui/gui_button.h"

class NumberSpinner {
public:
    NumberSpinner() = default;
    virtual ~NumberSpinner() = default;

    // The label is kept as a pointer and must outlive the spinner; the buttons read `input`.
    int create(const InputSystem& input, const char* label, int32_t value, int32_t maximum,
               int32_t minimum, float buttonWidth, float buttonHeight);
    void setPosition(float x, float y);
    // One step down on "<" while above the minimum, then one up on ">" while below the maximum.
    void update();
    void draw(uint32_t normalTexture, uint32_t hoverTexture, float labelDx, float labelDy,
              float incrementDx, float valueDx, float valueDy);
    // As update with the bounds 0 and limit.
    void updatePager(int32_t limit);
    void drawPager(uint32_t normalTexture, uint32_t hoverTexture, int32_t limit);

    GuiButton decrement;
    GuiButton increment;
    int32_t value = 0;
    int32_t maximum = 0;
    int32_t minimum = 0;
    float x = 0;
    float y = 0;
    const char* label = nullptr;
};
