// The demo football database: fictional clubs of a first division with their squads, and the
// season's calendar, written as the game's three database files.
#pragma once

#include <cstdint>
#include <filesystem>

namespace footballdata {

constexpr int CLUB_COUNT = 18;
constexpr int SQUAD_SIZE = 25;
constexpr int SEASON_MONTHS = 12; // June to May
constexpr int SEASON_FIRST_YEAR = 2004;
constexpr int SEASON_FIRST_MONTH = 6;
constexpr int CALENDAR_FIRST_YEAR = 1900; // the seasons `datagen calendar` writes
constexpr int CALENDAR_LAST_YEAR = 2100;

// oyuncu.odt, takim.tdt and tarih.trh into the folder; false (with a line on standard error)
// on a write failure.
bool writeDemoDatabase(const std::filesystem::path& databaseFolder);

// The calendar of the season from 1 June firstYear to 31 May firstYear + 1.
bool writeSeasonCalendar(const std::filesystem::path& path, int firstYear);

// A player file of `count` generated players for benchmarks (at most the editor's capacity).
bool writePlayerFile(const char* path, int32_t count);

// A team file of `count` clubs of 25 for benchmarks, named after the demo clubs.
constexpr int32_t MAX_TEAMS = 1000000;
bool writeTeamFile(const char* path, int32_t count);

// Day of the week, 0 = Monday, of a date in the Gregorian calendar.
int weekdayIndex(int year, int month, int day);

} // namespace footballdata
