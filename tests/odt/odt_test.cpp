// Runs the built odt binary as a maintainer would and checks its files, output and status.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <unistd.h>

#include "tests/database/database_helpers.h"

namespace {

ToolRun odt(const std::string& args) {
    return runTool("menajer-odt", args);
}

} // namespace

TEST(Odt, HelpAndUsage) {
    writeWholeFile("refused.odt", teamFileBytes(1));
    // Help goes to standard output, errors to standard error; a refused file is not dumped. The
    // installed tools' test runs --help and an unknown option.
    const std::tuple<const char*, int, const char*> runs[] = {
        {"help check", 0, "usage: menajer-odt check [--players PLAYERS.odt] FILE\n"},
        {"", 2, "usage: menajer-odt COMMAND"},
        {"help frob", 2, "menajer-odt: unknown command 'frob'; 'menajer-odt --help' lists them\n"},
        {"dump", 2, "menajer-odt dump: expected one FILE\n"},
        {"dump players.txt", 2, "unknown kind of file"},
        {"dump refused.odt", 1, "menajer-odt dump: refused.odt: offset 0: version is 1"},
        {"dump missing.odt", 1,
         "menajer-odt dump: missing.odt: cannot read: No such file or directory\n"},
        {"build missing.csv out.tdt", 1, "missing.csv: cannot read: No such file or directory"},
        {"check --players a.odt b.trh", 2, "--players applies to a team file only"},
        {"check --players missing.odt b.tdt", 1, "--players missing.odt: cannot read"},
    };
    for (const auto& [args, status, expected] : runs) {
        const ToolRun r = odt(args);
        EXPECT_EQ(r.status, status) << args;
        EXPECT_EQ(status ? r.out : "", "") << args;
        const std::string& text = status == 0 ? r.out : r.err;
        EXPECT_NE(text.find(expected), std::string::npos) << args << ": " << text;
    }
}

TEST(Odt, DumpAndBuildReproduceEachKindByteForByte) {
    std::string players3 = playerFileBytes(3);
    players3.replace(12 + 580 * 2 + 4, 48, 48, 'x'); // the longest name a save keeps is sound
    writeWholeFile("round.odt", players3);
    writeWholeFile("round.tdt", teamFileBytes(3));
    writeWholeFile("round.trh", calendarBytes(2));
    // A sound file's check is the generated data set's.
    for (const std::string ext : {".odt", ".tdt", ".trh"}) {
        SCOPED_TRACE(ext);
        ToolRun r = odt("dump round" + ext);
        ASSERT_EQ(r.status, 0) << r.err;
        writeWholeFile("round.csv", r.out);
        r = odt("build round.csv again" + ext);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(readWholeFile("again" + ext) == readWholeFile("round" + ext));
    }

    // Spreadsheet habits are accepted: a byte-order mark, CRLF line ends, blanks around numbers.
    std::string csv = "\xEF\xBB\xBFmonth,year,slot,day,weekday\r\n";
    for (int s = 1; s <= 31; ++s)
        csv += "7, 2004 ," + std::to_string(s) + ",1,Cuma\r\n";
    writeWholeFile("sheet.csv", csv);
    ASSERT_EQ(odt("build sheet.csv sheet.trh").status, 0);
    EXPECT_EQ(odt("dump sheet.trh").out.rfind("month,year,slot,day,weekday\n7,2004,1,1,Cuma\n", 0),
              0u);
}

TEST(Odt, BuildRefusesMalformedCsvNamingLineAndColumn) {
    writeWholeFile("base.odt", playerFileBytes(2));
    const std::string good = odt("dump base.odt").out;
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string s = good;
        const std::size_t p = s.find(from, s.find("\n1,"));
        EXPECT_NE(p, std::string::npos) << from;
        return s.replace(p, from.size(), to);
    };
    const std::string teams = "index,name,squad_size,squad\n",
                      june = "month,year,slot,day,weekday\n6,2004,1,1,Salı\n";
    const std::tuple<std::string, const char*, const char*> cases[] = {
        // CSV, file, message
        {replaced("Şükrü1", "Şü→rü1"), "x.odt", "build: x.csv:3:3: name: '→' (U+2192) has no"},
        {replaced("Şükrü1", std::string(49, 'x')), "x.odt", "x.csv:3:3: name: 49 characters"},
        {replaced("Türkiye", "Tür\"kiye"), "x.odt", "x.csv:3:28: quote inside an unquoted field"},
        {replaced("\"Er, ", "\"Er, \"x"), "x.odt", "x.csv:3:16: text after a closing quote"},
        {good + "2,\"never closed\n", "x.odt", "x.csv:4:3: quoted field is never closed"},
        {replaced("\n1,", "\n2,"), "x.odt", "x.csv:3:1: id: 2, but ids run 0, 1, 2, ... in row"},
        {replaced(",1922,", ",1922,1,"), "x.odt", "x.csv:3:1: row has 49 fields; a player row"},
        {replaced(",1922,", ",19 22,"), "x.odt", "birth_year: \"19 22\" is not a whole number"},
        {replaced(",1922,", ",4294967297,"), "x.odt", "birth_year: 4294967297 is outside"},
        {"id,name,Surname", "x.odt", "x.csv:1:9: header column 3 is \"Surname\""},
        {teams + "0,A,2,1 2 3\n", "x.tdt", "x.csv:2:5: squad_size: 2, but squad lists 3 ids"},
        {teams + "0,A,1,x\n", "x.tdt", "x.csv:2:7: squad: \"x\" is not"},
        {june + "6,2004,3,3,Salı\n", "x.trh", "x.csv:3:8: slot: 3, but the slot before it was 1"},
        {june + "7,2004,2,2,Salı\n", "x.trh", "x.csv:3:1: month and year 7/2004 differ from"},
        {"", "x.trh", "x.csv:1:1: the file is empty"},
    };
    for (const auto& [csv, out, err] : cases) {
        SCOPED_TRACE(err);
        std::remove(out);
        writeWholeFile("x.csv", csv);
        const ToolRun r = odt(std::string("build x.csv ") + out);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(err), std::string::npos) << r.err;
        EXPECT_NE(access(out, F_OK), 0);
    }
}

TEST(Odt, CheckReportsEveryProblemWithItsOffset) {
    writeWholeFile("sound.odt", playerFileBytes(3));
    const std::string players = playerFileBytes(3), teams = teamFileBytes(3);
    std::string unterminated = players;
    std::memset(&unterminated[12 + 580 + 54], 'k', 50);
    // Each file has exactly one problem, found at its offset with the numbers that show it.
    const std::tuple<const char*, std::string, const char*> cases[] = {
        // file, bytes, line
        {"bad.odt", teams, "offset 0: version is 1 (a team file?); a player file has version 2"},
        {"bad.tdt", players, "offset 0: version is 2 (a player file?); a team file has version 1"},
        {"bad.odt", patched(players, 4, -1), "offset 4: count is -1; it must be 0 to 100000"},
        {"bad.odt", players.substr(0, players.size() - 2),
         "offset 1750: the file is 1750 bytes, shorter than the 1752 bytes its count needs (2 "},
        {"bad.odt", players.substr(0, 5),
         "offset 0: the file is 5 bytes, shorter than the 12-byte header, so it reads as version "
         "0"},
        {"bad.odt", unterminated,
         "offset 646: surname of player 1 has no terminator in its 50 bytes; it is read as its "
         "first 49\n"},
        {"bad.odt", patched(players, 12 + 580 * 2, 7), "offset 1172: player 2 has id 7; an id"},
        {"bad.odt", patched(players, 12 + 580 + 424 + 40, 5),
         "offset 1056: the trailing copy of player 1's technical block differs from the record's "
         "own at offset 900 (5, not 18)"},
        {"bad.odt", patched(patched(players, 12 + 348, 4), 12 + 472 + 32, 4),
         "offset 360: preferred_foot of player 0 is 4; it must be 1 to 3"},
        {"bad.odt", players + "xy", "offset 1752: 2 bytes after the last player"},
        {"bad.tdt", patched(teams, 12 + 164, 101),
         "offset 176: squad_size of team 0 (Beşiktaş 0) is 101; it is read as 100"},
        {"bad.tdt --players sound.odt", teams,
         "offset 1320: squad entry 2 of team 2 (Beşiktaş 2) is id 5, outside the player file's "
         "3 players"},
        {"bad.trh", patched(calendarBytes(2), 8 + 16 + 4, 13),
         "offset 28: month 13 of entry 1 is outside 1 to 12"},
    };
    for (const auto& [args, bytes, line] : cases) {
        SCOPED_TRACE(line);
        const std::string file = std::string(args).substr(0, 7);
        writeWholeFile(file, bytes);
        const ToolRun r = odt(std::string("check ") + args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out.rfind(file + ": " + line, 0), 0u) << r.out;
        EXPECT_EQ(r.out.substr(r.out.find('\n') + 1), file + ": 1 problem\n");
    }
}

// An installed tool checks the user's own folder as the game reads it: the files it lacks come
// from the installed data set, and every file is named with where it came from.
TEST(Odt, CheckSetTakesWhatTheUsersFolderLacksFromTheInstalledSet) {
    namespace fs = std::filesystem;
    const fs::path here = fs::current_path();
    fs::create_directories("prefix/bin");
    fs::create_directories("prefix/share/menajer/veri/database");
    fs::copy_file(MENAJER_BIN_DIR "/menajer-odt", "prefix/bin/menajer-odt");
    writeWholeFile("prefix/share/menajer/veri/database/oyuncu.odt", playerFileBytes(12));
    writeWholeFile("prefix/share/menajer/veri/database/takim.tdt", teamFileBytes(2));
    writeWholeFile("prefix/share/menajer/veri/database/tarih.trh", calendarBytes(7));
    const fs::path own = here / "xdg/menajer/veri/database";
    fs::create_directories(own);
    writeWholeFile(own / "takim.tdt", teamFileBytes(5)); // club 4 names player 13
    const auto checkSet = [&](const std::string& dir) {
        const std::string env = "XDG_DATA_HOME='" + (here / "xdg").string() + "'";
        return runTool("menajer-odt", "check-set '" + dir + "'", "prefix/bin", env);
    };
    const std::string installed = (here / "prefix/share/menajer/veri/database").string();
    ToolRun r = checkSet((here / "xdg/menajer/veri").string());
    EXPECT_EQ(r.status, 1) << r.out << r.err; // the installed 12 players lack id 13
    EXPECT_EQ(r.out.substr(0, r.out.find(own.string() + "/takim.tdt: offset")),
              installed + "/oyuncu.odt: installed, as " + own.string() + " lacks it\n" +
                  own.string() + "/takim.tdt: the user's own\n" + installed +
                  "/tarih.trh: installed, as " + own.string() + " lacks it\n" + installed +
                  "/oyuncu.odt: sound player file, 12 players\n");
    EXPECT_NE(r.out.find("squad entry 4 of team 4 (Beşiktaş 4) is id 13"), std::string::npos)
        << r.out;
    EXPECT_EQ(r.err, "");

    // The user's own players too: a sound set.
    writeWholeFile(own / "oyuncu.odt", playerFileBytes(20));
    r = checkSet(own.string());
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find(installed + "/tarih.trh: sound calendar file"), std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1),
              own.string() + ": a sound data set\n");

    // Another folder is a data set of its own: what it lacks is a problem.
    fs::create_directories("other/database");
    fs::copy_file(own / "takim.tdt", "other/database/takim.tdt");
    r = checkSet("other");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("other/database/oyuncu.odt: cannot read"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("other/database/tarih.trh: cannot read"), std::string::npos) << r.err;
}
