// Picture files the generator writes.
#pragma once

#include <cstdint>

// A 24-bit Windows bitmap from RGB rows given top row first; false on a write failure.
bool writeBitmap24(const char* path, int width, int height, const uint8_t* rgbTopDown);
