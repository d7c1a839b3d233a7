#include "database/load_report.h"
#include "text/cp1254.h"

namespace db_text {
const char* const NOT_FOUND = "DATABASE bulunamadi!!!!!!!!!!!!!!!!"_w;
const char* const WRONG_VERSION = "Database dosya versionu tutmuyor oyun bunu okuyamaz!!!"_w;
const char* const BAD_COUNT = "Database kayit sayisi tutmuyor oyun bunu okuyamaz!!!"_w;
const char* const SHORT_FILE = "Database dosyasi eksik oyun bunu okuyamaz!!!"_w;
const char* const NO_MEMORY = "Database icin bellek yetmiyor oyun bunu okuyamaz!!!"_w;
const char* const CALENDAR_MISSING = "Tarih Bilgileri Bulunamadi.!!"_w;
const char* const CALENDAR_BROKEN = "Tarih Bilgileri Okunamadi.!!"_w;
} // namespace db_text
