// The calendar file: a month count, then the month entries, then one table of 31 day slots
// per month, each slot a day number and a weekday name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "database/database_file.h"

constexpr int CALENDAR_DAY_SLOTS = 31;
constexpr std::size_t CALENDAR_WEEKDAY_SIZE = 52;
constexpr std::size_t CALENDAR_HEADER_SIZE = 8;
constexpr std::size_t CALENDAR_MONTH_SIZE = 16;
constexpr std::size_t CALENDAR_DAY_SIZE = 56;
constexpr std::size_t CALENDAR_BYTES_PER_MONTH =
    CALENDAR_MONTH_SIZE + CALENDAR_DAY_SLOTS * CALENDAR_DAY_SIZE;

struct CalendarDay {
    int32_t day;
    char weekday[CALENDAR_WEEKDAY_SIZE];
};

// A month entry as stored; the first and last words mean nothing to the reader.
struct CalendarMonthEntry {
    int32_t reserved;
    int32_t month;
    int32_t year;
    int32_t dayTable;
};

struct CalendarMonth {
    int32_t month;
    int32_t year;
    CalendarDay days[CALENDAR_DAY_SLOTS];
};

static_assert(sizeof(CalendarDay) == CALENDAR_DAY_SIZE);
static_assert(offsetof(CalendarDay, day) == 0);
static_assert(offsetof(CalendarDay, weekday) == 4);
static_assert(sizeof(CalendarMonthEntry) == CALENDAR_MONTH_SIZE);
static_assert(offsetof(CalendarMonthEntry, month) == 4);
static_assert(offsetof(CalendarMonthEntry, year) == 8);
static_assert(CALENDAR_BYTES_PER_MONTH == 1752);

class CalendarData : public DatabaseFile {
public:
    CalendarData() = default;
    CalendarData(const CalendarData&) = delete;
    CalendarData& operator=(const CalendarData&) = delete;
    virtual ~CalendarData() = default;

    // A read (DatabaseFile) refused leaves the calendar empty; every weekday name is
    // terminated inside its field.
    // Makes room for n zeroed months (monthCount n); false when memory runs out.
    bool resize(int32_t n);
    bool write(const char* path) const;

    int32_t monthCount = 0;
    std::unique_ptr<CalendarMonth[]> months;

private:
    void emptyForRead() override;
    const char* missingText() const override;
    bool load(ByteSource& source, LoadReport* report) override;
};
