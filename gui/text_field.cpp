#include "gui/text_field.h"

#include <cstring>

#include "render/bitmap_font.h"

int TextField::init() {
    std::memset(typingBuffer, 0, sizeof typingBuffer);
    std::memset(displayBuffer, 0, sizeof displayBuffer);
    active = 0;
    lastChar = 0;
    return 1;
}

void TextField::typeChar(uint8_t code) {
    lastChar = code;
    const size_t length = std::strlen(typingBuffer);
    if (length >= TYPING_CAPACITY) return;
    if (code == 8 || code == 13 || code == 27 || code == 96) return;
    typingBuffer[length] = char(code);
    typingBuffer[length + 1] = '\0';
}

void TextField::backspace() {
    const size_t length = std::strlen(typingBuffer);
    if (length > 0) typingBuffer[length - 1] = '\0';
}

bool TextField::draw(float x, float y, int32_t mode, float adjustment) {
    // Room for the cursor and the terminator.
    constexpr size_t shown = WORK_SIZE - 2;
    char work[WORK_SIZE];
    const size_t length = strnlen(displayBuffer, shown);
    std::memcpy(work, displayBuffer, length);
    size_t end = length;
    if (active) work[end++] = blinkTimer.tick(10) ? '|' : ' ';
    work[end] = '\0';
    bitmapFont.drawText(x, y, mode, adjustment, work);
    return true;
}
