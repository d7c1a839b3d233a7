#include "bench/game/scenarios.h"

#include "app/globals.h"
#include "game/game.h"

// The screens are set up through the game's own state; before its pages exist only the start
// page can be shown.
#if __has_include("game/mailbox.h")
namespace {

constexpr int32_t MAIL_ROWS = 12;
constexpr int32_t SQUAD_NAMES = 25;

bool show(int32_t page, int32_t menu) {
    game.page = page;
    game.menuState = menu;
    game.barMode = menu == MENU_LOCKED ? BAR_PASSIVE : BAR_ACTIVE;
    return true;
}

bool startPage() {
    return show(PAGE_START, MENU_IDLE);
}

bool dropDown() {
    return show(PAGE_START, MENU_MANAGER_OPTIONS);
}

bool registration() {
    return show(PAGE_REGISTRATION, MENU_LOCKED);
}

// The three kinds of mail in turn, as a few new managers and days would bring them.
bool news() {
    Mailbox& mail = game.mailbox;
    mail.list.reset();
    for (int32_t i = 0; i < MAIL_ROWS; ++i) {
        if (i % 3 == 0) mail.addDateNotice(11 + i, 9, 2004, "Cumartesi");
        if (i % 3 == 1) mail.addNewManagerNews("Zonguldak", "Deneme", "Menajer", i % 3);
        if (i % 3 == 2) mail.addIntroductionMail();
    }
    return show(PAGE_NEWS, MENU_IDLE);
}

// The first club whose squad fills the list.
bool tactics() {
    for (int32_t t = 0; t < game.teams.count; ++t) {
        if (game.teams.records[t].squad_size == SQUAD_NAMES) {
            game.chosenTeam = t;
            return show(PAGE_TACTICS, MENU_IDLE);
        }
    }
    return false;
}

const Scenario SCENARIOS[] = {
    {"start page", startPage},
    {"open drop-down menu (8 items)", dropDown},
    {"registration", registration},
    {"news, 12 mail rows", news},
    {"tactics, 25 names, 11 markers", tactics},
};

} // namespace

#else
namespace {

bool startPage() {
    game.menuState = 1;
    game.page = 2;
    return true;
}

bool notYet() {
    return false;
}

const Scenario SCENARIOS[] = {
    {"start page", startPage},
    {"open drop-down menu (8 items)", notYet},
    {"registration", notYet},
    {"news, 12 mail rows", notYet},
    {"tactics, 25 names, 11 markers", notYet},
};

} // namespace
#endif

std::span<const Scenario> scenarios() {
    return SCENARIOS;
}
