// A tinted panel with a caption: the registration page's frame.
#pragma once

#include <cstdint>

#include "gui/textured_quad.h"

class InfoPanel {
public:
    InfoPanel() = default;
    virtual ~InfoPanel() = default;

    void init(float x, float y, float width, float height, int32_t colorMode, uint8_t red,
              uint8_t green, uint8_t blue);
    void setPosition(float x, float y);
    // Mode 1 tints with the colour, 0 grey; any other mode draws no panel, only the caption.
    void draw(uint32_t texture, const char* caption);

    TexturedQuad quad;
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
    int32_t colorMode = 1;
    uint8_t color[3] = {255, 255, 255};
};
