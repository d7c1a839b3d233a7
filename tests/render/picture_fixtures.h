// Picture files the tests build byte by byte.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void put16(Bytes& out, unsigned value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

inline void put32(Bytes& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

inline bool writeFile(const std::string& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

// Targa header: no colour map, the given type, size and depth, descriptor 0.
inline Bytes targaHeader(int type, int width, int height, int bits, int idLength = 0) {
    Bytes out = {uint8_t(idLength), 0, uint8_t(type), 0, 0, 0, 0, 0, 0, 0, 0, 0};
    put16(out, unsigned(width));
    put16(out, unsigned(height));
    out.push_back(uint8_t(bits));
    out.push_back(0);
    for (int i = 0; i < idLength; ++i)
        out.push_back(0xEE);
    return out;
}

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
