#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "database/calendar_data.h"
#include "database/player_database.h"
#include "database/team_database.h"
#include "database_helpers.h"
#include "text/cp1254.h"

namespace {

std::string teamFileBytes(int32_t n) {
    std::string b;
    put32(b, 0, kTeamFileVersion);
    put32(b, 4, n);
    put32(b, 8, 0);
    for (int32_t i = 0; i < n; ++i) {
        TeamRecord t{};
        t.reserved = 1000 + i;
        std::snprintf(t.name, sizeof t.name, "%s %d", "Beşiktaş"_w, i);
        t.squad_size = i;
        for (int j = 0; j < kSquadCapacity; ++j)
            t.squad[j] = j * 3 + i;
        b.append(reinterpret_cast<const char*>(&t), sizeof t);
    }
    return b;
}

std::string calendarBytes(int32_t n) {
    std::string b;
    put32(b, 0, n);
    put32(b, 4, 0);
    b.resize(8 + 16 * n);
    for (int32_t m = 0; m < n; ++m) {
        put32(b, 8 + 16 * m + 4, 6 + m);
        put32(b, 8 + 16 * m + 8, 2004);
    }
    for (int32_t m = 0; m < n; ++m)
        for (int d = 0; d < kCalendarDaySlots; ++d) {
            CalendarDay day{};
            day.day = d + 1;
            std::snprintf(day.weekday, sizeof day.weekday, "%s", d % 2 ? "Salı"_w : "Çarşamba"_w);
            b.append(reinterpret_cast<const char*>(&day), sizeof day);
        }
    return b;
}

} // namespace

TEST(TeamDatabase, ReadsRecordsInFileOrderAndWritesThemBack) {
    const std::string bytes = teamFileBytes(3);
    ASSERT_EQ(bytes.size(), 12u + 568u * 3);
    TeamDatabase teams;
    ASSERT_TRUE(teams.readMemory(bytes.data(), bytes.size()));
    ASSERT_EQ(teams.count, 3);
    EXPECT_STREQ(teams.records[2].name, "Beşiktaş 2"_w);
    EXPECT_EQ(teams.records[2].squad_size, 2);
    EXPECT_EQ(teams.records[2].squad[1], 5);
    EXPECT_EQ(teams.records[0].squad_size, 0);

    ASSERT_TRUE(teams.write("teams.tdt"));
    const std::string back = readWholeFile("teams.tdt");
    ASSERT_EQ(back.size(), bytes.size());
    EXPECT_EQ(back.substr(12), bytes.substr(12));

    const std::string empty = teamFileBytes(0);
    EXPECT_EQ(empty.size(), 12u);
    ASSERT_TRUE(teams.readMemory(empty.data(), empty.size()));
    EXPECT_EQ(teams.count, 0);
}

TEST(TeamDatabase, SquadSizesAreCutIntoRangeAndNamesKeptInTheirField) {
    std::string bytes = teamFileBytes(3);
    put32(bytes, 12 + 164, -4);
    put32(bytes, 12 + 568 + 164, 101);
    std::memset(&bytes[12 + 2 * 568 + 4], 'Z', 160);
    TeamDatabase teams;
    ASSERT_TRUE(teams.readMemory(bytes.data(), bytes.size()));
    EXPECT_EQ(teams.records[0].squad_size, 0);
    EXPECT_EQ(teams.records[1].squad_size, 100);
    EXPECT_EQ(std::strlen(teams.records[2].name), 159u);
    EXPECT_EQ(teams.records[2].squad_size, 2);
}

TEST(TeamDatabase, PlayerAndTeamFilesRefuseEachOther) {
    const std::string players = playerFileBytes(2);
    const std::string teamBytes = teamFileBytes(2);
    LoadReport report;
    TeamDatabase teams;
    ASSERT_TRUE(teams.readMemory(teamBytes.data(), teamBytes.size()));
    EXPECT_FALSE(teams.readMemory(players.data(), players.size(), &report));
    EXPECT_EQ(report.status, LOAD_BAD_VERSION);
    EXPECT_EQ(report.value, 2);
    EXPECT_STREQ(report.message, "Database dosya versionu tutmuyor oyun bunu okuyamaz!!!");
    EXPECT_EQ(teams.count, 0);

    PlayerDatabase db;
    EXPECT_FALSE(db.readMemory(teamBytes.data(), teamBytes.size(), &report));
    EXPECT_EQ(report.status, LOAD_BAD_VERSION);
    EXPECT_EQ(report.value, 1);
}

TEST(TeamDatabase, RefusesBrokenCountsAndShortFiles) {
    const std::string good = teamFileBytes(2);
    std::string negative = good;
    put32(negative, 4, -1);
    std::string huge = good;
    put32(huge, 4, 0x7FFFFFFF);
    const struct {
        std::string bytes;
        LoadStatus status;
    } cases[] = {{negative, LOAD_BAD_COUNT},
                 {huge, LOAD_SHORT_FILE},
                 {good.substr(0, good.size() - 1), LOAD_SHORT_FILE},
                 {good.substr(0, 7), LOAD_BAD_VERSION}};
    for (const auto& c : cases) {
        TeamDatabase teams;
        LoadReport report;
        EXPECT_FALSE(teams.readMemory(c.bytes.data(), c.bytes.size(), &report));
        EXPECT_EQ(report.status, c.status);
        EXPECT_EQ(teams.count, 0);
    }
    TeamDatabase teams;
    LoadReport report;
    EXPECT_FALSE(teams.read("missing.tdt", &report));
    EXPECT_STREQ(report.message, "DATABASE bulunamadi!!!!!!!!!!!!!!!!");
}

TEST(CalendarData, ReadsMonthsAndDayTables) {
    const std::string bytes = calendarBytes(2);
    ASSERT_EQ(bytes.size(), 8u + 1752u * 2);
    CalendarData cal;
    ASSERT_TRUE(cal.readMemory(bytes.data(), bytes.size()));
    ASSERT_EQ(cal.monthCount, 2);
    EXPECT_EQ(cal.months[1].month, 7);
    EXPECT_EQ(cal.months[1].year, 2004);
    EXPECT_EQ(cal.months[1].days[30].day, 31);
    EXPECT_STREQ(cal.months[1].days[1].weekday, "Salı"_w);
    EXPECT_STREQ(cal.months[0].days[0].weekday, "Çarşamba"_w);

    ASSERT_TRUE(cal.write("dates.trh"));
    EXPECT_EQ(readWholeFile("dates.trh"), bytes);

    const std::string empty = calendarBytes(0);
    LoadReport report;
    ASSERT_TRUE(cal.readMemory(empty.data(), empty.size(), &report));
    EXPECT_EQ(cal.monthCount, 0);
    EXPECT_EQ(report.message, nullptr);
}

TEST(CalendarData, RefusesCountsTheFileCannotHold) {
    const std::string good = calendarBytes(2);
    std::string negative = good;
    put32(negative, 0, -3);
    std::string tooMany = good;
    put32(tooMany, 0, 3);
    std::string unterminated = good;
    std::memset(&unterminated[8 + 32 + 4], 'g', 52);
    const struct {
        std::string bytes;
        LoadStatus status;
    } cases[] = {{negative, LOAD_BAD_COUNT},
                 {tooMany, LOAD_SHORT_FILE},
                 {good.substr(0, good.size() - 1), LOAD_SHORT_FILE},
                 {good.substr(0, 4), LOAD_SHORT_FILE}};
    for (const auto& c : cases) {
        CalendarData cal;
        LoadReport report;
        EXPECT_FALSE(cal.readMemory(c.bytes.data(), c.bytes.size(), &report));
        EXPECT_EQ(report.status, c.status);
        EXPECT_STREQ(report.message, "Tarih Bilgileri Okunamadi.!!");
        EXPECT_EQ(cal.monthCount, 0);
    }
    CalendarData cal;
    ASSERT_TRUE(cal.readMemory(unterminated.data(), unterminated.size()));
    EXPECT_EQ(std::strlen(cal.months[0].days[0].weekday), 51u);
    EXPECT_EQ(cal.months[0].days[1].day, 2);

    LoadReport report;
    EXPECT_FALSE(cal.read("missing.trh", &report));
    EXPECT_EQ(report.status, LOAD_NOT_FOUND);
    EXPECT_STREQ(report.message, "Tarih Bilgileri Bulunamadi.!!");
}
