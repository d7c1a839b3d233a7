// The demo football database: fictional clubs of a first division with their squads, and the
// season's calendar, written as the game's three database files.
#pragma once

#include <cstdint>
#include <filesystem>

namespace footballdata {

constexpr int kClubCount = 18;
constexpr int kSquadSize = 25;
constexpr int kSeasonMonths = 12; // June 2004 to May 2005
constexpr int kSeasonFirstYear = 2004;
constexpr int kSeasonFirstMonth = 6;

// oyuncu.odt, takim.tdt and tarih.trh into the folder; false (with a line on standard error)
// on a write failure.
bool writeDemoDatabase(const std::filesystem::path& databaseFolder);

// A player file of `count` generated players for benchmarks (at most the editor's capacity).
bool writePlayerFile(const char* path, int32_t count);

// Day of the week, 0 = Monday, of a date in the Gregorian calendar.
int weekdayIndex(int year, int month, int day);

} // namespace footballdata
