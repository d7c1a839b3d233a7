// Byte-level fixtures for the database and odt tests: files are built here, never checked in.
// Fields no reader uses are zero, so a dump and build of any of them gives the same bytes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

#include "database/calendar_data.h"
#include "database/player_database.h"
#include "database/player_record.h"
#include "database/team_database.h"
#include "text/cp1254.h"

inline void put32(void* bytes, std::size_t offset, int32_t v) {
    std::memcpy(static_cast<char*>(bytes) + offset, &v, 4);
}
inline void put32(std::string& bytes, std::size_t offset, int32_t v) {
    bytes.resize(std::max(bytes.size(), offset + 4));
    put32(bytes.data(), offset, v);
}
inline std::string patched(std::string bytes, std::size_t offset, int32_t v) {
    put32(bytes, offset, v);
    return bytes;
}
inline int32_t get32(const void* bytes, std::size_t offset) {
    int32_t v = 0;
    std::memcpy(&v, static_cast<const char*>(bytes) + offset, 4);
    return v;
}

// The game's texts for a refused player or team file.
inline const char* const WRONG_VERSION = "Database dosya versionu tutmuyor oyun bunu okuyamaz!!!";
inline const char* const BAD_COUNT = "Database kayit sayisi tutmuyor oyun bunu okuyamaz!!!";
inline const char* const SHORT_FILE = "Database dosyasi eksik oyun bunu okuyamaz!!!";

inline std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
inline void writeWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

#ifdef MENAJER_BIN_DIR
struct ToolRun {
    int status;
    std::string out, err;
};
// Runs a built tool in the working folder, or the copy in binDir, after the variables in env.
inline ToolRun runTool(const std::string& tool, const std::string& args,
                       const std::string& binDir = MENAJER_BIN_DIR, const std::string& env = "") {
    const std::string command =
        env + " '" + binDir + "/" + tool + "' " + args + " >out.txt 2>err.txt";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readWholeFile("out.txt"),
            readWholeFile("err.txt")};
}
#endif

template <class... T> void appendBytes(std::string& bytes, const T&... items) {
    (bytes.append(reinterpret_cast<const char*>(&items), sizeof items), ...);
}
// Neighbouring attribute columns hold neighbouring values, all within their ranges; player 1's
// surname needs quoting in CSV.
inline PlayerRecord samplePlayer(int32_t id) {
    PlayerRecord r{};
    r.id = id;
    std::snprintf(r.name, sizeof r.name, "%s%d", "Şükrü"_w, id);
    std::strcpy(r.surname, id == 1 ? "Er, \"Kara\"" : "Öztürk"_w);
    std::strcpy(r.country, "Türkiye"_w);
    std::strcpy(r.language, "Türkçe"_w);
    std::strcpy(r.birthplace, "İğdır"_w);
    r.birth_day = 1 + id % 31;
    r.birth_month = 1 + id % 12;
    r.birth_year = 1921 + id % 79;
    for (int i = 0; i < 33; ++i)
        put32(&r, 268 + 4 * i, 1 + (id * 7 + i) % 20);
    r.physical.preferred_foot = 1 + id % 3;
    r.position.position_count = 1 + id % 5;
    for (int i = 0; i < POSITION_SLOTS; ++i)
        r.position.positions[i] = (id + i) % POSITION_CODES;
    return r;
}

// The editor's form holding sample players 0 to n - 1, every field as the sample has it.
inline bool fillEditor(PlayerDatabase& db, int32_t n) {
    if (!db.init()) return false;
    for (int32_t i = 0; i < n; ++i) {
        if (!db.append(samplePlayer(i))) return false;
        *db.record(i) = samplePlayer(i);
    }
    return true;
}

inline std::string playerFileBytes(int32_t n) {
    std::string b;
    appendBytes(b, DatabaseFileHeader{PLAYER_FILE_VERSION, n, 0});
    for (int32_t i = 0; i < n; ++i) {
        const PlayerRecord r = samplePlayer(i);
        appendBytes(b, r, r.technical, r.physical, r.mental, r.position);
    }
    return b;
}

// Team i has the squad i, i + 3, i + 6, ... of i players.
inline std::string teamFileBytes(int32_t n) {
    std::string b;
    appendBytes(b, DatabaseFileHeader{TEAM_FILE_VERSION, n, 0});
    for (int32_t i = 0; i < n; ++i) {
        TeamRecord t{};
        std::snprintf(t.name, sizeof t.name, "%s %d", "Beşiktaş"_w, i);
        t.squad_size = i;
        for (int j = 0; j < i; ++j)
            t.squad[j] = j * 3 + i;
        appendBytes(b, t);
    }
    return b;
}

// Months June, July, ... of 2004; June's slot 31 is left empty.
inline std::string calendarBytes(int32_t n) {
    std::string b;
    appendBytes(b, n, int32_t(0));
    for (int32_t m = 0; m < n; ++m)
        appendBytes(b, CalendarMonthEntry{0, 6 + m, 2004, 0});
    for (int32_t m = 0; m < n; ++m) {
        for (int d = 0; d < CALENDAR_DAY_SLOTS; ++d) {
            CalendarDay day{};
            if (m > 0 || d < 30) {
                day.day = d + 1;
                std::snprintf(day.weekday, sizeof day.weekday, "%s",
                              d % 2 ? "Salı"_w : "Çarşamba"_w);
            }
            appendBytes(b, day);
        }
    }
    return b;
}
