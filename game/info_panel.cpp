#include "game/info_panel.h"

#include <GL/gl.h>

#include "render/bitmap_font.h"

void InfoPanel::init(float x_, float y_, float width_, float height_, int32_t colorMode_,
                     uint8_t red, uint8_t green, uint8_t blue) {
    x = x_;
    y = y_;
    width = width_;
    height = height_;
    colorMode = colorMode_;
    color[0] = red;
    color[1] = green;
    color[2] = blue;
    quad.init(0, x, y, width, height);
}

void InfoPanel::setPosition(float x_, float y_) {
    x = x_;
    y = y_;
}

void InfoPanel::draw(uint32_t texture, const char* caption) {
    if (colorMode == 0 || colorMode == 1) {
        if (colorMode == 1)
            glColor3ub(color[0], color[1], color[2]);
        else
            glColor3ub(80, 80, 80);
        quad.init(quad.tag, x, y, width, height);
        quad.draw(texture, texture, 0, 0);
        glColor3ub(255, 255, 255);
    }
    bitmapFont.drawText(x + 10, y + 20, 0, 0.3f, caption);
}
