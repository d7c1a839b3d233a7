#include "game/calendar.h"

#include <cstdio>
#include <cstring>

#include "database/fixed_text.h"
#include "engine/services.h"
#include "game/data_files.h"
#include "render/bitmap_font.h"
#include "text/cp1254.h"

Calendar::Calendar() {
    std::snprintf(weekday, sizeof weekday, "%s", "Salı"_w);
}

Calendar::~Calendar() = default;

int Calendar::load(const char* name) {
    day = 1;
    month = 6;
    year = 2004;
    std::snprintf(weekday, sizeof weekday, "%s", "Salı"_w);
    const int32_t dates[8] = {1, 6, 2004, 0, 0, 6, 2004, 0};
    std::memcpy(unusedDates, dates, sizeof unusedDates);
    LoadReport report;
    const std::string path = dataFilePath(name);
    if (!data.read(path.c_str(), &report)) {
        warnRefused(report, path);
        return 0;
    }
    startAtFirstDay();
    services::writeLog("Oyun tarihi : %d/%d/%d/%s", int(day), int(month), int(year), weekday);
    return 1;
}

void Calendar::startAtFirstDay() {
    for (int32_t m = 0; m < data.monthCount; ++m) {
        const CalendarMonth& entry = data.months[m];
        if (entry.month < 1 || entry.month > 12 || entry.year < 1) continue;
        for (const CalendarDay& d : entry.days) {
            if (d.day < 1 || d.day > CALENDAR_DAY_SLOTS) continue;
            day = d.day;
            month = entry.month;
            year = entry.year;
            const std::string_view name = fixed_text::view(d.weekday, sizeof d.weekday);
            std::snprintf(weekday, sizeof weekday, "%.*s", int(name.size()), name.data());
            return;
        }
    }
}

void Calendar::draw(float x, float y) {
    for (int32_t m = 0; m < data.monthCount; ++m) {
        const CalendarMonth& entry = data.months[m];
        if (entry.year != year || entry.month != month) continue;
        for (const CalendarDay& d : entry.days) {
            if (d.day != day) continue;
            const std::string_view name = fixed_text::view(d.weekday, sizeof d.weekday);
            std::snprintf(dateText, sizeof dateText, "%d/%d/%d/%.*s", int(d.day), int(entry.month),
                          int(entry.year), int(name.size()), name.data());
            std::snprintf(weekday, sizeof weekday, "%.*s", int(name.size()), name.data());
        }
    }
    bitmapFont.drawText(x + 15, y + 20, 0, 0.1f, dateText);
    bitmapFont.drawText(x + 25, y + 35, 0, 0.1f, "12:00");
}
