#include "gui/number_spinner.h"

#include <cstdio>

#include "render/bitmap_font.h"

int NumberSpinner::create(const InputSystem& input, const char* label_, int32_t value_,
                          int32_t maximum_, int32_t minimum_, float buttonWidth,
                          float buttonHeight) {
    value = value_;
    maximum = maximum_;
    minimum = minimum_;
    label = label_;
    x = y = 0;
    decrement.create(input, 0, "", 1, 10, 0, 0, buttonWidth, buttonHeight);
    increment.create(input, 0, "", 1, 10, 0, 0, buttonWidth, buttonHeight);
    decrement.setState(1);
    increment.setState(1);
    return 1;
}

void NumberSpinner::setPosition(float x_, float y_) {
    x = x_;
    y = y_;
}

static void stepBetween(int32_t& value, int32_t low, int32_t high, const GuiButton& decrement,
                        const GuiButton& increment) {
    if (low < value && decrement.isClicked()) --value;
    if (value < high && increment.isClicked()) ++value;
}

void NumberSpinner::update() {
    stepBetween(value, minimum, maximum, decrement, increment);
}

void NumberSpinner::updatePager(int32_t limit) {
    stepBetween(value, 0, limit, decrement, increment);
}

static void drawArrowButton(GuiButton& button, float x, float y, uint32_t normalTexture,
                            uint32_t hoverTexture) {
    button.setPosition(x, y);
    button.draw(button.isHovered() ? hoverTexture : normalTexture, normalTexture, 0, 0);
}

static void drawArrows(float x, float y, float incrementDx) {
    bitmapFont.drawText(x, y + 20, 0, 0.3f, "<");
    bitmapFont.drawText(x + incrementDx, y + 20, 0, 0.3f, ">");
}

void NumberSpinner::draw(uint32_t normalTexture, uint32_t hoverTexture, float labelDx,
                         float labelDy, float incrementDx, float valueDx, float valueDy) {
    drawArrowButton(decrement, x, y, normalTexture, hoverTexture);
    drawArrowButton(increment, x + incrementDx, y, normalTexture, hoverTexture);
    char number[16];
    std::snprintf(number, sizeof number, "%d", int(value));
    bitmapFont.drawText(x + valueDx, y + valueDy, 0, 0.3f, number);
    bitmapFont.drawText(x + labelDx, y + labelDy, 0, 0.3f, label);
    drawArrows(x, y, incrementDx);
}

void NumberSpinner::drawPager(uint32_t normalTexture, uint32_t hoverTexture, int32_t limit) {
    updatePager(limit);
    const float width = increment.hitArea.width;
    drawArrowButton(decrement, x, y, normalTexture, hoverTexture);
    drawArrowButton(increment, x + width, y, normalTexture, hoverTexture);
    drawArrows(x, y, width);
}
