// The demo football database: fictional clubs of a first division with their squads, and the
// season's calendar, written as the game's three database files.
#pragma once

#include <cstdint>
#include <filesystem>

namespace footballdata {

constexpr int kClubCount = 18;
constexpr int kSquadSize = 25;
constexpr int kSeasonMonths = 12; // June to May
constexpr int kSeasonFirstYear = 2004;
constexpr int kSeasonFirstMonth = 6;
constexpr int kCalendarFirstYear = 1900; // the seasons `datagen calendar` writes
constexpr int kCalendarLastYear = 2100;

// oyuncu.odt, takim.tdt and tarih.trh into the folder; false (with a line on standard error)
// on a write failure.
bool writeDemoDatabase(const std::filesystem::path& databaseFolder);

// The calendar of the season from 1 June firstYear to 31 May firstYear + 1.
bool writeSeasonCalendar(const std::filesystem::path& path, int firstYear);

// A player file of `count` generated players for benchmarks (at most the editor's capacity).
bool writePlayerFile(const char* path, int32_t count);

// A team file of `count` clubs of 25 for benchmarks, named after the demo clubs.
constexpr int32_t kMaxTeams = 1000000;
bool writeTeamFile(const char* path, int32_t count);

// Day of the week, 0 = Monday, of a date in the Gregorian calendar.
int weekdayIndex(int year, int month, int day);

} // namespace footballdata
