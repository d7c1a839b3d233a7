#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "game/game.h"

// A chosen index outside the team file (no file, or the "Bos" row of a short list) names no
// team: no record, never a read past the records.
TEST(GameTest, ChosenTeamOnlyInsideTheTeamFile) {
    auto game = std::make_unique<Game>();
    const struct {
        int32_t teams, chosen;
        bool named;
    } cases[] = {{0, 0, false},  {0, 1, false}, {1, 1, false},
                 {2, -1, false}, {2, 0, true},  {2, 1, true}};
    for (const auto& [teams, chosen, named] : cases) {
        ASSERT_TRUE(game->teams.resize(teams));
        game->chosenTeam = chosen;
        EXPECT_EQ(game->chosenTeamRecord(), named ? &game->teams.records[chosen] : nullptr)
            << teams << " " << chosen;
    }
}

// Opening a page from the menu: what each kind of opening does to the menu, the typing and the
// picture, from a drop-down menu left open on the second picture. A page the others open only
// shows; a number without a page changes nothing.
TEST(GameTest, OpeningAPageTakesTheStepsOfItsRow) {
    auto game = std::make_unique<Game>();
    const struct {
        int32_t page;
        int32_t shown, menu, bar, edit, typing, background;
    } cases[] = {
        {PAGE_ABOUT, PAGE_ABOUT, MENU_IDLE, BAR_ACTIVE, EDIT_NONE, 0, 2},
        {PAGE_NEWS, PAGE_NEWS, MENU_IDLE, BAR_ACTIVE, EDIT_NONE, 0, 2},
        {PAGE_TACTICS, PAGE_TACTICS, MENU_IDLE, BAR_ACTIVE, EDIT_NONE, 0, 2},
        {PAGE_REGISTRATION, PAGE_REGISTRATION, MENU_LOCKED, BAR_PASSIVE, EDIT_FIRST_NAME, 1, 2},
        {PAGE_SEARCH, PAGE_SEARCH, MENU_IDLE, BAR_ACTIVE, EDIT_NONE, 0, 1},
        {PAGE_TEAM_CHOICE, PAGE_TEAM_CHOICE, MENU_MANAGER_OPTIONS, BAR_ACTIVE, EDIT_NONE, 0, 1},
        {PAGE_COMPLETION, PAGE_COMPLETION, MENU_MANAGER_OPTIONS, BAR_ACTIVE, EDIT_NONE, 0, 1},
        {1, PAGE_START, MENU_MANAGER_OPTIONS, BAR_ACTIVE, EDIT_NONE, 0, 1},
    };
    for (const auto& c : cases) {
        game->page = PAGE_START;
        game->menuState = MENU_MANAGER_OPTIONS;
        game->barMode = BAR_ACTIVE;
        game->editTarget = EDIT_NONE;
        game->typingBuffer.active = 0;
        game->backgroundIndex = 1;
        game->openPage(Page(c.page));
        EXPECT_EQ(std::tuple(game->page, game->menuState, game->barMode, game->editTarget,
                             int32_t(game->typingBuffer.active), game->backgroundIndex),
                  std::tuple(c.shown, c.menu, c.bar, c.edit, c.typing, c.background))
            << "page " << c.page;
    }
}
