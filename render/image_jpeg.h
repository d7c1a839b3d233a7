// JPEG pictures through the system's JPEG library (API 62).
#pragma once

#include "render/image_data.h"

// Rows top of the picture first, always RGB: a one-component picture is widened, a CMYK or
// YCCK one converted. Nothing on a
// missing file or a fatal decoding error: the library's message then goes to standard
// error as usual and, when `errorText` is given, into it as well.
ImagePtr readJpeg(const char* fileName, char* errorText = nullptr, size_t errorSize = 0);

// The same on bytes already in memory.
ImagePtr decodeJpeg(const uint8_t* data, size_t size, char* errorText = nullptr,
                    size_t errorSize = 0);
