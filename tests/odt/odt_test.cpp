// Runs the built odt binary as a maintainer would and checks its files, output and status.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "database/calendar_data.h"
#include "database/player_database.h"
#include "database/team_database.h"
#include "text/cp1254.h"

namespace {

struct OdtRun {
    int status;
    std::string out;
    std::string err;
};

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void spit(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

bool exists(const std::string& path) {
    return std::ifstream(path).good();
}

OdtRun odt(const std::string& args) {
    const std::string command =
        std::string("'") + MENAJER_BIN_DIR + "/odt' " + args + " >odt.out 2>odt.err";
    const int raw = std::system(command.c_str());
    return OdtRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp("odt.out"), slurp("odt.err")};
}

PlayerRecord player(int32_t id) {
    PlayerRecord r = newPlayerRecord();
    std::snprintf(r.name, sizeof r.name, "%s%d", "Çağlar"_w, id);
    std::snprintf(r.surname, sizeof r.surname, "%s", id == 1 ? "Er, \"Kara\"" : "Ilıcalı"_w);
    std::snprintf(r.country, sizeof r.country, "%s", "Türkiye"_w);
    std::snprintf(r.language, sizeof r.language, "%s", "Türkçe"_w);
    std::snprintf(r.birthplace, sizeof r.birthplace, "%s", "Şanlıurfa"_w);
    r.birth_day = 3 + id;
    r.birth_month = 11;
    r.birth_year = 1980 + id;
    r.technical.long_shots = 7;
    r.technical.long_throws = 9;
    r.physical.preferred_foot = 3;
    r.mental.flair = 20;
    r.position.position_count = 2;
    r.position.positions[1] = 15;
    return r;
}

void writePlayers(const char* path, int32_t n) {
    PlayerDatabase db;
    ASSERT_TRUE(db.init());
    for (int32_t i = 0; i < n; ++i)
        ASSERT_TRUE(db.append(player(i)));
    ASSERT_TRUE(db.write(path));
}

void writeTeams(const char* path) {
    TeamDatabase teams;
    ASSERT_TRUE(teams.resize(2));
    std::snprintf(teams.records[0].name, kTeamNameSize, "%s", "Gençlerbirliği"_w);
    teams.records[0].squad_size = 3;
    teams.records[0].squad[0] = 2;
    teams.records[0].squad[1] = 0;
    teams.records[0].squad[2] = 1;
    std::snprintf(teams.records[1].name, kTeamNameSize, "%s", "Boş, takım"_w);
    ASSERT_TRUE(teams.write(path));
}

void writeCalendar(const char* path) {
    CalendarData cal;
    ASSERT_TRUE(cal.resize(2));
    for (int m = 0; m < 2; ++m) {
        cal.months[m].month = 6 + m;
        cal.months[m].year = 2004;
        for (int d = 0; d < 30 + m; ++d) {
            cal.months[m].days[d].day = d + 1;
            std::snprintf(cal.months[m].days[d].weekday, kWeekdaySize, "%s",
                          d % 2 ? "Perşembe"_w : "Salı"_w);
        }
    }
    ASSERT_TRUE(cal.write(path));
}

const char* const kPlayerHeader =
    "id,name,surname,country,language,birthplace,birth_day,birth_month,birth_year,finishing,"
    "set_pieces,heading,marking,crossing,passing,penalties,technique,tackling,dribbling,"
    "long_shots,long_throws,stamina,balance,strength,pace,acceleration,jumping,agility,"
    "goalkeeping,preferred_foot,determination,bravery,decisions,positioning,aggression,"
    "influence,teamwork,off_the_ball,creativity,work_rate,anticipation,flair,position_count,"
    "position1,position2,position3,position4,position5\n";

} // namespace

TEST(Odt, HelpAndUsage) {
    OdtRun r = odt("--help");
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"dump FILE", "build CSV OUT", "check [--players PLAYERS] FILE"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    const struct {
        const char* args;
        const char* usage;
    } commands[] = {{"dump --help", "usage: odt dump FILE\n"},
                    {"build x.csv --help", "usage: odt build CSV OUT\n"},
                    {"help check", "usage: odt check [--players PLAYERS.odt] FILE\n"}};
    for (const auto& c : commands) {
        r = odt(c.args);
        EXPECT_EQ(r.status, 0) << c.args;
        EXPECT_EQ(r.out.rfind(c.usage, 0), 0u) << r.out;
    }

    const struct {
        const char* args;
        int status;
        const char* err;
    } errors[] = {
        {"", 2, "usage: odt COMMAND"},
        {"frob", 2, "odt: unknown command 'frob'; 'odt --help' lists them\n"},
        {"dump", 2, "odt dump: expected one FILE\n"},
        {"dump players.txt", 2, "unknown kind of file"},
        {"dump missing.odt", 1, "odt dump: missing.odt: cannot read: No such file or directory\n"},
        {"build missing.csv out.tdt", 1, "missing.csv: cannot read: No such file or directory"},
        {"check --frob x.odt", 2, "odt check: unknown option --frob"},
        {"check missing.trh", 1, "cannot read: No such file or directory"},
        {"check --players a.odt b.trh", 2, "--players applies to a team file only"},
        {"check --players missing.odt b.tdt", 1, "--players missing.odt: cannot read"},
    };
    for (const auto& e : errors) {
        r = odt(e.args);
        EXPECT_EQ(r.status, e.status) << e.args;
        EXPECT_NE(r.err.find(e.err), std::string::npos) << e.args << ": " << r.err;
    }
}

TEST(Odt, DumpAndBuildReproduceEachKindByteForByte) {
    writePlayers("round.odt", 3);
    writeTeams("round.tdt");
    writeCalendar("round.trh");
    for (const char* name : {"round.odt", "round.tdt", "round.trh"}) {
        SCOPED_TRACE(name);
        OdtRun r = odt(std::string("dump ") + name);
        ASSERT_EQ(r.status, 0) << r.err;
        spit("round.csv", r.out);
        const std::string out = std::string("again") + std::strchr(name, '.');
        r = odt("build round.csv " + out);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(slurp(out), slurp(name));
        r = odt("check " + out);
        EXPECT_EQ(r.status, 0) << r.out;
    }

    // The CSV itself: field names, UTF-8 Turkish letters, quoting, squads and empty slots.
    const std::string players = odt("dump round.odt").out;
    ASSERT_EQ(players.rfind(kPlayerHeader, 0), 0u);
    EXPECT_NE(players.find("\n1,Çağlar1,\"Er, \"\"Kara\"\"\",Türkiye,Türkçe,Şanlıurfa,4,11,1981,"
                           "1,1,1,1,1,1,1,1,1,1,7,9,1,1,1,1,1,1,1,1,3,"
                           "1,1,1,1,1,1,1,1,1,1,1,20,2,0,15,0,0,0\n"),
              std::string::npos)
        << players;
    EXPECT_EQ(odt("dump round.tdt").out,
              "index,name,squad_size,squad\n0,Gençlerbirliği,3,2 0 1\n1,\"Boş, takım\",0,\n");
    const std::string calendar = odt("dump round.trh").out;
    EXPECT_EQ(
        calendar.rfind("month,year,slot,day,weekday\n6,2004,1,1,Salı\n6,2004,2,2,Perşembe\n", 0),
        0u);
    EXPECT_NE(calendar.find("\n6,2004,31,0,\n7,2004,1,1,Salı\n"), std::string::npos);

    // Spreadsheet habits are accepted: a byte-order mark, CRLF line ends, blanks around numbers.
    std::string csv = "\xEF\xBB\xBFmonth,year,slot,day,weekday\r\n";
    for (int s = 1; s <= 31; ++s)
        csv += "7, 2004 ," + std::to_string(s) + ",1,Cuma\r\n";
    spit("sheet.csv", csv);
    ASSERT_EQ(odt("build sheet.csv sheet.trh").status, 0);
    CalendarData cal;
    ASSERT_TRUE(cal.read("sheet.trh"));
    EXPECT_EQ(cal.monthCount, 1);
    EXPECT_EQ(cal.months[0].year, 2004);
}

TEST(Odt, BuildRefusesMalformedCsvNamingLineAndColumn) {
    writePlayers("base.odt", 2);
    const std::string good = odt("dump base.odt").out;
    const std::size_t row2 = good.find("\n1,") + 1;
    auto replaced = [&](const std::string& from, const std::string& to, std::size_t at = 0) {
        std::string s = good;
        const std::size_t p = s.find(from, at);
        EXPECT_NE(p, std::string::npos) << from;
        return s.replace(p, from.size(), to);
    };
    const std::string longName(49, 'x');
    const struct {
        std::string csv;
        const char* out;
        const char* err;
    } cases[] = {
        {replaced("Çağlar1", "Ça→lar1"), "x.odt",
         "odt build: x.csv:3:3: name: '→' (U+2192) has no Windows-1254 character"},
        {replaced("Çağlar1", longName), "x.odt", "x.csv:3:3: name: 49 characters; at most 48 fit"},
        {replaced("Türkiye", "Tür\"kiye", row2), "x.odt", "x.csv:3:"},
        {replaced("\"Er, ", "\"Er, \"x"), "x.odt", "x.csv:3:17: text after a closing quote"},
        {good + "2,\"never closed\n", "x.odt", "x.csv:4:3: quoted field is never closed"},
        {replaced("surname", "Surname"), "x.odt", "x.csv:1:9: header column 3 is \"Surname\""},
        {replaced("\n1,", "\n2,"), "x.odt",
         "x.csv:3:1: id: 2, but ids run 0, 1, 2, ... in row order and this row needs 1"},
        {replaced(",1981,", ",1981,1,"), "x.odt",
         "x.csv:3:1: row has 49 fields; a player row has 48"},
        {replaced(",1981,", ",19 81,"), "x.odt", "birth_year: \"19 81\" is not a whole number"},
        {replaced(",1981,", ",4294967297,"), "x.odt", "birth_year: 4294967297 is outside"},
        {"index,name,squad_size,squad\n0,A,2,1 2 3\n", "x.tdt",
         "x.csv:2:5: squad_size: 2, but squad lists 3 ids"},
        {"index,name,squad_size,squad\n0,A,1,x\n", "x.tdt", "x.csv:2:7: squad: \"x\" is not"},
        {"month,year,slot,day,weekday\n6,2004,1,1,Salı\n6,2004,3,3,Salı\n", "x.trh",
         "x.csv:3:8: slot: 3, but the slot before it was 1"},
        {"month,year,slot,day,weekday\n6,2004,1,1,Salı\n7,2004,2,2,Salı\n", "x.trh",
         "x.csv:3:1: month and year 7/2004 differ from 6/2004"},
        {"", "x.trh", "x.csv:1:1: the file is empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.err);
        std::remove(c.out);
        spit("x.csv", c.csv);
        const OdtRun r = odt(std::string("build x.csv ") + c.out);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        EXPECT_FALSE(exists(c.out));
    }
}

TEST(Odt, CheckReportsEveryProblemWithItsOffset) {
    writePlayers("sound.odt", 3);
    writeTeams("sound.tdt");
    writeCalendar("sound.trh");
    OdtRun r = odt("check sound.odt");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "sound.odt: sound player file, 3 players\n");
    r = odt("check --players sound.odt sound.tdt");
    EXPECT_EQ(r.status, 0) << r.out;

    const std::string players = slurp("sound.odt");
    auto patched = [](std::string bytes, std::size_t offset, int32_t v) {
        std::memcpy(&bytes[offset], &v, 4);
        return bytes;
    };
    std::string unterminated = players;
    std::memset(&unterminated[12 + 580 + 54], 'k', 50);
    std::string teamTooBig = slurp("sound.tdt");
    teamTooBig = patched(teamTooBig, 12 + 164, 101);
    const struct {
        const char* file;
        std::string bytes;
        const char* args;
        std::vector<const char*> lines;
    } cases[] = {
        {"bad.odt",
         slurp("sound.tdt"),
         "",
         {"bad.odt: offset 0: version is 1 (a team file?); a player file has version 2; the "
          "programs refuse the whole file\n",
          "bad.odt: 1 problem\n"}},
        {"bad.tdt", players, "", {"bad.tdt: offset 0: version is 2 (a player file?)"}},
        {"bad.odt", patched(players, 4, -1), "", {"offset 4: count is -1; it must be 0 to 100000"}},
        {"bad.odt",
         players.substr(0, players.size() - 2),
         "",
         {"offset 1750: the file is 1750 bytes, shorter than the 1752 bytes its count needs"}},
        {"bad.odt",
         players.substr(0, 5),
         "",
         {"the file is 5 bytes, shorter than the 12-byte header"}},
        {"bad.odt",
         unterminated,
         "",
         {"offset 646: surname of player 1 has no terminator in its 50 bytes"}},
        {"bad.odt",
         patched(players, 12 + 580 * 2, 7),
         "",
         {"offset 1172: player 2 has id 7; an id must equal its index"}},
        {"bad.odt",
         patched(players, 12 + 580 + 424 + 40, 5),
         "",
         {"offset 1056: the trailing copy of player 1's technical block differs from the "
          "record's own at offset 900 (5, not 7)"}},
        {"bad.odt",
         patched(patched(players, 12 + 348, 4), 12 + 472 + 32, 4),
         "",
         {"offset 360: preferred_foot of player 0 is 4; it must be 1 to 3"}},
        {"bad.odt", players + "xy", "", {"offset 1752: 2 bytes after the last player"}},
        {"bad.tdt", teamTooBig, "", {"offset 176: squad_size of team 0 (Gençlerbirliği) is 101"}},
        {"bad.tdt",
         slurp("sound.tdt"),
         "--players base.odt",
         {"offset 180: squad entry 1 of team 0 (Gençlerbirliği) is id 2, outside the player "
          "file's 2 players\n",
          "bad.tdt: 1 problem\n"}},
        {"bad.trh",
         patched(slurp("sound.trh"), 8 + 16 + 4, 13),
         "",
         {"offset 28: month 13 of entry 1 is outside 1 to 12"}},
        {"bad.trh",
         patched(slurp("sound.trh"), 0, 3),
         "",
         {"offset 3512: the file is 3512 bytes, shorter than the 5264 bytes"}},
    };
    writePlayers("base.odt", 2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines[0]);
        spit(c.file, c.bytes);
        r = odt(std::string("check ") + c.args + " " + c.file);
        EXPECT_EQ(r.status, 1);
        for (const char* line : c.lines)
            EXPECT_NE(r.out.find(line), std::string::npos) << r.out;
    }

    // A refused file is not dumped.
    spit("bad.odt", slurp("sound.tdt"));
    r = odt("dump bad.odt");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "odt dump: bad.odt: offset 0: version is 1 (a team file?); a player file has "
                     "version 2\n");
}
