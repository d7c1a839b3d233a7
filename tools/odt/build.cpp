#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "database/calendar_data.h"
#include "database/player_database.h"
#include "database/team_database.h"
#include "text/cp1254.h"
#include "tools/odt/csv.h"
#include "tools/odt/odt.h"

const char* const BUILD_HELP =
    "usage: menajer-odt build CSV OUT\n"
    "\n"
    "Writes the player (.odt), team (.tdt) or calendar (.trh) file, chosen by OUT's extension,\n"
    "that 'menajer-odt dump' would print as CSV. The CSV is UTF-8 with the header row and\n"
    "columns that 'menajer-odt dump' prints (see 'menajer-odt dump --help'); fields holding\n"
    "commas, quotes or line breaks are put in double quotes, a quote inside them written twice.\n"
    "\n"
    "Rules:\n"
    "  players:  ids run 0, 1, 2, ... in row order; texts hold at most 48 characters;\n"
    "            at most 100000 players\n"
    "  teams:    index runs 0, 1, 2, ... in row order; names hold at most 159 characters;\n"
    "            squad_size is the number of ids in squad, at most 100\n"
    "  calendar: rows of a month run slot 1, 2, 3, ... with the same month and year; slot 1\n"
    "            starts the next month; missing slots at a month's end are left empty;\n"
    "            weekday names hold at most 51 characters\n"
    "Every text must have a Windows-1254 character for each of its letters; nothing is\n"
    "changed silently. Numbers are whole 32-bit numbers. Fields the files leave unused are\n"
    "written as zeros. OUT is replaced only when the whole file has been written.\n"
    "\n"
    "A problem is reported as CSV:LINE:COLUMN with the column's name, and nothing is written;\n"
    "the exit status is then 1.\n";

namespace {

constexpr uint64_t READ_LIMIT = uint64_t(1) << 30;

class Builder {
public:
    explicit Builder(const std::string& csvPath) : csv(csvPath) {}

    bool fail(int line, int column, const char* format, ...) __attribute__((format(printf, 4, 5))) {
        char text[1200];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        std::fprintf(stderr, "menajer-odt build: %s:%d:%d: %s\n", csv.c_str(), line, column, text);
        return false;
    }

    bool parseInt(const CsvField& f, const char* column, int32_t& out) {
        std::size_t b = 0, e = f.text.size();
        while (b < e && (f.text[b] == ' ' || f.text[b] == '\t'))
            ++b;
        while (e > b && (f.text[e - 1] == ' ' || f.text[e - 1] == '\t'))
            --e;
        return parseNumber(f, column, std::string_view(f.text).substr(b, e - b), out);
    }

    bool parseNumber(const CsvField& f, const char* column, std::string_view s, int32_t& out) {
        std::size_t i = 0;
        const bool negative = !s.empty() && s[0] == '-';
        if (!s.empty() && (s[0] == '-' || s[0] == '+')) ++i;
        if (i == s.size())
            return fail(f.line, f.column, "%s: \"%s\" is not a whole number", column,
                        f.text.c_str());
        long long v = 0;
        for (; i < s.size(); ++i) {
            if (s[i] < '0' || s[i] > '9')
                return fail(f.line, f.column, "%s: \"%s\" is not a whole number", column,
                            f.text.c_str());
            v = v * 10 + (s[i] - '0');
            if (v > 1LL << 32) break;
        }
        if (negative) v = -v;
        if (v < INT32_MIN || v > INT32_MAX)
            return fail(f.line, f.column, "%s: %s is outside the 32-bit range", column,
                        f.text.c_str());
        out = int32_t(v);
        return true;
    }

    // UTF-8 to the field's Windows-1254 bytes, refusing what would not come back unchanged.
    bool parseText(const CsvField& f, const char* column, std::size_t maxChars, char* field) {
        std::string bytes;
        std::size_t bad = 0;
        if (!cp1254::fromUtf8(f.text, bytes, &bad)) {
            std::size_t i = bad;
            const long cp = cp1254::decodeUtf8(f.text, i);
            if (cp < 0)
                return fail(f.line, f.column, "%s: not valid UTF-8 at byte %zu of the text", column,
                            bad + 1);
            return fail(f.line, f.column,
                        "%s: '%s' (U+%04lX) has no Windows-1254 character; the text is refused "
                        "rather than changed",
                        column, f.text.substr(bad, i - bad).c_str(), cp);
        }
        if (bytes.find('\0') != std::string::npos)
            return fail(f.line, f.column, "%s: a text cannot hold a NUL character", column);
        if (bytes.size() > maxChars)
            return fail(f.line, f.column, "%s: %zu characters; at most %zu fit", column,
                        bytes.size(), maxChars);
        std::memcpy(field, bytes.data(), bytes.size());
        return true;
    }

    bool header(CsvReader& reader, const std::vector<const char*>& names) {
        std::vector<CsvField> row;
        if (!reader.next(row))
            return syntaxOr(reader, 1, "the file is empty; it needs a header row");
        std::string expected;
        for (const char* n : names)
            expected += std::string(expected.empty() ? "" : ",") + n;
        for (std::size_t c = 0; c < names.size() || c < row.size(); ++c) {
            if (c >= row.size())
                return fail(row.back().line, row.back().column,
                            "header ends after %zu columns; expected %s", row.size(),
                            expected.c_str());
            if (c >= names.size() || row[c].text != names[c])
                return fail(row[c].line, row[c].column, "header column %zu is \"%s\"; expected %s",
                            c + 1, row[c].text.c_str(), expected.c_str());
        }
        return true;
    }

    bool syntaxOr(const CsvReader& reader, int line, const char* message) {
        if (reader.failed())
            return fail(reader.lastError().line, reader.lastError().column, "%s",
                        reader.lastError().message.c_str());
        return fail(line, 1, "%s", message);
    }

    bool width(const std::vector<CsvField>& row, std::size_t columns, const char* what) {
        if (row.size() == columns) return true;
        return fail(row[0].line, row[0].column, "row has %zu fields; %s row has %zu", row.size(),
                    what, columns);
    }

    std::string csv;
};

bool written(bool ok, const std::string& out) {
    if (!ok)
        std::fprintf(stderr, "menajer-odt build: cannot write %s: %s\n", out.c_str(), std::strerror(errno));
    return ok;
}

bool buildPlayers(Builder& b, CsvReader& reader, const std::string& out) {
    std::vector<const char*> names;
    for (int c = 0; c < PLAYER_COLUMN_COUNT; ++c)
        names.push_back(PLAYER_COLUMNS[c].name);
    if (!b.header(reader, names)) return false;
    PlayerDatabase db;
    if (!db.init()) return b.fail(1, 1, "not enough memory for 100000 players");
    std::vector<CsvField> row;
    while (reader.next(row)) {
        if (!b.width(row, names.size(), "a player")) return false;
        PlayerRecord r{};
        char* raw = reinterpret_cast<char*>(&r);
        for (int c = 0; c < PLAYER_COLUMN_COUNT; ++c) {
            const PlayerColumn& col = PLAYER_COLUMNS[c];
            if (col.textSize) {
                if (!b.parseText(row[c], col.name, PLAYER_TEXT_CHARS, raw + col.offset))
                    return false;
            } else {
                int32_t v;
                if (!b.parseInt(row[c], col.name, v)) return false;
                std::memcpy(raw + col.offset, &v, 4);
            }
        }
        if (r.id != db.playerCount())
            return b.fail(row[0].line, row[0].column,
                          "id: %d, but ids run 0, 1, 2, ... in row order and this row needs %d",
                          r.id, db.playerCount());
        if (!db.append(r))
            return b.fail(row[0].line, row[0].column, "more than %d players", PLAYER_CAPACITY);
        *db.record(r.id) = r; // every column as given, not a new player's starting values
    }
    if (reader.failed()) return b.syntaxOr(reader, 0, "");
    return written(db.write(out.c_str()), out);
}

bool buildTeams(Builder& b, CsvReader& reader, const std::string& out) {
    if (!b.header(reader, {"index", "name", "squad_size", "squad"})) return false;
    std::vector<TeamRecord> teams;
    std::vector<CsvField> row;
    while (reader.next(row)) {
        if (!b.width(row, 4, "a team")) return false;
        TeamRecord t{};
        int32_t index;
        if (!b.parseInt(row[0], "index", index)) return false;
        if (index != int32_t(teams.size()))
            return b.fail(row[0].line, row[0].column,
                          "index: %d, but indices run 0, 1, 2, ... in row order and this row "
                          "needs %zu",
                          index, teams.size());
        if (!b.parseText(row[1], "name", TEAM_NAME_SIZE - 1, t.name)) return false;
        if (!b.parseInt(row[2], "squad_size", t.squad_size)) return false;
        int32_t n = 0;
        const std::string& s = row[3].text;
        for (std::size_t i = 0; i < s.size();) {
            if (s[i] == ' ' || s[i] == '\t') {
                ++i;
                continue;
            }
            std::size_t e = i;
            while (e < s.size() && s[e] != ' ' && s[e] != '\t')
                ++e;
            if (n == SQUAD_CAPACITY)
                return b.fail(row[3].line, row[3].column, "squad: more than %d ids",
                              SQUAD_CAPACITY);
            if (!b.parseNumber(row[3], "squad", std::string_view(s).substr(i, e - i), t.squad[n]))
                return false;
            ++n;
            i = e;
        }
        if (t.squad_size != n)
            return b.fail(row[2].line, row[2].column, "squad_size: %d, but squad lists %d ids",
                          t.squad_size, n);
        teams.push_back(t);
        if (teams.size() > size_t(INT32_MAX / TEAM_RECORD_SIZE))
            return b.fail(row[0].line, row[0].column, "too many teams");
    }
    if (reader.failed()) return b.syntaxOr(reader, 0, "");
    TeamDatabase db;
    if (!db.resize(int32_t(teams.size()))) return b.fail(1, 1, "not enough memory");
    for (std::size_t i = 0; i < teams.size(); ++i)
        db.records[i] = teams[i];
    return written(db.write(out.c_str()), out);
}

bool buildCalendar(Builder& b, CsvReader& reader, const std::string& out) {
    if (!b.header(reader, {"month", "year", "slot", "day", "weekday"})) return false;
    std::vector<CalendarMonth> months;
    int lastSlot = 0;
    std::vector<CsvField> row;
    while (reader.next(row)) {
        if (!b.width(row, 5, "a calendar")) return false;
        int32_t month, year, slot, day;
        if (!b.parseInt(row[0], "month", month) || !b.parseInt(row[1], "year", year) ||
            !b.parseInt(row[2], "slot", slot) || !b.parseInt(row[3], "day", day))
            return false;
        if (slot < 1 || slot > CALENDAR_DAY_SLOTS)
            return b.fail(row[2].line, row[2].column, "slot: %d; slots run 1 to %d", slot,
                          CALENDAR_DAY_SLOTS);
        if (slot == 1) {
            months.push_back(CalendarMonth{});
            months.back().month = month;
            months.back().year = year;
        } else if (months.empty() || slot != lastSlot + 1) {
            return b.fail(row[2].line, row[2].column,
                          "slot: %d, but the slot before it was %d; a month's rows run 1, 2, 3, "
                          "... and slot 1 starts a month",
                          slot, months.empty() ? 0 : lastSlot);
        } else if (months.back().month != month || months.back().year != year) {
            return b.fail(row[0].line, row[0].column,
                          "month and year %d/%d differ from %d/%d of this month's slot 1", month,
                          year, months.back().month, months.back().year);
        }
        lastSlot = slot;
        CalendarDay& d = months.back().days[slot - 1];
        d.day = day;
        if (!b.parseText(row[4], "weekday", CALENDAR_WEEKDAY_SIZE - 1, d.weekday)) return false;
        if (months.size() > size_t(INT32_MAX / CALENDAR_BYTES_PER_MONTH))
            return b.fail(row[0].line, row[0].column, "too many months");
    }
    if (reader.failed()) return b.syntaxOr(reader, 0, "");
    CalendarData cal;
    if (!cal.resize(int32_t(months.size()))) return b.fail(1, 1, "not enough memory");
    for (std::size_t i = 0; i < months.size(); ++i)
        cal.months[i] = months[i];
    return written(cal.write(out.c_str()), out);
}

} // namespace

int runBuild(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "menajer-odt build: expected CSV and OUT\n%s", BUILD_HELP);
        return EXIT_USAGE;
    }
    const std::string csvPath = argv[0], out = argv[1];
    FileKind kind;
    if (!kindOfPath(out, kind)) {
        std::fprintf(stderr,
                     "menajer-odt build: %s: unknown kind of file; OUT must end in .odt, .tdt or .trh\n",
                     out.c_str());
        return EXIT_USAGE;
    }
    std::string text;
    if (!readFile(csvPath, text, READ_LIMIT)) {
        std::fprintf(stderr, "menajer-odt build: %s: cannot read: %s\n", csvPath.c_str(),
                     std::strerror(errno));
        return EXIT_BAD_FILE;
    }
    Builder builder(csvPath);
    CsvReader reader(text);
    bool ok = false;
    switch (kind) {
    case KIND_PLAYERS:
        ok = buildPlayers(builder, reader, out);
        break;
    case KIND_TEAMS:
        ok = buildTeams(builder, reader, out);
        break;
    case KIND_CALENDAR:
        ok = buildCalendar(builder, reader, out);
        break;
    }
    return ok ? EXIT_OK : EXIT_BAD_FILE;
}
