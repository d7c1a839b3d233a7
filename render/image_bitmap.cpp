#include "render/image_bitmap.h"

#include <cstring>

namespace {

constexpr int FILE_HEADER_SIZE = 14;
constexpr int CORE_HEADER_SIZE = 12;
constexpr int INFO_HEADER_SIZE = 40;
constexpr uint32_t COMPRESSION_NONE = 0;
constexpr uint32_t COMPRESSION_RLE8 = 1;
constexpr uint32_t COMPRESSION_RLE4 = 2;
constexpr uint32_t COMPRESSION_BIT_FIELDS = 3;
constexpr int32_t MAX_SIDE = 32768;

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

void paletteColour(const Layout& layout, unsigned index, uint8_t* out) {
    if (index < layout.paletteCount) {
        const uint8_t* entry = layout.palette + index * unsigned(layout.paletteEntrySize);
        out[0] = entry[2];
        out[1] = entry[1];
        out[2] = entry[0];
    } else {
        out[0] = out[1] = out[2] = 0;
    }
}

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
            paletteColour(layout, (in[x / perByte] >> shift) & indexMask, out);
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

// Run-length 8 or 4 bits into an image already filled with palette entry 0, which is what
// pixels a delta or an early end of line skip over show. Runs and deltas reaching outside the
// picture are cut at its edges; a file ending without its end mark keeps what it drew.
void decodeRunLength(const Layout& layout, const uint8_t* in, size_t size, DecodedImage& image) {
    const bool nibbles = layout.bitsPerPixel == 4;
    int64_t x = 0, y = 0; // y counts rows from the bottom, as the output does
    auto put = [&](int64_t at, unsigned index) {
        if (at < layout.width && y < layout.height)
            paletteColour(layout, index,
                          image.pixels + (size_t(y) * size_t(layout.width) + size_t(at)) * 3);
    };
    // Pixel i of a run of `value`: in 4 bits the run alternates the byte's two halves.
    auto runIndex = [&](unsigned value, int i) -> unsigned {
        return nibbles ? (i % 2 ? value & 0x0F : value >> 4) : value;
    };
    size_t pos = 0;
    while (size - pos >= 2 && y < layout.height) {
        const int count = in[pos], value = in[pos + 1];
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(x + i, runIndex(unsigned(value), i));
            x += count;
        } else if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of picture
            return;
        } else if (value == 2) { // delta: right and up
            if (size - pos < 2) return;
            x += in[pos];
            y += in[pos + 1];
            pos += 2;
        } else { // literal pixels, padded to an even number of bytes
            const size_t bytes = nibbles ? size_t(value + 1) / 2 : size_t(value);
            if (size - pos < bytes) return;
            for (int i = 0; i < value; ++i)
                put(x + i, runIndex(in[pos + size_t(nibbles ? i / 2 : i)], i));
            x += value;
            pos += bytes + (bytes & 1);
            if (pos > size) return;
        }
    }
}

// What the file header and the picture's header say besides the layout.
struct Headers {
    const uint8_t* info = nullptr; // the picture's header, headerSize bytes
    uint32_t headerSize = 0;
    uint32_t pixelOffset = 0;
    uint32_t compression = COMPRESSION_NONE;
    uint32_t colorsUsed = 0;
};

// The file header and the core (12-byte) or info (40 bytes and more) header; false for what
// is no bitmap, or one of no size or a side past MAX_SIDE.
bool readHeaders(const uint8_t* data, size_t size, Headers& headers, Layout& layout) {
    if (!data || size < size_t(FILE_HEADER_SIZE + CORE_HEADER_SIZE)) return false;
    if (data[0] != 'B' || data[1] != 'M') return false;
    headers.pixelOffset = readLe32(data + 10);
    const uint8_t* header = data + FILE_HEADER_SIZE;
    headers.info = header;
    headers.headerSize = readLe32(header);
    if (headers.headerSize > size - FILE_HEADER_SIZE) return false;

    if (headers.headerSize == CORE_HEADER_SIZE) {
        layout.width = readLe16(header + 4);
        layout.height = readLe16(header + 6);
        if (readLe16(header + 8) != 1) return false;
        layout.bitsPerPixel = readLe16(header + 10);
        layout.paletteEntrySize = 3;
    } else if (headers.headerSize >= INFO_HEADER_SIZE) {
        layout.width = int32_t(readLe32(header + 4));
        const int32_t height = int32_t(readLe32(header + 8));
        if (readLe16(header + 12) != 1) return false;
        layout.bitsPerPixel = readLe16(header + 14);
        headers.compression = readLe32(header + 16);
        headers.colorsUsed = readLe32(header + 32);
        if (height < 0) {
            if (height == INT32_MIN) return false;
            layout.topDown = true;
            layout.height = -height;
        } else {
            layout.height = height;
        }
    } else {
        return false;
    }
    return layout.width > 0 && layout.height > 0 && layout.width <= MAX_SIDE &&
           layout.height <= MAX_SIDE;
}

// How pixels become colours: the palette of 1, 4 and 8 bits, the channel masks of 16 and 32;
// false for a depth or compression the decoder does not take.
bool readColours(const Headers& headers, size_t size, Layout& layout) {
    const uint32_t compression = headers.compression, headerSize = headers.headerSize;
    const uint8_t* afterHeader = headers.info + headerSize;
    const size_t afterHeaderLeft = size - FILE_HEADER_SIZE - headerSize;
    switch (layout.bitsPerPixel) {
    case 1:
    case 4:
    case 8: {
        const uint32_t runLength = layout.bitsPerPixel == 8 ? COMPRESSION_RLE8 : COMPRESSION_RLE4;
        // Run-length pictures are stored bottom-up only.
        if (compression != COMPRESSION_NONE &&
            (compression != runLength || layout.topDown || layout.bitsPerPixel == 1))
            return false;
        const uint32_t maxColors = 1u << layout.bitsPerPixel;
        const uint32_t colorsUsed = headers.colorsUsed;
        layout.paletteCount = colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
        // A short palette is tolerated: indices past what the file holds draw black.
        const size_t available = afterHeaderLeft / size_t(layout.paletteEntrySize);
        if (layout.paletteCount > available) layout.paletteCount = uint32_t(available);
        layout.palette = afterHeader;
        return true;
    }
    case 24:
        return compression == COMPRESSION_NONE;
    case 16:
    case 32:
        if (compression == COMPRESSION_NONE) {
            const bool wide = layout.bitsPerPixel == 32;
            layout.red.set(wide ? 0x00FF0000u : 0x7C00u);
            layout.green.set(wide ? 0x0000FF00u : 0x03E0u);
            layout.blue.set(wide ? 0x000000FFu : 0x001Fu);
            return true;
        }
        if (compression == COMPRESSION_BIT_FIELDS &&
            (headerSize == INFO_HEADER_SIZE || headerSize >= INFO_HEADER_SIZE + 12)) {
            // Masks sit inside the larger headers and right after the 40-byte one.
            const uint8_t* masks = headers.info + INFO_HEADER_SIZE;
            if (headerSize == INFO_HEADER_SIZE) {
                if (afterHeaderLeft < 12) return false;
                masks = afterHeader;
            }
            layout.red.set(readLe32(masks));
            layout.green.set(readLe32(masks + 4));
            layout.blue.set(readLe32(masks + 8));
            return true;
        }
        return false;
    default:
        return false;
    }
}

ImagePtr decodeRunLengthPicture(const Layout& layout, const uint8_t* pixels, size_t size) {
    // A few bytes can describe a huge empty picture: bound what they may make us allocate.
    if (size_t(layout.width) * size_t(layout.height) > MAX_PICTURE_PIXELS) return nullptr;
    ImagePtr image(new DecodedImage);
    if (!image->allocate(3, layout.width, layout.height)) return nullptr;
    uint8_t background[3];
    paletteColour(layout, 0, background);
    for (size_t i = 0; i < image->byteCount(); i += 3)
        std::memcpy(image->pixels + i, background, 3);
    decodeRunLength(layout, pixels, size, *image);
    return image;
}

ImagePtr decodeRows(const Layout& layout, const uint8_t* pixels, size_t size) {
    const size_t rowBits = size_t(layout.width) * size_t(layout.bitsPerPixel);
    const size_t rowBytes = (rowBits + 7) / 8;
    const size_t stride = (rowBits + 31) / 32 * 4;
    // The last row's padding may be missing from the file; its pixels may not.
    if (size < rowBytes || (size - rowBytes) / stride < size_t(layout.height - 1)) return nullptr;

    ImagePtr image(new DecodedImage);
    if (!image->allocate(3, layout.width, layout.height)) return nullptr;
    const size_t outStride = size_t(layout.width) * 3;
    for (int32_t row = 0; row < layout.height; ++row) {
        // Output goes bottom row first whatever the file's order.
        const int32_t outRow = layout.topDown ? layout.height - 1 - row : row;
        decodeRow(layout, pixels + size_t(row) * stride,
                  image->pixels + size_t(outRow) * outStride);
    }
    return image;
}

} // namespace

ImagePtr decodeBitmap(const uint8_t* data, size_t size) {
    Headers headers;
    Layout layout;
    if (!readHeaders(data, size, headers, layout) || !readColours(headers, size, layout))
        return nullptr;
    if (headers.pixelOffset > size) return nullptr;
    const uint8_t* pixels = data + headers.pixelOffset;
    const size_t pixelBytes = size - headers.pixelOffset;
    if (headers.compression == COMPRESSION_RLE8 || headers.compression == COMPRESSION_RLE4)
        return decodeRunLengthPicture(layout, pixels, pixelBytes);
    return decodeRows(layout, pixels, pixelBytes);
}

ImagePtr readBitmap(const char* fileName) {
    FileBytes file;
    if (!file.read(fileName)) return nullptr;
    return decodeBitmap(file.data, file.size);
}
