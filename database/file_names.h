// The data files the game reads at start-up, named as data names (turn into host paths with
// hostPath before opening).
#pragma once

inline constexpr const char* kPlayerFileName = "veri\\database\\oyuncu.odt";
inline constexpr const char* kTeamFileName = "veri\\database\\takim.tdt";
inline constexpr const char* kCalendarFileName = "veri\\database\\tarih.trh";
