#include "render/image_targa.h"

#include <cstring>

namespace {

constexpr int HEADER_SIZE = 18;
constexpr int TYPE_TRUE_COLOUR = 2;
constexpr int TYPE_RUN_LENGTH = 10;
constexpr int COLOUR_MAP_PRESENT = 1;

void storePixel(uint8_t* out, const uint8_t* in, int bytesPerPixel) {
    out[0] = in[2];
    out[1] = in[1];
    out[2] = in[0];
    if (bytesPerPixel == 4) out[3] = in[3];
}

bool decodeRunLength(const uint8_t* in, size_t size, DecodedImage& image, int bytesPerPixel) {
    const size_t total = size_t(image.width) * size_t(image.height);
    uint8_t* out = image.pixels;
    size_t produced = 0;
    size_t pos = 0;
    while (produced < total) {
        if (pos >= size) return false;
        const int header = in[pos++];
        const bool run = header >= 128;
        size_t count = run ? size_t(header - 127) : size_t(header + 1);
        // A packet that would run past the last pixel is cut there.
        if (count > total - produced) count = total - produced;
        if (run) {
            if (size - pos < size_t(bytesPerPixel)) return false;
            for (size_t i = 0; i < count; ++i, out += bytesPerPixel)
                storePixel(out, in + pos, bytesPerPixel);
            pos += size_t(bytesPerPixel);
        } else {
            if ((size - pos) / size_t(bytesPerPixel) < count) return false;
            for (size_t i = 0; i < count; ++i, out += bytesPerPixel, pos += size_t(bytesPerPixel))
                storePixel(out, in + pos, bytesPerPixel);
        }
        produced += count;
    }
    return true;
}

bool decodeRaw(const uint8_t* in, size_t size, DecodedImage& image, int bitsPerPixel) {
    const size_t total = size_t(image.width) * size_t(image.height);
    if (bitsPerPixel == 16) {
        if (size / 2 < total) return false;
        uint8_t* out = image.pixels;
        for (size_t i = 0; i < total; ++i, out += 3) {
            const unsigned p = readLe16(in + 2 * i);
            out[0] = uint8_t((p >> 7) & 0xF8);
            out[1] = uint8_t((p >> 2) & 0xF8);
            out[2] = uint8_t((p & 0x1F) << 3);
        }
        return true;
    }
    const size_t bytes = image.byteCount();
    if (size < bytes) return false;
    std::memcpy(image.pixels, in, bytes);
    const int step = image.components;
    for (uint8_t* p = image.pixels; p < image.pixels + bytes; p += step) {
        const uint8_t red = p[2];
        p[2] = p[0];
        p[0] = red;
    }
    return true;
}

} // namespace

ImagePtr decodeTarga(const uint8_t* data, size_t size) {
    if (!data || size < size_t(HEADER_SIZE)) return nullptr;
    const int idLength = data[0];
    const int imageType = data[2];
    const int width = readLe16(data + 12);
    const int height = readLe16(data + 14);
    const int bitsPerPixel = data[16];
    // Grey and colour-mapped pictures would decode as meaningless colours.
    if (imageType != TYPE_TRUE_COLOUR && imageType != TYPE_RUN_LENGTH) return nullptr;
    // A true-colour picture may still carry a colour map (of no use to it) before its pixels.
    const size_t mapBytes =
        data[1] == COLOUR_MAP_PRESENT ? size_t(readLe16(data + 5)) * size_t((data[7] + 7) / 8) : 0;
    const size_t start = size_t(HEADER_SIZE + idLength) + mapBytes;
    if (start > size) return nullptr;
    const uint8_t* in = data + start;
    const size_t left = size - start;

    int components;
    if (imageType == TYPE_RUN_LENGTH) {
        if (bitsPerPixel != 24 && bitsPerPixel != 32) return nullptr;
        components = bitsPerPixel / 8;
    } else if (bitsPerPixel == 16 || bitsPerPixel == 24) {
        components = 3;
    } else if (bitsPerPixel == 32) {
        components = 4;
    } else {
        return nullptr;
    }
    // Refuse before allocating when the file cannot possibly hold the pixels it claims.
    const size_t pixelCount = size_t(width) * size_t(height);
    const size_t minBytes = imageType == TYPE_RUN_LENGTH
                                ? (pixelCount + 127) / 128 * size_t(1 + components)
                                : pixelCount * size_t(bitsPerPixel / 8);
    if (minBytes > left) return nullptr;

    ImagePtr image(new DecodedImage);
    if (!image->allocate(components, width, height)) return nullptr;
    const bool ok = imageType == TYPE_RUN_LENGTH ? decodeRunLength(in, left, *image, components)
                                                 : decodeRaw(in, left, *image, bitsPerPixel);
    return ok ? std::move(image) : nullptr;
}

ImagePtr readTarga(const char* fileName) {
    FileBytes file;
    if (!file.read(fileName)) return nullptr;
    return decodeTarga(file.data, file.size);
}
