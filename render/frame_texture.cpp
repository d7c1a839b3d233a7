#include "render/frame_texture.h"

#include <cstdio>

#include "engine/services.h"
#include "render/image_bitmap.h"
#include "render/image_targa.h"
#include "render/texture_loader.h"

using texture::Kind;

namespace {

// The text goes both to the user and to the log.
void report(const char* format, const char* base, const char* fileName) {
    char text[texture::kMaterialNameSize + 64];
    if (fileName[0])
        std::snprintf(text, sizeof text, format, fileName);
    else // the name did not fit its buffer: show the base name, cut to the message
        std::snprintf(text, sizeof text, format, base);
    services::showWarning(text);
    services::writeLog("%s", text);
}

} // namespace

bool FrameTexture::loadBitmap(const char* base) {
    if (!base) return false;
    char name[texture::kMaterialNameSize];
    if (!texture::buildFileName(name, sizeof name, base, Kind::Bitmap) ||
        !texture::fileOpens(name)) {
        report("Bitmap acilamadi : %s", base, name);
        return false;
    }
    ImagePtr image = readBitmap(name);
    const uint32_t handle = image ? texture::makeTexture(*image, Kind::Bitmap) : 0;
    if (!handle) {
        report("Bitmap yuklenemedi : %s", base, name);
        return false;
    }
    texture = handle;
    services::writeLog("Golge dokusu : %s", name);
    return true;
}

bool FrameTexture::loadTarga(const char* base) {
    if (!base) return false;
    char name[texture::kMaterialNameSize];
    if (!texture::buildFileName(name, sizeof name, base, Kind::Targa) ||
        !texture::fileOpens(name)) {
        report("Tga dosyasi acilamadi : %s", base, name);
        return false;
    }
    services::writeLog("Golge dokusu : %s", name);
    ImagePtr image = readTarga(name);
    const uint32_t handle = image ? texture::makeTexture(*image, Kind::Targa) : 0;
    if (!handle) return false;
    texture = handle;
    return true;
}

bool FrameTexture::loadJpeg(const char* base) {
    const uint32_t handle = texture::loadJpeg(base, texture::kMaterialNameSize);
    if (!handle) return false;
    texture = handle;
    services::writeLog("Golge dokusu : %s", base);
    return true;
}
