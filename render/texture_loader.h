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

constexpr size_t GAME_NAME_SIZE = 250;
constexpr size_t MATERIAL_NAME_SIZE = 200;

enum class Kind { Bitmap, Targa, Jpeg };

// base + the kind's extension into `out`; false (and nothing usable) when it does not fit.
bool buildFileName(char* out, size_t outSize, const char* base, Kind kind);

// How far one picture file got, in that order.
enum class Outcome { BadName, Missing, Undecodable, NoTexture, Made };
// The one way from a picture file to a texture: base + the kind's extension into `name`
// (nameSize bytes, empty when the name does not fit), the file read once and decoded, the
// texture's name into `handle` (0 unless Made). A JPEG decoder's fatal message goes to `error`.
Outcome load(const char* base, Kind kind, char* name, size_t nameSize, uint32_t& handle,
             char* error = nullptr, size_t errorSize = 0);
// Both loader families read JPEG files the same way, in name buffers of their own size:
// the "Jpeg Adi" log line, the message for a missing file, the logged decoding error.
// Returns the texture's name, 0 on failure.
uint32_t loadJpeg(const char* base, size_t nameSize);
// Generates, binds and fills one texture with the kind's settings; returns its name.
uint32_t makeTexture(const DecodedImage& image, Kind kind);

} // namespace texture
