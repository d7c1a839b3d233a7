// Picture files the generator writes.
#pragma once

#include <cstdint>

// A 24-bit Windows bitmap from RGB rows given top row first; false on a write failure.
bool writeBitmap24(const char* path, int width, int height, const uint8_t* rgbTopDown);
// An uncompressed 32-bit Targa (bottom row first in the file) from RGBA rows given top first.
bool writeTarga32(const char* path, int width, int height, const uint8_t* rgbaTopDown);
// A baseline JPEG from RGB rows given top row first.
bool writeJpeg(const char* path, int width, int height, const uint8_t* rgbTopDown, int quality);
// A PNG (RGB, or RGBA with 4 components; stored without compression); top row first.
bool writePng(const char* path, int width, int height, const uint8_t* rgbTopDown,
              int components = 3);
