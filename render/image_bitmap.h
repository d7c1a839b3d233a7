// Windows bitmaps: 1, 4, 8, 16, 24 and 32 bits, uncompressed (or with bit-field masks),
// bottom-up or top-down; 4 and 8 bits run-length encoded, bottom-up.
#pragma once

#include "render/image_data.h"

// 24-bit RGB, red byte first, bottom row first, rows packed; nothing for a missing,
// malformed or otherwise compressed file.
ImagePtr readBitmap(const char* fileName);

// The same on bytes already in memory.
ImagePtr decodeBitmap(const uint8_t* data, size_t size);
