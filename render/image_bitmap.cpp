#include "render/image_bitmap.h"

#include <cstring>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kCoreHeaderSize = 12;
constexpr int kInfoHeaderSize = 40;
constexpr uint32_t kCompressionNone = 0;
constexpr uint32_t kCompressionBitFields = 3;
constexpr int32_t kMaxSide = 32768;

// One colour channel selected by a bit mask, widened to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    void set(uint32_t newMask) {
        mask = newMask;
        shift = 0;
        max = 0;
        if (!mask) return;
        while (!((mask >> shift) & 1))
            ++shift;
        max = mask >> shift;
    }
    uint8_t read(uint32_t pixel) const {
        if (!max) return 0;
        return uint8_t(((pixel & mask) >> shift) * 255u / max);
    }
};

struct Layout {
    int32_t width = 0;
    int32_t height = 0; // rows, always positive
    bool topDown = false;
    int bitsPerPixel = 0;
    const uint8_t* palette = nullptr; // BGR(X) entries
    int paletteEntrySize = 4;
    uint32_t paletteCount = 0;
    Channel red, green, blue;
};

void decodeRow(const Layout& layout, const uint8_t* in, uint8_t* out) {
    const int32_t width = layout.width;
    switch (layout.bitsPerPixel) {
    case 1:
    case 4:
    case 8: {
        const int bits = layout.bitsPerPixel;
        const int perByte = 8 / bits;
        const unsigned indexMask = (1u << bits) - 1;
        for (int32_t x = 0; x < width; ++x, out += 3) {
            const int shift = 8 - bits * (x % perByte + 1);
            const unsigned index = (in[x / perByte] >> shift) & indexMask;
            if (index < layout.paletteCount) {
                const uint8_t* entry = layout.palette + index * unsigned(layout.paletteEntrySize);
                out[0] = entry[2];
                out[1] = entry[1];
                out[2] = entry[0];
            } else {
                out[0] = out[1] = out[2] = 0;
            }
        }
        break;
    }
    case 24:
        for (int32_t x = 0; x < width; ++x, out += 3, in += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
        break;
    case 16:
    case 32: {
        const int bytes = layout.bitsPerPixel / 8;
        for (int32_t x = 0; x < width; ++x, out += 3, in += bytes) {
            const uint32_t pixel = bytes == 2 ? readLe16(in) : readLe32(in);
            out[0] = layout.red.read(pixel);
            out[1] = layout.green.read(pixel);
            out[2] = layout.blue.read(pixel);
        }
        break;
    }
    }
}

} // namespace

ImagePtr decodeBitmap(const uint8_t* data, size_t size) {
    if (!data || size < size_t(kFileHeaderSize + kCoreHeaderSize)) return nullptr;
    if (data[0] != 'B' || data[1] != 'M') return nullptr;
    const uint32_t pixelOffset = readLe32(data + 10);
    const uint8_t* header = data + kFileHeaderSize;
    const uint32_t headerSize = readLe32(header);
    if (headerSize > size - kFileHeaderSize) return nullptr;

    Layout layout;
    uint32_t compression = kCompressionNone;
    uint32_t colorsUsed = 0;
    if (headerSize == kCoreHeaderSize) {
        layout.width = readLe16(header + 4);
        layout.height = readLe16(header + 6);
        if (readLe16(header + 8) != 1) return nullptr;
        layout.bitsPerPixel = readLe16(header + 10);
        layout.paletteEntrySize = 3;
    } else if (headerSize >= kInfoHeaderSize) {
        layout.width = int32_t(readLe32(header + 4));
        const int32_t height = int32_t(readLe32(header + 8));
        if (readLe16(header + 12) != 1) return nullptr;
        layout.bitsPerPixel = readLe16(header + 14);
        compression = readLe32(header + 16);
        colorsUsed = readLe32(header + 32);
        if (height < 0) {
            if (height == INT32_MIN) return nullptr;
            layout.topDown = true;
            layout.height = -height;
        } else {
            layout.height = height;
        }
    } else {
        return nullptr;
    }
    if (layout.width <= 0 || layout.height <= 0 || layout.width > kMaxSide ||
        layout.height > kMaxSide)
        return nullptr;

    const uint8_t* afterHeader = header + headerSize;
    const size_t afterHeaderLeft = size - kFileHeaderSize - headerSize;
    switch (layout.bitsPerPixel) {
    case 1:
    case 4:
    case 8: {
        if (compression != kCompressionNone) return nullptr;
        const uint32_t maxColors = 1u << layout.bitsPerPixel;
        layout.paletteCount = colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
        // A short palette is tolerated: indices past what the file holds draw black.
        const size_t available = afterHeaderLeft / size_t(layout.paletteEntrySize);
        if (layout.paletteCount > available) layout.paletteCount = uint32_t(available);
        layout.palette = afterHeader;
        break;
    }
    case 24:
        if (compression != kCompressionNone) return nullptr;
        break;
    case 16:
    case 32:
        if (compression == kCompressionNone) {
            const bool wide = layout.bitsPerPixel == 32;
            layout.red.set(wide ? 0x00FF0000u : 0x7C00u);
            layout.green.set(wide ? 0x0000FF00u : 0x03E0u);
            layout.blue.set(wide ? 0x000000FFu : 0x001Fu);
        } else if (compression == kCompressionBitFields && headerSize != kCoreHeaderSize) {
            // Masks sit inside the larger headers and right after the 40-byte one.
            const uint8_t* masks = header + kInfoHeaderSize;
            if (headerSize == kInfoHeaderSize) {
                if (afterHeaderLeft < 12) return nullptr;
                masks = afterHeader;
            }
            layout.red.set(readLe32(masks));
            layout.green.set(readLe32(masks + 4));
            layout.blue.set(readLe32(masks + 8));
        } else {
            return nullptr;
        }
        break;
    default:
        return nullptr;
    }

    const size_t rowBits = size_t(layout.width) * size_t(layout.bitsPerPixel);
    const size_t rowBytes = (rowBits + 7) / 8;
    const size_t stride = (rowBits + 31) / 32 * 4;
    // The last row's padding may be missing from the file; its pixels may not.
    if (pixelOffset > size) return nullptr;
    const size_t pixelBytesLeft = size - pixelOffset;
    if (pixelBytesLeft < rowBytes ||
        (pixelBytesLeft - rowBytes) / stride < size_t(layout.height - 1))
        return nullptr;

    ImagePtr image(new DecodedImage);
    if (!image->allocate(3, layout.width, layout.height)) return nullptr;
    const size_t outStride = size_t(layout.width) * 3;
    for (int32_t row = 0; row < layout.height; ++row) {
        // Output goes bottom row first whatever the file's order.
        const int32_t outRow = layout.topDown ? layout.height - 1 - row : row;
        decodeRow(layout, data + pixelOffset + size_t(row) * stride,
                  image->pixels + size_t(outRow) * outStride);
    }
    return image;
}

ImagePtr readBitmap(const char* fileName) {
    FileBytes file;
    if (!file.read(fileName)) return nullptr;
    return decodeBitmap(file.data, file.size);
}
