#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "database/calendar_data.h"
#include "database/team_database.h"
#include "database_helpers.h"

TEST(TeamDatabase, ReadsRecordsInFileOrder) {
    const std::string bytes = teamFileBytes(3);
    ASSERT_EQ(bytes.size(), 12u + 568u * 3);
    TeamDatabase teams;
    ASSERT_TRUE(teams.readMemory(bytes.data(), bytes.size()));
    ASSERT_EQ(teams.count, 3);
    EXPECT_STREQ(teams.records[2].name, "Beşiktaş 2"_w);
    EXPECT_EQ(teams.records[2].squad_size, 2);
    EXPECT_EQ(teams.records[2].squad[1], 5);
    EXPECT_EQ(teams.records[0].squad_size, 0);

    const std::string empty = teamFileBytes(0);
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

TEST(TeamDatabase, RefusalsLeaveTheListEmpty) {
    const std::string good = teamFileBytes(2);
    std::string negative = good, huge = good;
    put32(negative, 4, -1);
    put32(huge, 4, 0x7FFFFFFF);
    const struct {
        std::string bytes;
        LoadStatus status;
        const char* message;
    } cases[] = {
        {playerFileBytes(2), LOAD_BAD_VERSION,
         "Database dosya versionu tutmuyor oyun bunu okuyamaz!!!"},
        {good.substr(0, 7), LOAD_BAD_VERSION,
         "Database dosya versionu tutmuyor oyun bunu okuyamaz!!!"},
        {negative, LOAD_BAD_COUNT, "Database kayit sayisi tutmuyor oyun bunu okuyamaz!!!"},
        {huge, LOAD_SHORT_FILE, "Database dosyasi eksik oyun bunu okuyamaz!!!"},
        {good.substr(0, good.size() - 1), LOAD_SHORT_FILE,
         "Database dosyasi eksik oyun bunu okuyamaz!!!"},
    };
    for (const auto& c : cases) {
        TeamDatabase teams;
        ASSERT_TRUE(teams.readMemory(good.data(), good.size()));
        LoadReport report;
        EXPECT_FALSE(teams.readMemory(c.bytes.data(), c.bytes.size(), &report));
        EXPECT_EQ(report.status, c.status);
        EXPECT_STREQ(report.message, c.message);
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

    LoadReport report;
    const std::string empty = calendarBytes(0);
    ASSERT_TRUE(cal.readMemory(empty.data(), empty.size(), &report));
    EXPECT_EQ(cal.monthCount, 0);
    EXPECT_EQ(report.message, nullptr);
}

TEST(CalendarData, RefusesCountsTheFileCannotHold) {
    const std::string good = calendarBytes(2);
    std::string negative = good, tooMany = good, unterminated = good;
    put32(negative, 0, -3);
    put32(tooMany, 0, 3);
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
        ASSERT_TRUE(cal.readMemory(good.data(), good.size()));
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
