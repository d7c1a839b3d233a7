#include "game/pitch_view.h"

#include "render/texture_loader.h"

void PitchView::init(const char* pictureBase, float x_, float y_, float width_, float height_) {
    textureLoader.loadBitmapTexture(texture, pictureBase);
    x = x_;
    y = y_;
    width = width_;
    height = height_;
    quad.init(0, x, y, width, height);
}
