// Targa pictures: raw 16/24/32-bit and run-length 24/32-bit true colour (image types 2 and
// 10); a colour map such a file carries is skipped.
#pragma once

#include "render/image_data.h"

// Rows come out in file order (the descriptor's origin bit is not consulted); red and blue
// are swapped into place. Nothing on a missing, truncated or unsupported file.
ImagePtr readTarga(const char* fileName);

// The same on bytes already in memory.
ImagePtr decodeTarga(const uint8_t* data, size_t size);
