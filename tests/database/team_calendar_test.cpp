#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <type_traits>

#include "database/calendar_data.h"
#include "database/team_database.h"
#include "database_helpers.h"

// The fields' places are the odt tool's dump and build round trip.
TEST(TeamDatabase, SquadSizesInRangeAndNamesInsideTheirField) {
    std::string bytes = teamFileBytes(4);
    put32(bytes, 12 + 164, -4);
    put32(bytes, 12 + 568 + 164, 101);
    std::memset(&bytes[12 + 3 * 568 + 4], 'Z', 160); // a name without its terminator
    TeamDatabase teams;
    ASSERT_TRUE(teams.readMemory(bytes.data(), bytes.size()));
    ASSERT_EQ(teams.count, 4);
    const TeamRecord* t = teams.records.get();
    EXPECT_EQ(std::tuple(t[0].squad_size, t[1].squad_size, t[2].squad_size, t[3].squad_size),
              std::tuple(0, 100, 2, 3)); // clamped into 0 to 100
    EXPECT_EQ(std::strlen(t[3].name), 159u);

    const std::string empty = teamFileBytes(0);
    ASSERT_TRUE(teams.readMemory(empty.data(), empty.size()));
    EXPECT_EQ(teams.count, 0);
}

TEST(CalendarData, WeekdaysInsideTheirFieldAndAnEmptyCalendar) {
    std::string bytes = calendarBytes(2);
    std::memset(&bytes[8 + 32 + 56 * 2 + 4], 'g', 52); // a weekday without its terminator
    CalendarData cal;
    ASSERT_TRUE(cal.readMemory(bytes.data(), bytes.size()));
    ASSERT_EQ(cal.monthCount, 2);
    EXPECT_EQ(std::string(cal.months[0].days[2].weekday), std::string(51, 'g'));

    LoadReport report;
    const std::string empty = calendarBytes(0);
    ASSERT_TRUE(cal.readMemory(empty.data(), empty.size(), &report));
    EXPECT_EQ(std::pair(cal.monthCount, report.message), std::pair(0, (const char*)nullptr));
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
    const char* const UNREADABLE = "Tarih Bilgileri Okunamadi.!!";
    const struct {
        bool team;
        std::string bytes;
        LoadStatus status;
        const char* message;
    } cases[] = {
        {true, playerFileBytes(2), LOAD_BAD_VERSION, WRONG_VERSION},
        {true, teams.substr(0, 7), LOAD_BAD_VERSION, WRONG_VERSION},
        {true, patched(teams, 4, -1), LOAD_BAD_COUNT, BAD_COUNT},
        {true, patched(teams, 4, 0x7FFFFFFF), LOAD_SHORT_FILE, SHORT_FILE},
        {false, patched(months, 0, -3), LOAD_BAD_COUNT, UNREADABLE},
        {false, patched(months, 0, 3), LOAD_SHORT_FILE, UNREADABLE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        LoadReport report;
        EXPECT_EQ(c.team ? countAfterRefusal<TeamDatabase>(teams, c.bytes, report)
                         : countAfterRefusal<CalendarData>(months, c.bytes, report),
                  0);
        EXPECT_EQ(std::pair(report.status, std::string(report.message)),
                  std::pair(c.status, std::string(c.message)));
    }
    LoadReport teamReport, calendarReport;
    EXPECT_FALSE(TeamDatabase().read("missing.tdt", &teamReport));
    EXPECT_FALSE(CalendarData().read("missing.trh", &calendarReport));
    EXPECT_STREQ(teamReport.message, "DATABASE bulunamadi!!!!!!!!!!!!!!!!");
    EXPECT_EQ(std::pair(calendarReport.status, std::string(calendarReport.message)),
              std::pair(LOAD_NOT_FOUND, std::string("Tarih Bilgileri Bulunamadi.!!")));
}
