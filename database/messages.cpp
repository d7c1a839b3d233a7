#include "database/load_report.h"
#include "text/cp1254.h"

namespace db_text {
const char* const kNotFound = "DATABASE bulunamadi!!!!!!!!!!!!!!!!"_w;
const char* const kWrongVersion = "Database dosya versionu tutmuyor oyun bunu okuyamaz!!!"_w;
const char* const kBadCount = "Database kayit sayisi tutmuyor oyun bunu okuyamaz!!!"_w;
const char* const kShortFile = "Database dosyasi eksik oyun bunu okuyamaz!!!"_w;
const char* const kNoMemory = "Database icin bellek yetmiyor oyun bunu okuyamaz!!!"_w;
const char* const kCalendarMissing = "Tarih Bilgileri Bulunamadi.!!"_w;
const char* const kCalendarBroken = "Tarih Bilgileri Okunamadi.!!"_w;
} // namespace db_text
