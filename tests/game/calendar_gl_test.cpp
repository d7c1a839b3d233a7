#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "game/calendar.h"
#include "game/mail_list.h"
#include "tests/render/gl_fixture.h"
#include "text/cp1254.h"

namespace {

struct MonthEntry {
    int32_t month, year;
    int32_t day;         // the one numbered slot; the others stay 0
    const char* weekday; // Windows-1254
};

void writeCalendar(std::initializer_list<MonthEntry> months) {
    CalendarData data;
    ASSERT_TRUE(data.resize(int32_t(months.size())));
    for (int i = 0; const MonthEntry& m : months) {
        CalendarMonth& entry = data.months[i++] = CalendarMonth{m.month, m.year, {}};
        auto& day = entry.days[m.day > 0 ? m.day - 1 : 0];
        day.day = m.day;
        std::strncpy(day.weekday, m.weekday, CALENDAR_WEEKDAY_SIZE - 1);
    }
    std::filesystem::create_directories("veri/database");
    ASSERT_TRUE(data.write("veri/database/tarih.trh"));
}

using CalendarTest = GlTest;
using MailListTest = GlTest;

TEST_F(CalendarTest, DateStartsAtTheCalendarsFirstDay) {
    // The date shown; without a numbered day none, and the weekday of 1 June 2004.
    const struct {
        const char* name;
        std::initializer_list<MonthEntry> months;
        std::string text;
    } cases[] = {
        {"the last match wins",
         {{6, 2004, 1, "Pazar"_w}, {5, 2004, 1, "Cuma"_w}, {6, 2004, 1, "Çarşamba"_w}},
         "1/6/2004/Çarşamba"_w},
        {"the first numbered day", {{6, 2004, 2, "Çarşamba"_w}}, "2/6/2004/Çarşamba"_w},
        {"no real month first",
         {{13, 2030, 1, "Pazar"_w}, {9, 2030, 1, "Pazartesi"_w}},
         "1/9/2030/Pazartesi"_w},
        {"no numbered day", {{6, 2005, 0, "Cuma"_w}}, ""},
    };
    for (const auto& c : cases) {
        writeCalendar(c.months);
        Calendar calendar;
        EXPECT_EQ(calendar.load("veri\\database\\tarih.trh"), 1) << c.name;
        calendar.draw(13, 27);
        EXPECT_EQ(std::string(calendar.dateText), c.text) << c.name;
        const std::string weekday =
            c.text.empty() ? "Salı"_w : c.text.substr(c.text.rfind('/') + 1);
        EXPECT_EQ(std::string(calendar.weekday), weekday) << c.name;
    }
}

// Nothing reads past the storage, where an unread mail "x" waits: a count beyond it tallies
// only the stored mails, and a selection outside it shows the broken-mail line.
TEST_F(MailListTest, NothingReadsPastTheStorage) {
    MailList mails;
    const int32_t n = MailList::CAPACITY;
    mails.items.reset(static_cast<ListItem*>(std::calloc(size_t(n) + 1, sizeof(ListItem))));
    for (int32_t i = 0; i < n; ++i)
        mails.items[i].state = MailList::READ;
    mails.items[n].lineCount = 1;
    std::strcpy(mails.items[n].text[1], "x");
    mails.count = n + 1;
    mails.drawMailList(0, 0, 0, 0, 12, false, "", 0, 0);
    EXPECT_EQ(mails.unreadTally, 0);
    useFont([](int cell) { return cell != ' '; });
    for (int32_t selected : {-1, n}) {
        mails.selected = selected;
        clear({0, 0, 0});
        mails.showMessage(10, 300, 18, 0);
        EXPECT_GT(litBox().width(), 200) << selected;
    }
}

// All unread markers share one phase that changes five times a second, drawn every 150 ms.
TEST_F(MailListTest, UnreadMarkersBlinkTogether) {
    MailList mails;
    ASSERT_EQ(mails.create(engine.inputSystem, 35, 160, 950, 20, 12), 1);
    while (mails.count < 4) // the selected first one is read: three unread rows
        mails.addMail("x", 1, nullptr);
    std::string phases;
    for (uint32_t ms = 1000; ms <= 1600; ms += 150) {
        host->setTicks(ms);
        mails.drawMailList(0, 0, 0, 0, 12, false, "", 0, 0);
        phases += char('0' + mails.blinkPhase);
    }
    EXPECT_EQ(phases, "11001");
}

} // namespace
