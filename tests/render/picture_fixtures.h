// Picture files the tests build byte by byte.
#pragma once

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <jpeglib.h>

using Bytes = std::vector<uint8_t>;

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
inline Bytes le(std::initializer_list<uint32_t> values, int size) {
    Bytes out;
    for (uint32_t v : values)
        for (int i = 0; i < size; ++i)
            out.push_back(uint8_t(v >> (8 * i)));
    return out;
}

inline bool writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    return bool(
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size())));
}
inline bool writeFile(const std::string& path, const std::string& text) {
    return writeFile(path, Bytes(text.begin(), text.end()));
}

// Descriptor 0, an identification field of idLength bytes, then a colour map of mapEntries
// entries of mapBits bits when mapEntries is not 0.
inline Bytes targaHeader(int type, int width, int height, int bits, int idLength = 0,
                         int mapEntries = 0, int mapBits = 0) {
    return Bytes{uint8_t(idLength), uint8_t(mapEntries ? 1 : 0), uint8_t(type), 0, 0} +
           le({uint32_t(mapEntries)}, 2) + Bytes{uint8_t(mapBits), 0, 0, 0, 0} +
           le({uint32_t(width), uint32_t(height)}, 2) + Bytes{uint8_t(bits), 0} +
           Bytes(size_t(idLength), 0xEE) + Bytes(size_t(mapEntries * ((mapBits + 7) / 8)), 0x77);
}

// An uncompressed Windows bitmap in two colours: pixel (x, row), rows counted from the
// picture's bottom, has colour pick(x, row). Paletted depths get a two-entry palette.
inline Bytes bitmapFile(int bits, int width, int height, bool topDown, int (*pick)(int, int),
                        const uint8_t (&colors)[2][3]) {
    const uint32_t palette = bits <= 8 ? 8 : 0, stride = (uint32_t(width * bits) + 31) / 32 * 4;
    Bytes out = Bytes{'B', 'M'} +
                le({54 + palette + stride * uint32_t(height), 0, 54 + palette, 40, uint32_t(width),
                    uint32_t(topDown ? -height : height)},
                   4) +
                le({1, uint32_t(bits)}, 2) + Bytes(24, 0); // no compression, whole palette
    for (int i = 0; palette && i < 2; ++i)
        out = out + Bytes{colors[i][2], colors[i][1], colors[i][0], 0};
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const int row = topDown ? height - 1 - fileRow : fileRow;
        Bytes line(stride, 0);
        for (int x = 0; x < width; ++x) {
            const int index = pick(x, row), at = x * bits / 8;
            if (bits <= 8)
                line[size_t(at)] |= uint8_t(index << (8 - bits - x * bits % 8));
            else
                for (int c = 0; c < 3; ++c)
                    line[size_t(at + c)] = colors[index][2 - c];
        }
        out = out + line;
    }
    return out;
}

// A run-length bitmap (8 or 4 bits; height negative for top-down) with a 4-entry palette.
inline Bytes runLengthBitmap(int bits, int width, int height, const Bytes& data,
                             const uint8_t (&palette)[4][3]) {
    Bytes out =
        Bytes{'B', 'M'} +
        le({54 + 16 + uint32_t(data.size()), 0, 54 + 16, 40, uint32_t(width), uint32_t(height)},
           4) +
        le({1, uint32_t(bits)}, 2) +
        le({bits == 8 ? 1u : 2u, uint32_t(data.size()), 0, 0, 4, 0}, 4);
    for (const auto& c : palette)
        out = out + Bytes{c[2], c[1], c[0], 0};
    return out + data;
}

// A JPEG whose top half has colour `top` and bottom half `bottom` (grey: components 1, CMYK:
// 4, stored as CMYK or YCCK).
inline bool writeJpeg(const char* path, int width, int height, int components, const uint8_t* top,
                      const uint8_t* bottom, J_COLOR_SPACE stored = JCS_UNKNOWN) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(width), info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    if (stored != JCS_UNKNOWN) jpeg_set_colorspace(&info, stored);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    Bytes row(size_t(width * components));
    while (info.next_scanline < info.image_height) {
        const uint8_t* color = int(info.next_scanline) < height / 2 ? top : bottom;
        for (size_t i = 0; i < row.size(); ++i)
            row[i] = color[i % size_t(components)];
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info), jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}
