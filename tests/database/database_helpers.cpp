#include "database_helpers.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "text/cp1254.h"

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

PlayerRecord samplePlayer(int32_t id) {
    PlayerRecord r{};
    r.id = id;
    std::snprintf(r.name, sizeof r.name, "%s%d", "Şükrü"_w, id);
    std::snprintf(r.surname, sizeof r.surname, "%s%d", "Öztürk"_w, id);
    std::snprintf(r.country, sizeof r.country, "%s", "Türkiye"_w);
    std::snprintf(r.language, sizeof r.language, "%s", "Türkçe"_w);
    std::snprintf(r.birthplace, sizeof r.birthplace, "%s", "İğdır"_w);
    r.birth_day = 1 + id % 31;
    r.birth_month = 1 + id % 12;
    r.birth_year = 1921 + id % 79;
    int32_t values[33];
    for (int i = 0; i < 33; ++i)
        values[i] = 1 + (id * 7 + i) % 20;
    std::memcpy(reinterpret_cast<char*>(&r) + 268, values, sizeof values);
    r.physical.preferred_foot = 1 + id % 3;
    r.position.position_count = 1 + id % 5;
    for (int i = 0; i < kPositionSlots; ++i)
        r.position.positions[i] = (id + i) % kPositionCodes;
    return r;
}

std::string playerFileBytes(int32_t n) {
    std::string bytes;
    put32(bytes, 0, kPlayerFileVersion);
    put32(bytes, 4, n);
    put32(bytes, 8, 0);
    for (int32_t i = 0; i < n; ++i) {
        const PlayerRecord r = samplePlayer(i);
        const char* raw = reinterpret_cast<const char*>(&r);
        bytes.append(raw, sizeof r);
        for (const PlayerBlockCopy& c : kPlayerBlockCopies)
            bytes.append(raw + c.recordOffset, c.size);
    }
    return bytes;
}
