// Byte-level fixtures for the database tests: files are built here, never checked in.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "database/player_record.h"

inline void put32(std::string& bytes, std::size_t offset, int32_t v) {
    if (bytes.size() < offset + 4) bytes.resize(offset + 4);
    std::memcpy(bytes.data() + offset, &v, 4);
}

inline int32_t get32(const std::string& bytes, std::size_t offset) {
    int32_t v = 0;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

std::string readWholeFile(const std::string& path);
void writeWholeFile(const std::string& path, const std::string& bytes);

// A player whose every field differs from every other player's and from the defaults.
PlayerRecord samplePlayer(int32_t id);

// A well-formed player file of n sample players, built byte by byte.
std::string playerFileBytes(int32_t n);
