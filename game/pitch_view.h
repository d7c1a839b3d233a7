// The tactics page's pitch picture and its rectangle.
#pragma once

#include <cstdint>

#include "gui/textured_quad.h"

class PitchView {
public:
    PitchView() = default;
    virtual ~PitchView() = default;

    // Loads the picture (BMP) and stores the rectangle; a missing picture keeps texture 0.
    void init(const char* pictureBase, float x, float y, float width, float height);

    uint32_t texture = 0;
    TexturedQuad quad;
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};
