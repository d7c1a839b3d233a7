#include "database/calendar_data.h"

#include <new>

#include "database/file_io.h"
#include "database/fixed_text.h"

void CalendarData::emptyForRead() {
    monthCount = 0;
    months.reset();
}

const char* CalendarData::missingText() const {
    return db_text::CALENDAR_MISSING;
}

bool CalendarData::load(ByteSource& source, LoadReport* report) {
    int32_t header[2] = {};
    if (!source.read(header, sizeof header))
        return refuseLoad(report, LOAD_SHORT_FILE, int64_t(source.size()), int64_t(source.size()),
                          int64_t(CALENDAR_HEADER_SIZE), db_text::CALENDAR_BROKEN);
    const int32_t n = header[0];
    if (n < 0) return refuseLoad(report, LOAD_BAD_COUNT, 0, n, 0, db_text::CALENDAR_BROKEN);
    const int64_t needed = int64_t(CALENDAR_HEADER_SIZE) + int64_t(CALENDAR_BYTES_PER_MONTH) * n;
    if (int64_t(source.size()) < needed)
        return refuseLoad(report, LOAD_SHORT_FILE, int64_t(source.size()), int64_t(source.size()),
                          needed, db_text::CALENDAR_BROKEN);
    if (!resize(n)) return refuseLoad(report, LOAD_NO_MEMORY, 0, 0, 0, db_text::CALENDAR_BROKEN);

    bool ok = true;
    for (int32_t i = 0; ok && i < n; ++i) {
        CalendarMonthEntry entry;
        ok = source.read(&entry, sizeof entry);
        months[i].month = entry.month;
        months[i].year = entry.year;
    }
    for (int32_t i = 0; ok && i < n; ++i) {
        ok = source.read(months[i].days, sizeof months[i].days);
        for (CalendarDay& d : months[i].days)
            fixed_text::cut(d.weekday, CALENDAR_WEEKDAY_SIZE, CALENDAR_WEEKDAY_SIZE - 1);
    }
    if (!ok) {
        emptyForRead();
        return refuseLoad(report, LOAD_SHORT_FILE, int64_t(source.position()),
                          int64_t(source.size()), needed, db_text::CALENDAR_BROKEN);
    }
    if (report) *report = LoadReport{};
    return true;
}

bool CalendarData::resize(int32_t n) {
    if (n < 0) return false;
    months.reset(new (std::nothrow) CalendarMonth[n > 0 ? n : 1]());
    monthCount = months ? n : 0;
    return months != nullptr;
}

bool CalendarData::write(const char* path) const {
    FileWriter out;
    if (!out.open(path)) return false;
    const int32_t header[2] = {monthCount, 0};
    bool ok = out.write(header, sizeof header);
    for (int32_t i = 0; ok && i < monthCount; ++i) {
        const CalendarMonthEntry entry{0, months[i].month, months[i].year, 0};
        ok = out.write(&entry, sizeof entry);
    }
    for (int32_t i = 0; ok && i < monthCount; ++i) {
        for (CalendarDay d : months[i].days) {
            fixed_text::cut(d.weekday, CALENDAR_WEEKDAY_SIZE, CALENDAR_WEEKDAY_SIZE - 1);
            ok = ok && out.write(&d, sizeof d);
        }
    }
    return ok && out.commit();
}
