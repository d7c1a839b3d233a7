#include <gtest/gtest.h>

#include <memory>

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
