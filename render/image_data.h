// Decoded pictures and the raw file bytes the decoders work on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// The most pixels a decoder allocates for a picture whose file does not have to hold them all
// (a JPEG's or a run-length bitmap's); far beyond any texture the game could make.
constexpr size_t MAX_PICTURE_PIXELS = size_t(8192) * 8192;

// Rows packed without padding, `components` bytes per pixel (3 = RGB, 4 = RGBA).
class DecodedImage {
public:
    DecodedImage() = default;
    virtual ~DecodedImage();
    DecodedImage(const DecodedImage&) = delete;
    DecodedImage& operator=(const DecodedImage&) = delete;

    // Reserves width × height × components bytes; false when out of memory.
    bool allocate(int32_t components, int32_t width, int32_t height);
    size_t byteCount() const { return size_t(width) * size_t(height) * size_t(components); }

    int32_t components = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint8_t* pixels = nullptr;
};

using ImagePtr = std::unique_ptr<DecodedImage>;

// A whole file in memory.
class FileBytes {
public:
    FileBytes() = default;
    virtual ~FileBytes();
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    // Reads the file named with data-file separators; false when it cannot be read.
    bool read(const char* fileName);

    uint8_t* data = nullptr;
    size_t size = 0;
    bool opened = false; // the last read found the file, whether or not it could read it
};

inline uint16_t readLe16(const uint8_t* p) {
    return uint16_t(p[0] | (p[1] << 8));
}
inline uint32_t readLe32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
