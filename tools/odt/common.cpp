#include <cerrno>
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <sys/stat.h>

#include "database/calendar_data.h"
#include "database/player_record.h"
#include "database/team_database.h"
#include "tools/odt/odt.h"

bool kindOfPath(const std::string& path, FileKind& kind) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return false;
    const char* ext = path.c_str() + dot + 1;
    if (strcasecmp(ext, "odt") == 0)
        kind = KIND_PLAYERS;
    else if (strcasecmp(ext, "tdt") == 0)
        kind = KIND_TEAMS;
    else if (strcasecmp(ext, "trh") == 0)
        kind = KIND_CALENDAR;
    else
        return false;
    return true;
}

const char* kindName(FileKind kind) {
    switch (kind) {
    case KIND_PLAYERS:
        return "player file";
    case KIND_TEAMS:
        return "team file";
    case KIND_CALENDAR:
        return "calendar file";
    }
    return "file";
}

std::string explainRefusal(const LoadReport& r, FileKind kind, uint64_t fileSize) {
    char text[300];
    const long long value = r.value, expected = r.expected;
    const unsigned long long size = fileSize;
    const char* other = "";
    switch (r.status) {
    case LOAD_OK:
        return "read without a problem";
    case LOAD_NOT_FOUND:
        std::snprintf(text, sizeof text, "cannot be opened");
        break;
    case LOAD_BAD_VERSION:
        if (fileSize < HEADER_SIZE) {
            std::snprintf(text, sizeof text,
                          "the file is %llu bytes, shorter than the 12-byte header, so it reads "
                          "as version 0; a %s has version %lld",
                          size, kindName(kind), expected);
            break;
        }
        if (kind == KIND_PLAYERS && value == TEAM_FILE_VERSION) other = " (a team file?)";
        if (kind == KIND_TEAMS && value == PLAYER_FILE_VERSION) other = " (a player file?)";
        std::snprintf(text, sizeof text, "version is %lld%s; a %s has version %lld", value, other,
                      kindName(kind), expected);
        break;
    case LOAD_BAD_COUNT:
        if (kind == KIND_PLAYERS)
            std::snprintf(text, sizeof text, "count is %lld; it must be 0 to %lld", value,
                          expected);
        else
            std::snprintf(text, sizeof text, "count is %lld; it must not be negative", value);
        break;
    case LOAD_SHORT_FILE:
        std::snprintf(text, sizeof text,
                      "the file is %llu bytes, shorter than the %lld bytes its count needs "
                      "(%lld missing)",
                      size, expected, expected - static_cast<long long>(size));
        break;
    case LOAD_NO_MEMORY:
        std::snprintf(text, sizeof text, "not enough memory for the records");
        break;
    }
    return text;
}

bool readFile(const std::string& path, std::string& bytes, uint64_t limit) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    struct stat st;
    int refusal = 0;
    if (fstat(fileno(f), &st) != 0)
        refusal = errno;
    else if (S_ISDIR(st.st_mode))
        refusal = EISDIR;
    else if (!S_ISREG(st.st_mode))
        refusal = EINVAL;
    else if (uint64_t(st.st_size) > limit)
        refusal = EFBIG;
    if (refusal) {
        std::fclose(f);
        errno = refusal;
        return false;
    }
    bytes.resize(std::size_t(st.st_size));
    const bool ok = std::fread(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const int saved = errno;
    std::fclose(f);
    errno = ok ? 0 : (saved ? saved : EIO);
    return ok;
}

const PlayerColumn PLAYER_COLUMNS[] = {
    {"id", 0, 0, 1, 0},
    {"name", 4, 50, 1, 0},
    {"surname", 54, 50, 1, 0},
    {"country", 104, 50, 1, 0},
    {"language", 154, 50, 1, 0},
    {"birthplace", 204, 50, 1, 0},
    {"birth_day", 256, 0, 1, 0},
    {"birth_month", 260, 0, 1, 0},
    {"birth_year", 264, 0, 1, 0},
    {"finishing", 268, 0, 1, 20},
    {"set_pieces", 272, 0, 1, 20},
    {"heading", 276, 0, 1, 20},
    {"marking", 280, 0, 1, 20},
    {"crossing", 284, 0, 1, 20},
    {"passing", 288, 0, 1, 20},
    {"penalties", 292, 0, 1, 20},
    {"technique", 296, 0, 1, 20},
    {"tackling", 300, 0, 1, 20},
    {"dribbling", 304, 0, 1, 20},
    {"long_shots", 308, 0, 1, 20},
    {"long_throws", 312, 0, 1, 20},
    {"stamina", 316, 0, 1, 20},
    {"balance", 320, 0, 1, 20},
    {"strength", 324, 0, 1, 20},
    {"pace", 328, 0, 1, 20},
    {"acceleration", 332, 0, 1, 20},
    {"jumping", 336, 0, 1, 20},
    {"agility", 340, 0, 1, 20},
    {"goalkeeping", 344, 0, 1, 20},
    {"preferred_foot", 348, 0, 1, 3},
    {"determination", 352, 0, 1, 20},
    {"bravery", 356, 0, 1, 20},
    {"decisions", 360, 0, 1, 20},
    {"positioning", 364, 0, 1, 20},
    {"aggression", 368, 0, 1, 20},
    {"influence", 372, 0, 1, 20},
    {"teamwork", 376, 0, 1, 20},
    {"off_the_ball", 380, 0, 1, 20},
    {"creativity", 384, 0, 1, 20},
    {"work_rate", 388, 0, 1, 20},
    {"anticipation", 392, 0, 1, 20},
    {"flair", 396, 0, 1, 20},
    {"position_count", 400, 0, 0, POSITION_SLOTS},
    {"position1", 404, 0, 0, POSITION_CODES - 1},
    {"position2", 408, 0, 0, POSITION_CODES - 1},
    {"position3", 412, 0, 0, POSITION_CODES - 1},
    {"position4", 416, 0, 0, POSITION_CODES - 1},
    {"position5", 420, 0, 0, POSITION_CODES - 1},
};
const int PLAYER_COLUMN_COUNT = int(sizeof PLAYER_COLUMNS / sizeof PLAYER_COLUMNS[0]);
static_assert(sizeof PLAYER_COLUMNS / sizeof PLAYER_COLUMNS[0] == 48);
