// Calendar files as the game reads them.
#include <cstdlib>
#include <cstring>

#include "database/calendar_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CalendarData calendar;
    LoadReport report;
    if (!calendar.readMemory(data, size, &report)) {
        if (!report.message || calendar.monthCount != 0) std::abort();
        return 0;
    }
    for (int32_t m = 0; m < calendar.monthCount; ++m)
        for (const CalendarDay& d : calendar.months[m].days)
            if (std::memchr(d.weekday, 0, CALENDAR_WEEKDAY_SIZE) == nullptr) std::abort();
    return 0;
}
