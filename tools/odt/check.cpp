#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/stat.h>

#include "database/calendar_data.h"
#include "database/fixed_text.h"
#include "database/player_database.h"
#include "database/team_database.h"
#include "folders/folders.h"
#include "text/cp1254.h"
#include "tools/odt/odt.h"

const char* const CHECK_HELP =
    "usage: menajer-odt check [--players PLAYERS.odt] FILE\n"
    "\n"
    "Reads a player (.odt), team (.tdt) or calendar (.trh) file as the game and the editor\n"
    "read it and reports every problem, one line each, with its byte offset in the file:\n"
    "  every file: a wrong version, a count out of range, a file shorter than its count\n"
    "              needs, bytes after the last record\n"
    "  players:    an id that differs from its index, a text without a terminator in its\n"
    "              field or longer than 48 characters, trailing block copies that differ\n"
    "              from the record's own, attributes outside 1 to 20, preferred_foot outside\n"
    "              1 to 3, position_count outside 0 to 5, positions outside 0 to 15\n"
    "  teams:      a name without a terminator, a squad_size outside 0 to 100, a negative\n"
    "              squad id, and with --players a squad id outside that player file\n"
    "  calendar:   a month outside 1 to 12, a day outside 0 to 31, a weekday name without\n"
    "              a terminator\n"
    "\n"
    "Exit status 0 when the file is sound, 1 when it has a problem or cannot be read, 2 when\n"
    "the command line is wrong.\n";

const char* const CHECK_SET_HELP =
    "usage: menajer-odt check-set DIR\n"
    "\n"
    "Checks the three files of a data folder together, as 'menajer-odt check' checks each: the\n"
    "players (oyuncu.odt), the teams (takim.tdt) against those players, so a squad naming a\n"
    "player the file lacks is a problem, and the calendar (tarih.trh). DIR is a veri folder\n"
    "(the files in its database/) or the database folder itself. A missing file is a problem,\n"
    "except in the user's own folder ($XDG_DATA_HOME/menajer/veri) of an installed game: the\n"
    "game takes the files it lacks from the installed data set, and so does check-set. Each\n"
    "file checked is named with the folder it came from.\n"
    "\n"
    "Exit status 0 when all three are sound, 1 when one has a problem or cannot be read, 2\n"
    "when the command line is wrong.\n";

namespace {

constexpr uint64_t READ_LIMIT = uint64_t(1) << 30;

class Problems {
public:
    explicit Problems(const std::string& path) : path(path) {}

    void add(uint64_t offset, const char* format, ...) __attribute__((format(printf, 3, 4))) {
        char text[400];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        std::printf("%s: offset %llu: %s\n", path.c_str(), static_cast<unsigned long long>(offset),
                    text);
        ++count;
    }

    std::string path;
    long count = 0;
};

int32_t wordAt(const std::string& bytes, uint64_t offset) {
    int32_t v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

std::string shown(const char* field, std::size_t size) {
    return cp1254::toUtf8(fixed_text::view(field, size));
}

void checkText(Problems& p, const std::string& bytes, uint64_t offset, std::size_t size,
               std::size_t maxChars, const std::string& subject) {
    const char* field = bytes.data() + offset;
    const std::size_t n = fixed_text::length(field, size);
    if (n == size)
        p.add(offset, "%s has no terminator in its %zu bytes; it is read as its first %zu",
              subject.c_str(), size, size - 1);
    else if (n > maxChars)
        p.add(offset, "%s is %zu characters; at most %zu are kept when it is saved",
              subject.c_str(), n, maxChars);
}

void checkTrailing(Problems& p, uint64_t size, uint64_t needed, const char* what) {
    if (size > needed)
        p.add(needed, "%llu bytes after the last %s; no reader uses them (is the count too small?)",
              static_cast<unsigned long long>(size - needed), what);
}

void checkPlayers(Problems& p, const std::string& bytes, const PlayerDatabase& db) {
    const char* const texts[] = {"name", "surname", "country", "language", "birthplace"};
    const char* const blocks[] = {"technical", "physical", "mental", "position"};
    for (int32_t i = 0; i < db.playerCount(); ++i) {
        const uint64_t base = HEADER_SIZE + uint64_t(PLAYER_ENTRY_SIZE) * i;
        const PlayerRecord& r = *db.record(i);
        if (r.id != i) p.add(base, "player %d has id %d; an id must equal its index", i, r.id);
        for (int t = 0; t < 5; ++t)
            checkText(p, bytes, base + PLAYER_COLUMNS[1 + t].offset, PLAYER_TEXT_SIZE,
                      PLAYER_TEXT_CHARS, std::string(texts[t]) + " of player " + std::to_string(i));
        uint64_t copyAt = base + sizeof(PlayerRecord);
        for (int c = 0; c < 4; ++c) {
            const PlayerBlockCopy& copy = PLAYER_BLOCK_COPIES[c];
            for (std::size_t w = 0; w < copy.size; w += 4) {
                if (wordAt(bytes, copyAt + w) != wordAt(bytes, base + copy.recordOffset + w)) {
                    p.add(copyAt + w,
                          "the trailing copy of player %d's %s block differs from the record's "
                          "own at offset %llu (%d, not %d); both programs use the trailing copy",
                          i, blocks[c],
                          static_cast<unsigned long long>(base + copy.recordOffset + w),
                          wordAt(bytes, copyAt + w), wordAt(bytes, base + copy.recordOffset + w));
                    break;
                }
            }
            copyAt += copy.size;
        }
        for (int c = 0; c < PLAYER_COLUMN_COUNT; ++c) {
            const PlayerColumn& col = PLAYER_COLUMNS[c];
            if (col.textSize || col.low > col.high) continue;
            int32_t v;
            std::memcpy(&v, reinterpret_cast<const char*>(&r) + col.offset, 4);
            if (v < col.low || v > col.high)
                p.add(base + col.offset, "%s of player %d is %d; it must be %d to %d", col.name, i,
                      v, col.low, col.high);
        }
    }
}

void checkTeams(Problems& p, const std::string& bytes, const TeamDatabase& db,
                const PlayerDatabase* players) {
    for (int32_t i = 0; i < db.count; ++i) {
        const uint64_t base = HEADER_SIZE + uint64_t(TEAM_RECORD_SIZE) * i;
        const TeamRecord& t = db.records[i];
        checkText(p, bytes, base + 4, TEAM_NAME_SIZE, TEAM_NAME_SIZE - 1,
                  "the name of team " + std::to_string(i));
        const std::string name = shown(t.name, sizeof t.name);
        const int32_t stored = wordAt(bytes, base + 164);
        if (stored != t.squad_size)
            p.add(base + 164, "squad_size of team %d (%s) is %d; it is read as %d", i, name.c_str(),
                  stored, t.squad_size);
        for (int32_t j = 0; j < t.squad_size; ++j) {
            const int32_t id = t.squad[j];
            const uint64_t at = base + 168 + 4 * uint64_t(j);
            if (id < 0)
                p.add(at, "squad entry %d of team %d (%s) is id %d; ids are not negative", j + 1, i,
                      name.c_str(), id);
            else if (players && id >= players->playerCount())
                p.add(at,
                      "squad entry %d of team %d (%s) is id %d, outside the player file's %d "
                      "players",
                      j + 1, i, name.c_str(), id, players->playerCount());
        }
    }
}

void checkCalendar(Problems& p, const std::string& bytes, const CalendarData& cal) {
    for (int32_t m = 0; m < cal.monthCount; ++m) {
        const CalendarMonth& month = cal.months[m];
        if (month.month < 1 || month.month > 12)
            p.add(CALENDAR_HEADER_SIZE + CALENDAR_MONTH_SIZE * m + 4,
                  "month %d of entry %d is outside 1 to 12", month.month, m);
        const uint64_t table = CALENDAR_HEADER_SIZE +
                               uint64_t(CALENDAR_MONTH_SIZE) * cal.monthCount +
                               uint64_t(CALENDAR_DAY_SLOTS) * CALENDAR_DAY_SIZE * m;
        for (int s = 0; s < CALENDAR_DAY_SLOTS; ++s) {
            const uint64_t at = table + uint64_t(CALENDAR_DAY_SIZE) * s;
            if (month.days[s].day < 0 || month.days[s].day > 31)
                p.add(at, "day %d in slot %d of entry %d is outside 1 to 31 (0 for none)",
                      month.days[s].day, s + 1, m);
            checkText(p, bytes, at + 4, CALENDAR_WEEKDAY_SIZE, CALENDAR_WEEKDAY_SIZE - 1,
                      "the weekday name in slot " + std::to_string(s + 1) + " of entry " +
                          std::to_string(m));
        }
    }
}

// Reads the player file a team file is checked against; false (after a line on standard
// error) when it cannot be read or is refused.
bool readPlayers(const std::string& path, PlayerDatabase& players) {
    std::string bytes;
    LoadReport report;
    if (!readFile(path, bytes, READ_LIMIT)) {
        std::fprintf(stderr, "menajer-odt check: --players %s: cannot read: %s\n", path.c_str(),
                     std::strerror(errno));
        return false;
    }
    if (!players.readMemory(bytes.data(), bytes.size(), &report)) {
        std::fprintf(stderr, "menajer-odt check: --players %s: offset %lld: %s\n", path.c_str(),
                     static_cast<long long>(report.offset),
                     explainRefusal(report, KIND_PLAYERS, bytes.size()).c_str());
        return false;
    }
    return true;
}

// Checks one file, a team file against `players` when given, and prints what it found.
int checkFile(const std::string& path, FileKind kind, const PlayerDatabase* players) {
    std::string bytes;
    if (!readFile(path, bytes, READ_LIMIT)) {
        std::fprintf(stderr, "menajer-odt check: %s: cannot read: %s\n", path.c_str(),
                     std::strerror(errno));
        return EXIT_BAD_FILE;
    }
    Problems problems(path);
    LoadReport report;
    PlayerDatabase db;
    TeamDatabase teams;
    CalendarData calendar;
    bool read = false;
    uint64_t needed = 0;
    long records = 0;
    const char* what = "";
    switch (kind) {
    case KIND_PLAYERS:
        read = db.readMemory(bytes.data(), bytes.size(), &report);
        records = db.playerCount();
        needed = HEADER_SIZE + uint64_t(PLAYER_ENTRY_SIZE) * records;
        what = "player";
        if (read) checkPlayers(problems, bytes, db);
        break;
    case KIND_TEAMS:
        read = teams.readMemory(bytes.data(), bytes.size(), &report);
        records = teams.count;
        needed = HEADER_SIZE + uint64_t(TEAM_RECORD_SIZE) * records;
        what = "team";
        if (read) checkTeams(problems, bytes, teams, players);
        break;
    case KIND_CALENDAR:
        read = calendar.readMemory(bytes.data(), bytes.size(), &report);
        records = calendar.monthCount;
        needed = CALENDAR_HEADER_SIZE + uint64_t(CALENDAR_BYTES_PER_MONTH) * records;
        what = "month";
        if (read) checkCalendar(problems, bytes, calendar);
        break;
    }
    if (!read) {
        problems.add(uint64_t(report.offset), "%s; the programs refuse the whole file",
                     explainRefusal(report, kind, bytes.size()).c_str());
    } else {
        checkTrailing(problems, bytes.size(), needed, what);
    }
    if (problems.count) {
        std::printf("%s: %ld problem%s\n", path.c_str(), problems.count,
                    problems.count == 1 ? "" : "s");
        return EXIT_BAD_FILE;
    }
    std::printf("%s: sound %s, %ld %s%s\n", path.c_str(), kindName(kind), records, what,
                records == 1 ? "" : "s");
    return EXIT_OK;
}

// Where check-set takes each file from: the folder given, and under it the installed data set
// when that folder is the user's own of an installed game, as the game reads them.
struct DataFolders {
    std::string own;       // the database folder given
    std::string installed; // empty: none under it

    std::string file(const char* name) const {
        const std::string mine = own + "/" + name;
        std::error_code ec;
        if (installed.empty() || std::filesystem::exists(mine, ec)) {
            if (!installed.empty()) std::printf("%s: the user's own\n", mine.c_str());
            return mine;
        }
        const std::string theirs = installed + "/" + name;
        std::printf("%s: installed, as %s lacks it\n", theirs.c_str(), own.c_str());
        return theirs;
    }
};

DataFolders dataFolders(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path user = folders::userFolder();
    const fs::path installed = folders::installedTree() / "veri" / "database";
    const bool usersOwn =
        !user.empty() && fs::equivalent(folder, folders::userData(user) / "database", ec);
    if (!usersOwn || !fs::is_directory(installed, ec)) return {folder, {}};
    return {folder, installed.lexically_normal().string()};
}

} // namespace

int runCheck(int argc, char** argv) {
    std::string path, playersPath;
    bool withPlayers = false;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--players" && i + 1 < argc) {
            playersPath = argv[++i];
            withPlayers = true;
        } else if (arg.rfind("--players=", 0) == 0) {
            playersPath = arg.substr(10);
            withPlayers = true;
        } else if (arg == "--players") {
            std::fprintf(stderr, "menajer-odt check: --players needs a player file\n%s",
                         CHECK_HELP);
            return EXIT_USAGE;
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::fprintf(stderr, "menajer-odt check: unknown option %s\n%s", arg.c_str(),
                         CHECK_HELP);
            return EXIT_USAGE;
        } else if (path.empty()) {
            path = arg;
        } else {
            std::fprintf(stderr, "menajer-odt check: expected one FILE\n%s", CHECK_HELP);
            return EXIT_USAGE;
        }
    }
    if (path.empty()) {
        std::fprintf(stderr, "menajer-odt check: expected a FILE\n%s", CHECK_HELP);
        return EXIT_USAGE;
    }
    FileKind kind;
    if (!kindOfPath(path, kind)) {
        std::fprintf(stderr,
                     "menajer-odt check: %s: unknown kind of file; expected .odt, .tdt or .trh\n",
                     path.c_str());
        return EXIT_USAGE;
    }
    if (withPlayers && kind != KIND_TEAMS) {
        std::fprintf(stderr, "menajer-odt check: --players applies to a team file only\n");
        return EXIT_USAGE;
    }
    PlayerDatabase players;
    if (withPlayers && !readPlayers(playersPath, players)) return EXIT_BAD_FILE;
    return checkFile(path, kind, withPlayers ? &players : nullptr);
}

int runCheckSet(int argc, char** argv) {
    if (argc != 1 || argv[0][0] == '-') {
        std::fprintf(stderr, "menajer-odt check-set: expected one DIR\n%s", CHECK_SET_HELP);
        return EXIT_USAGE;
    }
    std::string folder = argv[0];
    struct stat info;
    if (stat((folder + "/database").c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        folder += "/database";
    const DataFolders from = dataFolders(folder);
    const std::string playersPath = from.file("oyuncu.odt");
    const std::string teamsPath = from.file("takim.tdt");
    const std::string calendarPath = from.file("tarih.trh");
    int status = checkFile(playersPath, KIND_PLAYERS, nullptr);
    // The squads are checked against any player file the programs would read, sound or not.
    std::string bytes;
    PlayerDatabase players;
    const bool withPlayers =
        readFile(playersPath, bytes, READ_LIMIT) && players.readMemory(bytes.data(), bytes.size());
    status = std::max(status, checkFile(teamsPath, KIND_TEAMS, withPlayers ? &players : nullptr));
    status = std::max(status, checkFile(calendarPath, KIND_CALENDAR, nullptr));
    std::printf("%s: %s\n", argv[0],
                status == EXIT_OK ? "a sound data set" : "the data set has problems");
    return status;
}
