// A 5 × 7 ASCII font for the platform's own windows, drawn into 32-bit pixel buffers.
#pragma once

#include <cstdint>

namespace platform {

struct PixelBuffer {
    uint32_t* pixels = nullptr; // 0xAARRGGBB, rows top to bottom
    int width = 0;
    int height = 0;

    void set(int x, int y, uint32_t color) {
        if (x >= 0 && y >= 0 && x < width && y < height) pixels[y * width + x] = color;
    }
    uint32_t at(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height ? pixels[y * width + x] : 0;
    }
    void fill(int x, int y, int w, int h, uint32_t color);
    void frame(int x, int y, int w, int h, uint32_t color);
};

constexpr int DIALOG_GLYPH_WIDTH = 5;
constexpr int DIALOG_GLYPH_HEIGHT = 7;
constexpr int DIALOG_GLYPH_ADVANCE = 6;

// One glyph: seven rows, bit 4 is the leftmost pixel. Characters outside 0x20..0x7E draw as
// '?'.
const uint8_t* glyphRows(char c);

// Draws `text` with its top-left corner at (x, y), each font pixel scale × scale.
void drawText(PixelBuffer& buffer, int x, int y, const char* text, uint32_t color, int scale = 1);
int textWidth(const char* text, int scale = 1);

} // namespace platform
