// F12: the current frame as an uncompressed 24-bit TGA in the folder the program names.
#pragma once

#include <cstdint>
#include <string>

extern int32_t screenshotCounter;
extern std::string screenshotFolder; // empty: no screenshots

// 0 when the file was written, 1 when it could not be (or there is no folder).
int saveScreenshot();
