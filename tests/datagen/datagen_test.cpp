// Runs the built generator as the build does and checks the demo data set it writes.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "database/calendar_data.h"
#include "database/player_database.h"
#include "database/team_database.h"
#include "render/image_bitmap.h"
#include "tests/database/database_helpers.h"
#include "tools/datagen/football_data.h"

namespace fs = std::filesystem;

namespace {

int run(const std::string& tool, const std::string& args) {
    return runTool(tool, args).status;
}

// One generated data set shared by the tests of this file.
const fs::path& veri() {
    static const fs::path folder = [] {
        fs::remove_all("first");
        EXPECT_EQ(run("menajer-datagen", "first"), 0) << readWholeFile("err.txt");
        return fs::path("first");
    }();
    return folder;
}

} // namespace

TEST(Datagen, SameSoundSetOnEveryRun) {
    const ToolRun check = runTool("menajer-odt", "check-set " + veri().string());
    EXPECT_EQ(check.status, 0) << check.out << check.err;
    fs::remove_all("second");
    ASSERT_EQ(run("menajer-datagen", "second"), 0);
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(veri())) {
        if (!entry.is_regular_file()) continue;
        const fs::path other = "second" / fs::relative(entry.path(), veri());
        EXPECT_TRUE(readWholeFile(entry.path()) == readWholeFile(other)) << other;
        ++files;
    }
    EXPECT_GE(files, 14);
    EXPECT_TRUE(fs::is_directory(veri() / "ekrang") && fs::is_empty(veri() / "ekrang"));
}

TEST(Datagen, ClubsAndSquads) {
    PlayerDatabase players;
    TeamDatabase teams;
    ASSERT_TRUE(players.read((veri() / "database/oyuncu.odt").c_str()));
    ASSERT_TRUE(teams.read((veri() / "database/takim.tdt").c_str()));
    ASSERT_EQ(teams.count, 18);

    std::vector<int> squadsOf(size_t(players.playerCount()), 0);
    for (int t = 0; t < teams.count; ++t) {
        const TeamRecord& team = teams.records[t];
        ASSERT_EQ(team.squad_size, 25) << t;
        int roles[4] = {}; // goalkeepers, defenders, midfielders, forwards
        for (int i = 0; i < team.squad_size; ++i) {
            const PlayerRecord* p = players.record(team.squad[i]);
            ASSERT_NE(p, nullptr) << "team " << t << " entry " << i;
            ++squadsOf[size_t(team.squad[i])];
            const int first = p->position.positions[0];
            ++roles[first == 0 ? 0 : first <= 3 ? 1 : first >= 7 && first <= 9 ? 3 : 2];
        }
        for (int r = 0; r < 4; ++r)
            EXPECT_GE(roles[r], 3) << "team " << t << " role " << r;
    }
    for (int n : squadsOf)
        EXPECT_EQ(n, 1); // every player in exactly one squad
}

// The game draws byte c from cell (c % 16, c / 16), counted from the top, and advances 10 of its
// 32 columns: a glyph must sit whole inside those columns of its own cell. How the letters look
// and line up is the screens' reference pictures.
TEST(Datagen, FontGlyphsSitWholeInTheirCells) {
    const ImagePtr font = readBitmap((veri() / "fnt/cr.bmp").c_str());
    ASSERT_TRUE(font && font->width == 512 && font->height == 512);
    const auto ink = [&](int byte, int x, int y) { // y from the cell's top; the file is bottom-up
        return font->pixels[(size_t(511 - byte / 16 * 32 - y) * 512 + byte % 16 * 32 + x) * 3];
    };
    for (int byte = 0; byte < 256; ++byte) {
        bool inside = true;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                inside = inside && (!ink(byte, x, y) || (x >= 1 && x <= 18 && y >= 1 && y <= 30));
        EXPECT_TRUE(inside) << byte;
    }
}

namespace {

// The season from June firstYear to May firstYear + 1, day by day against std::chrono.
void expectSeason(const fs::path& file, int firstYear) {
    using namespace std::chrono;
    const char* names[7] = {"Pazar"_w,    "Pazartesi"_w, "Salı"_w,     "Çarşamba"_w,
                            "Perşembe"_w, "Cuma"_w,      "Cumartesi"_w}; // from Sunday
    SCOPED_TRACE(firstYear);
    CalendarData calendar;
    ASSERT_TRUE(calendar.read(file.c_str()));
    ASSERT_EQ(calendar.monthCount, 12);
    year_month ym = year{firstYear} / June;
    for (int m = 0; m < 12; ++m, ym += months(1)) {
        const CalendarMonth& month = calendar.months[m];
        ASSERT_EQ(month.year, int(ym.year()));
        ASSERT_EQ(month.month, int(unsigned(ym.month())));
        const unsigned last = unsigned((ym / std::chrono::last).day());
        for (unsigned d = 1; d <= 31; ++d) {
            const CalendarDay& slot = month.days[d - 1];
            const bool real = d <= last;
            const weekday wd{sys_days{ym / std::chrono::day{real ? d : 1}}};
            ASSERT_EQ(slot.day, real ? int(d) : 0) << m << "/" << d;
            ASSERT_STREQ(slot.weekday, real ? names[wd.c_encoding()] : "") << m << "/" << d;
        }
    }
}

} // namespace

TEST(Datagen, CalendarsMatchTheRealOnes) {
    ASSERT_NO_FATAL_FAILURE(expectSeason(veri() / "database/tarih.trh", 2004));
    for (int year = 1900; year <= 2100; ++year) {
        ASSERT_TRUE(footballdata::writeSeasonCalendar("season.trh", year));
        ASSERT_NO_FATAL_FAILURE(expectSeason("season.trh", year));
    }
    for (const char* year : {"1899", "2101", "-2004", "2004x", ""}) {
        fs::remove("refused.trh");
        EXPECT_EQ(run("menajer-datagen", std::string("calendar '") + year + "' refused.trh"), 2)
            << year;
        EXPECT_EQ(readWholeFile("err.txt"),
                  "menajer-datagen: YEAR must be a number from 1900 to 2100\n");
        EXPECT_FALSE(fs::exists("refused.trh"));
    }
}

TEST(Datagen, BenchmarkPlayerFiles) {
    for (const char* refused : {"100001", "-1", "x"}) {
        fs::remove("big.odt");
        EXPECT_EQ(run("menajer-datagen", std::string("--players ") + refused + " big.odt"), 2);
        EXPECT_FALSE(fs::exists("big.odt")) << refused;
    }
    EXPECT_EQ(run("menajer-datagen", ""), 2);
    for (int32_t n : {0, 1000, 100000}) {
        ASSERT_EQ(run("menajer-datagen", "--players " + std::to_string(n) + " big.odt"), 0);
        PlayerDatabase players;
        ASSERT_TRUE(players.read("big.odt"));
        ASSERT_EQ(players.playerCount(), n);
        EXPECT_EQ(n ? players.record(n - 1)->id : -1, n - 1);
    }
}
