// Picture files (".bmp", ".tga", ".jpg") to GL textures with a full mipmap chain.
#pragma once

#include <cstddef>
#include <cstdint>

#include "render/image_data.h"

// The game's loaders: fonts, GUI pictures, backgrounds. Base names come without extension.
class TextureLoader {
public:
    TextureLoader() = default;
    virtual ~TextureLoader() = default;

    bool loadBitmapTexture(uint32_t& out, const char* base);
    // Stores the handle in array[index]; a failure leaves it untouched.
    void loadTargaTexture(uint32_t* array, const char* base, int index);
    bool loadJpegTexture(uint32_t& out, const char* base);
};

extern TextureLoader textureLoader;

// Shared by the game and the material loaders.
namespace texture {

constexpr size_t kGameNameSize = 250;
constexpr size_t kMaterialNameSize = 200;

enum class Kind { Bitmap, Targa, Jpeg };

// base + the kind's extension into `out`; false (and nothing usable) when it does not fit.
bool buildFileName(char* out, size_t outSize, const char* base, Kind kind);
bool fileOpens(const char* fileName);
// Both loader families read JPEG files the same way, in name buffers of their own size:
// the "Jpeg Adi" log line, the open check with its message, decoding (a fatal decoding
// error is logged) and the texture. Returns the texture's name, 0 on failure.
uint32_t loadJpeg(const char* base, size_t nameSize);
// Generates, binds and fills one texture with the kind's settings; returns its name.
uint32_t makeTexture(const DecodedImage& image, Kind kind);

} // namespace texture
