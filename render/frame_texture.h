// One texture of a material: an animation frame or a layer picture.
#pragma once

#include <cstdint>

struct FrameTexture {
    // Each stores the handle on success and leaves it untouched on failure.
    bool loadBitmap(const char* base);
    bool loadTarga(const char* base);
    bool loadJpeg(const char* base);

    uint32_t texture = 0;
};
