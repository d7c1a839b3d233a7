#include "engine/screenshot.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <cstdio>
#include <cstdlib>

int32_t screenshotCounter = 0;
std::string screenshotFolder;

namespace {
constexpr int32_t LAST_NUMBER = 100;
}

int saveScreenshot() {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int width = viewport[2];
    const int height = viewport[3];
    if (screenshotFolder.empty() || width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF)
        return 1;

    const size_t bytes = size_t(width) * size_t(height) * 3;
    uint8_t* pixels = static_cast<uint8_t*>(std::malloc(bytes));
    if (!pixels) return 1;
    // Rows tightly packed whatever the width: the default alignment of 4 would write past
    // the buffer for widths that are not a multiple of 4.
    GLint packAlignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_BGR, GL_UNSIGNED_BYTE, pixels);
    glPixelStorei(GL_PACK_ALIGNMENT, packAlignment);

    char name[32];
    std::snprintf(name, sizeof name, "/ekrang%d.tga", int(screenshotCounter));
    std::FILE* file = std::fopen((screenshotFolder + name).c_str(), "wb");
    if (!file) {
        std::free(pixels);
        return 1;
    }
    const uint8_t head[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const uint8_t size[6] = {uint8_t(width & 0xFF),
                             uint8_t(width >> 8),
                             uint8_t(height & 0xFF),
                             uint8_t(height >> 8),
                             24,
                             0};
    bool written = std::fwrite(head, 1, sizeof head, file) == sizeof head &&
                   std::fwrite(size, 1, sizeof size, file) == sizeof size &&
                   std::fwrite(pixels, 1, bytes, file) == bytes;
    written = std::fclose(file) == 0 && written;
    std::free(pixels);
    // A file cut short (a full disk) is no screenshot: the next try reuses its number.
    if (!written) return 1;
    if (++screenshotCounter > LAST_NUMBER) screenshotCounter = 0;
    return 0;
}
