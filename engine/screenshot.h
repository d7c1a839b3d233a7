// F12: the current frame as an uncompressed 24-bit TGA in "veri\ekrang".
#pragma once

#include <cstdint>

extern int32_t screenshotCounter;

// 0 when the file was written, 1 when it could not be opened.
int saveScreenshot();
