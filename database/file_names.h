// The data files the game reads at start-up, named as data names (turn into host paths with
// DataFolders::hostPath before opening).
#pragma once

inline constexpr const char* PLAYER_FILE_NAME = "veri\\database\\oyuncu.odt";
inline constexpr const char* TEAM_FILE_NAME = "veri\\database\\takim.tdt";
inline constexpr const char* CALENDAR_FILE_NAME = "veri\\database\\tarih.trh";
