// What every picture reader promises its caller about a picture it accepts.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "render/image_data.h"

inline void checkPicture(const ImagePtr& image) {
    if (!image) return;
    if (!image->pixels || image->width <= 0 || image->height <= 0 ||
        (image->components != 3 && image->components != 4))
        std::abort();
    // Reading every byte lets the sanitizer see a buffer smaller than the picture claims.
    unsigned sum = 0;
    for (size_t i = 0; i < image->byteCount(); ++i)
        sum += image->pixels[i];
    volatile unsigned sink = sum;
    (void)sink;
}

// A damaged picture still decodes to the size its header declares, and a large one costs
// milliseconds per run: the fuzzer would spend its time filling pixels. Pictures above 65536
// pixels are left to the decoders' tests.
inline bool tooLargeToFuzz(int64_t width, int64_t height) {
    return std::llabs(width) * std::llabs(height) > 65536;
}

// The little-endian word at `offset`, 0 past the end.
template <class T> T headerWord(const uint8_t* data, size_t size, size_t offset) {
    T value = 0;
    if (offset + sizeof value <= size) std::memcpy(&value, data + offset, sizeof value);
    return value;
}
