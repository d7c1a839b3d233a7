#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "database/calendar_data.h"
#include "database/fixed_text.h"
#include "database/player_database.h"
#include "database/team_database.h"
#include "text/cp1254.h"
#include "tools/odt/csv.h"
#include "tools/odt/odt.h"

const char* const DUMP_HELP =
    "usage: menajer-odt dump FILE\n"
    "\n"
    "Prints a player (.odt), team (.tdt) or calendar (.trh) file as CSV in UTF-8 on standard\n"
    "output, read the way the game reads it, with a header row of the field names.\n"
    "\n"
    "Columns:\n"
    "  players:  id,name,surname,country,language,birthplace,birth_day,birth_month,birth_year,\n"
    "            finishing,set_pieces,heading,marking,crossing,passing,penalties,technique,\n"
    "            tackling,dribbling,long_shots,long_throws,\n"
    "            stamina,balance,strength,pace,acceleration,jumping,agility,goalkeeping,\n"
    "            preferred_foot,\n"
    "            determination,bravery,decisions,positioning,aggression,influence,teamwork,\n"
    "            off_the_ball,creativity,work_rate,anticipation,flair,\n"
    "            position_count,position1,position2,position3,position4,position5\n"
    "  teams:    index,name,squad_size,squad (the squad's player ids separated by blanks)\n"
    "  calendar: month,year,slot,day,weekday (31 rows per month, slots 1 to 31)\n"
    "\n"
    "A file the game would refuse is not printed; the reason goes to standard error and the\n"
    "exit status is 1. 'menajer-odt check' lists every problem of a file.\n";

namespace {

constexpr uint64_t READ_LIMIT = uint64_t(1) << 30;

void appendText(std::string& out, const char* field, std::size_t size) {
    appendCsvField(out, cp1254::toUtf8(fixed_text::view(field, size)));
}

void appendInt(std::string& out, int32_t v) {
    out += std::to_string(v);
}

void flushRow(std::string& row) {
    row += '\n';
    std::fwrite(row.data(), 1, row.size(), stdout);
    row.clear();
}

void dumpPlayers(const PlayerDatabase& db) {
    std::string row;
    for (int c = 0; c < PLAYER_COLUMN_COUNT; ++c) {
        if (c) row += ',';
        row += PLAYER_COLUMNS[c].name;
    }
    flushRow(row);
    for (int32_t i = 0; i < db.playerCount(); ++i) {
        const char* raw = reinterpret_cast<const char*>(db.record(i));
        for (int c = 0; c < PLAYER_COLUMN_COUNT; ++c) {
            const PlayerColumn& col = PLAYER_COLUMNS[c];
            if (c) row += ',';
            if (col.textSize) {
                appendText(row, raw + col.offset, col.textSize);
            } else {
                int32_t v;
                std::memcpy(&v, raw + col.offset, 4);
                appendInt(row, v);
            }
        }
        flushRow(row);
    }
}

void dumpTeams(const TeamDatabase& db) {
    std::string row = "index,name,squad_size,squad";
    flushRow(row);
    for (int32_t i = 0; i < db.count; ++i) {
        const TeamRecord& t = db.records[i];
        appendInt(row, i);
        row += ',';
        appendText(row, t.name, sizeof t.name);
        row += ',';
        appendInt(row, t.squad_size);
        row += ',';
        for (int32_t j = 0; j < t.squad_size; ++j) {
            if (j) row += ' ';
            appendInt(row, t.squad[j]);
        }
        flushRow(row);
    }
}

void dumpCalendar(const CalendarData& cal) {
    std::string row = "month,year,slot,day,weekday";
    flushRow(row);
    for (int32_t m = 0; m < cal.monthCount; ++m) {
        const CalendarMonth& month = cal.months[m];
        for (int s = 0; s < CALENDAR_DAY_SLOTS; ++s) {
            appendInt(row, month.month);
            row += ',';
            appendInt(row, month.year);
            row += ',';
            appendInt(row, s + 1);
            row += ',';
            appendInt(row, month.days[s].day);
            row += ',';
            appendText(row, month.days[s].weekday, CALENDAR_WEEKDAY_SIZE);
            flushRow(row);
        }
    }
}

} // namespace

int runDump(int argc, char** argv) {
    if (argc != 1) {
        std::fprintf(stderr, "menajer-odt dump: expected one FILE\n%s", DUMP_HELP);
        return EXIT_USAGE;
    }
    const std::string path = argv[0];
    FileKind kind;
    if (!kindOfPath(path, kind)) {
        std::fprintf(stderr, "menajer-odt dump: %s: unknown kind of file; expected .odt, .tdt or .trh\n",
                     path.c_str());
        return EXIT_USAGE;
    }
    std::string bytes;
    if (!readFile(path, bytes, READ_LIMIT)) {
        std::fprintf(stderr, "menajer-odt dump: %s: cannot read: %s\n", path.c_str(), std::strerror(errno));
        return EXIT_BAD_FILE;
    }
    LoadReport report;
    PlayerDatabase players;
    TeamDatabase teams;
    CalendarData calendar;
    bool ok = false;
    switch (kind) {
    case KIND_PLAYERS:
        ok = players.readMemory(bytes.data(), bytes.size(), &report);
        break;
    case KIND_TEAMS:
        ok = teams.readMemory(bytes.data(), bytes.size(), &report);
        break;
    case KIND_CALENDAR:
        ok = calendar.readMemory(bytes.data(), bytes.size(), &report);
        break;
    }
    if (!ok) {
        std::fprintf(stderr, "menajer-odt dump: %s: offset %lld: %s\n", path.c_str(),
                     static_cast<long long>(report.offset),
                     explainRefusal(report, kind, bytes.size()).c_str());
        return EXIT_BAD_FILE;
    }
    switch (kind) {
    case KIND_PLAYERS:
        dumpPlayers(players);
        break;
    case KIND_TEAMS:
        dumpTeams(teams);
        break;
    case KIND_CALENDAR:
        dumpCalendar(calendar);
        break;
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "menajer-odt dump: cannot write the output: %s\n", std::strerror(errno));
        return EXIT_BAD_FILE;
    }
    return EXIT_OK;
}
