#include "render/frame_texture.h"

#include <cstdio>

#include "engine/services.h"
#include "render/texture_loader.h"

using texture::Kind;
using texture::Outcome;

namespace {

// The text goes both to the user and to the log.
void report(const char* format, const char* base, const char* fileName) {
    char text[texture::MATERIAL_NAME_SIZE + 64];
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
    char name[texture::MATERIAL_NAME_SIZE];
    uint32_t handle = 0;
    const Outcome outcome = texture::load(base, Kind::Bitmap, name, sizeof name, handle);
    if (outcome <= Outcome::Missing) {
        report("Bitmap acilamadi : %s", base, name);
        return false;
    }
    if (outcome != Outcome::Made) {
        report("Bitmap yuklenemedi : %s", base, name);
        return false;
    }
    texture = handle;
    services::writeLog("Golge dokusu : %s", name);
    return true;
}

bool FrameTexture::loadTarga(const char* base) {
    if (!base) return false;
    char name[texture::MATERIAL_NAME_SIZE];
    uint32_t handle = 0;
    const Outcome outcome = texture::load(base, Kind::Targa, name, sizeof name, handle);
    if (outcome <= Outcome::Missing) {
        report("Tga dosyasi acilamadi : %s", base, name);
        return false;
    }
    // Logged for every file that opens, whether or not it decodes.
    services::writeLog("Golge dokusu : %s", name);
    if (outcome != Outcome::Made) return false;
    texture = handle;
    return true;
}

bool FrameTexture::loadJpeg(const char* base) {
    const uint32_t handle = texture::loadJpeg(base, texture::MATERIAL_NAME_SIZE);
    if (!handle) return false;
    texture = handle;
    services::writeLog("Golge dokusu : %s", base);
    return true;
}
