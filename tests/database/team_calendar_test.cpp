#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "database/calendar_data.h"
#include "database/team_database.h"
#include "database_helpers.h"

TEST(TeamDatabase, ReadsRecordsInFileOrderWithSquadSizesInRange) {
    std::string bytes = teamFileBytes(4);
    ASSERT_EQ(bytes.size(), 12u + 568u * 4);
    put32(bytes, 12 + 164, -4);
    put32(bytes, 12 + 568 + 164, 101);
    std::memset(&bytes[12 + 3 * 568 + 4], 'Z', 160); // a name without its terminator
    TeamDatabase teams;
    ASSERT_TRUE(teams.readMemory(bytes.data(), bytes.size()));
    ASSERT_EQ(teams.count, 4);
    EXPECT_EQ(teams.records[0].squad_size, 0);
    EXPECT_EQ(teams.records[1].squad_size, 100);
    EXPECT_STREQ(teams.records[2].name, "Beşiktaş 2"_w);
    EXPECT_EQ(teams.records[2].squad_size, 2);
    EXPECT_EQ(teams.records[2].squad[1], 5);
    EXPECT_EQ(std::strlen(teams.records[3].name), 159u);
    EXPECT_EQ(teams.records[3].squad_size, 3);

    const std::string empty = teamFileBytes(0);
    ASSERT_TRUE(teams.readMemory(empty.data(), empty.size()));
    EXPECT_EQ(teams.count, 0);
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
        {playerFileBytes(2), LOAD_BAD_VERSION, kWrongVersion},
        {good.substr(0, 7), LOAD_BAD_VERSION, kWrongVersion},
        {negative, LOAD_BAD_COUNT, kBadCount},
        {huge, LOAD_SHORT_FILE, kShortFile},
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
    std::string bytes = calendarBytes(2);
    ASSERT_EQ(bytes.size(), 8u + 1752u * 2);
    std::memset(&bytes[8 + 32 + 56 * 2 + 4], 'g', 52); // a weekday without its terminator
    CalendarData cal;
    ASSERT_TRUE(cal.readMemory(bytes.data(), bytes.size()));
    ASSERT_EQ(cal.monthCount, 2);
    EXPECT_EQ(cal.months[1].month, 7);
    EXPECT_EQ(cal.months[1].year, 2004);
    EXPECT_EQ(cal.months[1].days[30].day, 31);
    EXPECT_STREQ(cal.months[1].days[1].weekday, "Salı"_w);
    EXPECT_STREQ(cal.months[0].days[0].weekday, "Çarşamba"_w);
    EXPECT_EQ(std::string(cal.months[0].days[2].weekday), std::string(51, 'g'));
    EXPECT_EQ(cal.months[0].days[3].day, 4);

    LoadReport report;
    const std::string empty = calendarBytes(0);
    ASSERT_TRUE(cal.readMemory(empty.data(), empty.size(), &report));
    EXPECT_EQ(cal.monthCount, 0);
    EXPECT_EQ(report.message, nullptr);
}

TEST(CalendarData, RefusesCountsTheFileCannotHold) {
    const std::string good = calendarBytes(2);
    std::string negative = good, tooMany = good;
    put32(negative, 0, -3);
    put32(tooMany, 0, 3);
    const struct {
        std::string bytes;
        LoadStatus status;
    } cases[] = {{negative, LOAD_BAD_COUNT}, {tooMany, LOAD_SHORT_FILE}};
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
    LoadReport report;
    EXPECT_FALSE(cal.read("missing.trh", &report));
    EXPECT_EQ(report.status, LOAD_NOT_FOUND);
    EXPECT_STREQ(report.message, "Tarih Bilgileri Bulunamadi.!!");
}
