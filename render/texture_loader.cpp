#include "render/texture_loader.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/services.h"
#include "render/image_bitmap.h"
#include "render/image_jpeg.h"
#include "render/image_targa.h"

TextureLoader textureLoader;

namespace texture {

namespace {

struct Settings {
    const char* extension;
    bool unpackAlignmentOne;
    GLint minFilter;
    bool modulate;
};

constexpr Settings SETTINGS[] = {
    {".bmp", true, GL_LINEAR_MIPMAP_NEAREST, true},
    {".tga", false, GL_LINEAR_MIPMAP_NEAREST, false},
    {".jpg", true, GL_LINEAR_MIPMAP_LINEAR, true},
};

const Settings& settingsOf(Kind kind) {
    return SETTINGS[int(kind)];
}

} // namespace

bool buildFileName(char* out, size_t outSize, const char* base, Kind kind) {
    if (!out || outSize == 0) return false;
    out[0] = '\0';
    if (!base) return false;
    const int written = std::snprintf(out, outSize, "%s%.4s", base, settingsOf(kind).extension);
    if (written < 0 || size_t(written) >= outSize) {
        out[0] = '\0';
        return false;
    }
    return true;
}

Outcome load(const char* base, Kind kind, char* name, size_t nameSize, uint32_t& handle,
             char* error, size_t errorSize) {
    handle = 0;
    if (error && errorSize) error[0] = '\0';
    if (!buildFileName(name, nameSize, base, kind)) return Outcome::BadName;
    FileBytes file;
    if (!file.read(name)) return file.opened ? Outcome::Undecodable : Outcome::Missing;
    ImagePtr image = kind == Kind::Bitmap  ? decodeBitmap(file.data, file.size)
                     : kind == Kind::Targa ? decodeTarga(file.data, file.size)
                                           : decodeJpeg(file.data, file.size, error, errorSize);
    if (!image) return Outcome::Undecodable;
    handle = makeTexture(*image, kind);
    return handle ? Outcome::Made : Outcome::NoTexture;
}

uint32_t loadJpeg(const char* base, size_t nameSize) {
    char name[GAME_NAME_SIZE];
    if (!base) return 0;
    char error[200];
    uint32_t handle = 0;
    const Outcome outcome = nameSize > sizeof name ? Outcome::BadName
                                                   : load(base, Kind::Jpeg, name, nameSize, handle,
                                                          error, sizeof error);
    if (outcome != Outcome::BadName) services::writeLog("Jpeg Adi : %s ", name);
    if (outcome <= Outcome::Missing) {
        services::showWarning("Jpeg dosyasi bulunamadi!");
        return 0;
    }
    if (outcome == Outcome::Undecodable)
        services::writeLog("Jpeg okunamadi : %s : %s", name, error);
    return handle;
}

uint32_t makeTexture(const DecodedImage& image, Kind kind) {
    const Settings& settings = settingsOf(kind);
    const GLenum format = image.components == 4 ? GL_RGBA : GL_RGB;
    const uint8_t* pixels = image.pixels;
    uint8_t* padded = nullptr;
    if (settings.unpackAlignmentOne) {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    } else {
        // Loaders that leave the alignment alone must still never let GL read past the
        // buffer: pad the rows to whatever alignment is in force.
        GLint alignment = 1;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
        const size_t rowBytes = size_t(image.width) * size_t(image.components);
        if (alignment > 1 && rowBytes % size_t(alignment) != 0) {
            const size_t stride = (rowBytes / size_t(alignment) + 1) * size_t(alignment);
            padded = static_cast<uint8_t*>(std::calloc(size_t(image.height), stride));
            if (!padded) return 0;
            for (int32_t row = 0; row < image.height; ++row)
                std::memcpy(padded + size_t(row) * stride, image.pixels + size_t(row) * rowBytes,
                            rowBytes);
            pixels = padded;
        }
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    gluBuild2DMipmaps(GL_TEXTURE_2D, image.components, image.width, image.height, format,
                      GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, settings.minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (settings.modulate) glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    std::free(padded);
    return name;
}

} // namespace texture

using texture::Kind;

using texture::Outcome;

bool TextureLoader::loadBitmapTexture(uint32_t& out, const char* base) {
    if (!base) return false;
    char name[texture::GAME_NAME_SIZE];
    uint32_t handle = 0;
    const Outcome outcome = texture::load(base, Kind::Bitmap, name, sizeof name, handle);
    if (outcome <= Outcome::Missing) services::showWarning("Bitmap dosyasi bulunamadi..");
    if (outcome != Outcome::Made) return false;
    out = handle;
    return true;
}

void TextureLoader::loadTargaTexture(uint32_t* array, const char* base, int index) {
    if (!array || !base || index < 0) return;
    char name[texture::GAME_NAME_SIZE];
    uint32_t handle = 0;
    // An unsupported or damaged picture is skipped silently, as a missing one is reported:
    // the game goes on without it.
    const Outcome outcome = texture::load(base, Kind::Targa, name, sizeof name, handle);
    if (outcome <= Outcome::Missing) services::showWarning("TGA dosyasi bulunamadi..");
    if (outcome == Outcome::Made) array[index] = handle;
}

bool TextureLoader::loadJpegTexture(uint32_t& out, const char* base) {
    const uint32_t handle = texture::loadJpeg(base, texture::GAME_NAME_SIZE);
    if (!handle) return false;
    out = handle;
    return true;
}
