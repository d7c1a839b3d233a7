// odt: dumps, builds and checks the player, team and calendar files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "database/load_report.h"

enum FileKind { KIND_PLAYERS, KIND_TEAMS, KIND_CALENDAR };

// Exit statuses.
constexpr int EXIT_OK = 0;
constexpr int EXIT_BAD_FILE = 1; // unreadable, refused, malformed or with problems
constexpr int EXIT_USAGE = 2;

// The kind named by a path's extension (.odt, .tdt, .trh, any case).
bool kindOfPath(const std::string& path, FileKind& kind);
const char* kindName(FileKind kind);

// A refused load in plain words; fileSize is what the file held.
std::string explainRefusal(const LoadReport& report, FileKind kind, uint64_t fileSize);

// Reads a whole file; false with errno set when it cannot.
bool readFile(const std::string& path, std::string& bytes, uint64_t limit);

// One column of the player CSV: where it lives in the record and what it may hold.
struct PlayerColumn {
    const char* name;
    std::size_t offset;
    std::size_t textSize; // 0 for an int32
    int32_t low;          // the range check applies when low <= high
    int32_t high;
};
extern const PlayerColumn PLAYER_COLUMNS[];
extern const int PLAYER_COLUMN_COUNT;

int runDump(int argc, char** argv);
int runBuild(int argc, char** argv);
int runCheck(int argc, char** argv);
int runCheckSet(int argc, char** argv);

extern const char* const DUMP_HELP;
extern const char* const BUILD_HELP;
extern const char* const CHECK_HELP;
extern const char* const CHECK_SET_HELP;
