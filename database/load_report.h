// How a database reader tells its caller why a file was refused. The readers never show
// anything: the game puts `message` in its message box, the editor and odt use the rest.
#pragma once

#include <cstdint>

enum LoadStatus : int32_t {
    LOAD_OK = 0,
    LOAD_NOT_FOUND,   // cannot be opened, or not a regular file
    LOAD_BAD_VERSION, // includes a file shorter than its header (read as version 0)
    LOAD_BAD_COUNT,   // negative, or above what the format allows
    LOAD_SHORT_FILE,  // fewer bytes than the count needs
    LOAD_NO_MEMORY,
};

struct LoadReport {
    LoadStatus status = LOAD_OK;
    int64_t offset = 0;            // file offset of the offending item
    int64_t value = 0;             // what was found there: version, count or file size
    int64_t expected = 0;          // what was needed: version, limit or file size
    const char* message = nullptr; // the game's Windows-1254 text; null when loaded
};

// Fills the report (if asked for) and answers false, for a reader's early return.
inline bool refuseLoad(LoadReport* report, LoadStatus status, int64_t offset, int64_t value,
                       int64_t expected, const char* message) {
    if (report) *report = LoadReport{status, offset, value, expected, message};
    return false;
}

// The game's texts, shared by the game and the editor.
namespace db_text {
extern const char* const NOT_FOUND;        // player or team file missing
extern const char* const WRONG_VERSION;    // player or team file of another version
extern const char* const BAD_COUNT;        // count negative or too large
extern const char* const SHORT_FILE;       // file shorter than its count needs
extern const char* const NO_MEMORY;        // no room for the records
extern const char* const CALENDAR_MISSING; // calendar file missing
extern const char* const CALENDAR_BROKEN;  // calendar count negative or beyond the file
} // namespace db_text
