#include "tools/datagen/picture_file.h"

#include <algorithm>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {

void put16(std::vector<uint8_t>& out, unsigned value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putBe32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(value >> shift));
}

bool writeFile(const char* path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

uint32_t crc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void pngChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    putBe32(out, uint32_t(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBe32(out, crc32(out.data() + start, out.size() - start));
}

} // namespace

bool writeBitmap24(const char* path, int width, int height, const uint8_t* rgbTopDown) {
    const uint32_t stride = (uint32_t(width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = stride * uint32_t(height);
    std::vector<uint8_t> out;
    out.reserve(54 + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, 54 + pixelBytes);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, uint32_t(width));
    put32(out, uint32_t(height));
    put16(out, 1);
    put16(out, 24);
    put32(out, 0); // no compression
    put32(out, pixelBytes);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int row = height - 1; row >= 0; --row) {
        const uint8_t* in = rgbTopDown + size_t(row) * size_t(width) * 3;
        for (int x = 0; x < width; ++x, in += 3) {
            out.push_back(in[2]);
            out.push_back(in[1]);
            out.push_back(in[0]);
        }
        for (uint32_t pad = uint32_t(width) * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return writeFile(path, out);
}

bool writeTarga32(const char* path, int width, int height, const uint8_t* rgbaTopDown) {
    std::vector<uint8_t> out = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    put16(out, unsigned(width));
    put16(out, unsigned(height));
    out.push_back(32);
    out.push_back(8); // eight alpha bits, origin at the bottom left
    for (int row = height - 1; row >= 0; --row) {
        const uint8_t* in = rgbaTopDown + size_t(row) * size_t(width) * 4;
        for (int x = 0; x < width; ++x, in += 4) {
            out.push_back(in[2]);
            out.push_back(in[1]);
            out.push_back(in[0]);
            out.push_back(in[3]);
        }
    }
    return writeFile(path, out);
}

bool writeJpeg(const char* path, int width, int height, const uint8_t* rgbTopDown, int quality) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(rgbTopDown + size_t(info.next_scanline) * size_t(width) * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

bool writePng(const char* path, int width, int height, const uint8_t* rgbTopDown, int components) {
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> head;
    putBe32(head, uint32_t(width));
    putBe32(head, uint32_t(height));
    head.insert(head.end(), {8, uint8_t(components == 4 ? 6 : 2), 0, 0, 0});
    pngChunk(out, "IHDR", head);
    // Raw rows, each after a filter byte 0, in stored deflate blocks.
    std::vector<uint8_t> raw;
    const size_t rowBytes = size_t(width) * size_t(components);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgbTopDown + size_t(y) * rowBytes,
                   rgbTopDown + size_t(y + 1) * rowBytes);
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    for (size_t at = 0; at < raw.size() || at == 0;) {
        const size_t n = std::min<size_t>(65535, raw.size() - at);
        z.push_back(at + n == raw.size() ? 1 : 0);
        put16(z, unsigned(n));
        put16(z, unsigned(~n & 0xFFFF));
        z.insert(z.end(), raw.begin() + long(at), raw.begin() + long(at + n));
        at += n;
        if (n == 0) break;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    putBe32(z, (b << 16) | a);
    pngChunk(out, "IDAT", z);
    pngChunk(out, "IEND", {});
    return writeFile(path, out);
}
