#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "game/game.h"

// A chosen index outside the team file (no file, or the "Bos" row of a short list) names no
// team: no record and an empty name, never a read past the records.
TEST(GameTest, ChosenTeamOnlyInsideTheTeamFile) {
    auto game = std::make_unique<Game>();
    const struct {
        int32_t teams, chosen;
        const char* name;
    } cases[] = {{0, 0, ""}, {0, 1, ""}, {1, 1, ""}, {2, -1, ""}, {2, 0, "A"}, {2, 1, "B"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(game->teams.resize(c.teams));
        for (int32_t i = 0; i < c.teams; ++i)
            std::strcpy(game->teams.records[i].name, i == 0 ? "A" : "B");
        game->chosenTeam = c.chosen;
        EXPECT_STREQ(game->chosenTeamName(), c.name) << c.teams << " " << c.chosen;
        EXPECT_EQ(game->chosenTeamRecord() != nullptr, *c.name != '\0');
    }
}
