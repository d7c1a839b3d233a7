#include "picture_file.h"

#include <cstdio>
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
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && ok;
}
