#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <type_traits>

#include "database/calendar_data.h"
#include "database/team_database.h"
#include "database_helpers.h"

TEST(TeamDatabase, ReadsRecordsInFileOrderWithSquadSizesInRange) {
    std::string bytes = teamFileBytes(4);
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

TEST(CalendarData, ReadsMonthsAndDayTables) {
    std::string bytes = calendarBytes(2);
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

// A refused file empties the list that held a good one.
template <class List>
int32_t countAfterRefusal(const std::string& good, const std::string& bad, LoadReport& report) {
    List list;
    EXPECT_TRUE(list.readMemory(good.data(), good.size()));
    EXPECT_FALSE(list.readMemory(bad.data(), bad.size(), &report));
    if constexpr (std::is_same_v<List, TeamDatabase>)
        return list.count;
    else
        return list.monthCount;
}

TEST(TeamAndCalendar, RefusalsLeaveTheListEmpty) {
    const std::string teams = teamFileBytes(2), months = calendarBytes(2);
    const char* const kUnreadable = "Tarih Bilgileri Okunamadi.!!";
    const struct {
        bool team;
        std::string bytes;
        LoadStatus status;
        const char* message;
    } cases[] = {
        {true, playerFileBytes(2), LOAD_BAD_VERSION, kWrongVersion},
        {true, teams.substr(0, 7), LOAD_BAD_VERSION, kWrongVersion},
        {true, patched(teams, 4, -1), LOAD_BAD_COUNT, kBadCount},
        {true, patched(teams, 4, 0x7FFFFFFF), LOAD_SHORT_FILE, kShortFile},
        {false, patched(months, 0, -3), LOAD_BAD_COUNT, kUnreadable},
        {false, patched(months, 0, 3), LOAD_SHORT_FILE, kUnreadable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        LoadReport report;
        EXPECT_EQ(c.team ? countAfterRefusal<TeamDatabase>(teams, c.bytes, report)
                         : countAfterRefusal<CalendarData>(months, c.bytes, report),
                  0);
        EXPECT_EQ(report.status, c.status);
        EXPECT_STREQ(report.message, c.message);
    }
    TeamDatabase teamList;
    CalendarData calendar;
    LoadReport teamReport, calendarReport;
    EXPECT_FALSE(teamList.read("missing.tdt", &teamReport));
    EXPECT_STREQ(teamReport.message, "DATABASE bulunamadi!!!!!!!!!!!!!!!!");
    EXPECT_FALSE(calendar.read("missing.trh", &calendarReport));
    EXPECT_EQ(calendarReport.status, LOAD_NOT_FOUND);
    EXPECT_STREQ(calendarReport.message, "Tarih Bilgileri Bulunamadi.!!");
}
