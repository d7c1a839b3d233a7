// The game date (the calendar's first day, 1 June 2004 without one; never advanced) and the
// calendar file it is looked up in.
#pragma once

#include <cstdint>

#include "database/calendar_data.h"

class Calendar {
public:
    static constexpr int WEEKDAY_SIZE = 60;
    static constexpr int DATE_TEXT_SIZE = 252;

    Calendar();
    virtual ~Calendar();

    // The file (a data name), then the date of its first day; 0 when the file could not be
    // read, and the date stays 1 June 2004.
    int load(const char* name);
    // The date line for the current date (the last matching day wins) and the clock below it.
    void draw(float x, float y);

    int32_t day = 1;
    int32_t month = 6;
    int32_t year = 2004;
    char weekday[WEEKDAY_SIZE] = {};
    CalendarData data;
    char dateText[DATE_TEXT_SIZE] = {};
    int32_t unusedDates[8] = {};

private:
    // The first day slot with a day number, of the first entry with a real month.
    void startAtFirstDay();
};
