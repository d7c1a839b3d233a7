// The one texture-mapped font: 16 x 16 glyph cells of the picture "veri\fnt\cr", one
// display list per byte value, drawn with a fixed advance of 10 units.
#pragma once

#include <cstdint>

class BitmapFont {
public:
    BitmapFont() = default;
    virtual ~BitmapFont() = default;

    // Compiles both sets of 256 glyph lists; 0 when GL has no list names left.
    int build();
    // Low-level printer in 2D drawing space (origin bottom-left); binds nothing, sets no
    // colour. Formatted text longer than 255 bytes is cut.
    void print(float x, float y, float scaleX, float scaleY, float scaleZ, const char* format, ...)
        __attribute__((format(printf, 7, 8)));
    // One line of white text; y is the baseline measured downward from the window's top.
    void drawText(float x, float y, int32_t mode, float adjustment, const char* text);
    // The same in the given colour; note the text comes third.
    void drawColoredText(float x, float y, const char* text, int32_t mode, float adjustment,
                         int32_t red, int32_t green, int32_t blue, int32_t alpha);

    // The x and y glyph scale of a size mode; adjustment is clamped to lowerLimit … 0.8 first.
    static void glyphScale(int32_t mode, float adjustment, float lowerLimit, float& scaleX,
                           float& scaleY);

    static constexpr float GLYPH_SIZE = 16.0f;
    static constexpr float GLYPH_ADVANCE = 10.0f;

    uint32_t listBase = 0;
    uint32_t secondaryListBase = 0; // built like the primary set, never drawn
    uint32_t texture = 0;
    uint32_t secondaryTexture = 0; // a second copy of the picture, never bound
};

extern BitmapFont bitmapFont;
