// A textured rectangle that remembers its own place; a button's face.
#pragma once

#include <cstdint>

class TexturedQuad {
public:
    TexturedQuad() = default;
    virtual ~TexturedQuad() = default;

    int init(int32_t tag, float x, float y, float width, float height);
    void setPosition(float x, float y);
    void setSize(float width, float height);
    // Same rule as QuadDrawer::drawRect, on this quad's rectangle.
    void draw(uint32_t mainTexture, uint32_t maskTexture, uint8_t useMask, int32_t mode) const;

    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
    int32_t tag = 0;
};
