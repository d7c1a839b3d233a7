#include "gui/textured_quad.h"

#include "gui/quad_drawer.h"

int TexturedQuad::init(int32_t tag_, float x_, float y_, float width_, float height_) {
    tag = tag_;
    x = x_;
    y = y_;
    width = width_;
    height = height_;
    return 1;
}

void TexturedQuad::setPosition(float x_, float y_) {
    x = x_;
    y = y_;
}

void TexturedQuad::setSize(float width_, float height_) {
    width = width_;
    height = height_;
}

void TexturedQuad::draw(uint32_t mainTexture, uint32_t maskTexture, uint8_t useMask,
                        int32_t mode) const {
    QuadDrawer::drawRect(mainTexture, maskTexture, useMask, mode, x, y, width, height);
}
