#include <gtest/gtest.h>

#include "engine/entry/app.h"
#include "engine/globals.h"
#include "game/game.h"
#include "platform/test/test_platform.h"

namespace {

constexpr uint8_t SCAN_ESCAPE = 1;

class GlobalKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setCurrent(&host);
        ASSERT_EQ(engine.inputSystem.create(nullptr, nullptr), 0);
        game.menuState = 1;
        game.barMode = 2;
        game.exitConfirm = 0;
    }
    void TearDown() override {
        engine.inputSystem.release();
        game.menuState = 1;
        game.barMode = 2;
        game.exitConfirm = 0;
    }
    // One pass of the main loop as far as the keys go.
    void pass(bool escape, bool rightButton) {
        if (escape)
            host.queueKeys({SCAN_ESCAPE});
        else
            host.queueKeys({});
        host.queueMouse(0, 0, 0, false, rightButton);
        ASSERT_EQ(engine.inputSystem.poll(), 0);
        handleGlobalKeys();
    }

    platform::TestPlatform host{false};
};

} // namespace

TEST_F(GlobalKeysTest, HeldEscapeOpensTheExitBoxOnce) {
    pass(true, false);
    EXPECT_EQ(game.menuState, 8);
    EXPECT_EQ(game.barMode, 3);
    EXPECT_EQ(game.exitConfirm, 1);
    game.exitConfirm = 0; // would be set again only by a second opening
    for (int i = 0; i < 3; ++i)
        pass(true, false);
    pass(false, false);
    EXPECT_EQ(game.exitConfirm, 0);
    EXPECT_EQ(game.menuState, 8);
}

// "Not up" includes the poll right after the release, and only that one.
TEST_F(GlobalKeysTest, EscapeCountsUntilThePollAfterItsRelease) {
    pass(true, false);
    game.menuState = 1;
    pass(false, false); // released
    EXPECT_EQ(game.menuState, 8);
    game.menuState = 1;
    pass(false, false); // up
    EXPECT_EQ(game.menuState, 1);
}

TEST_F(GlobalKeysTest, RightButtonClosesMenusButNotTheExitBoxOrALockedBar) {
    const struct {
        int32_t before, after;
    } cases[] = {{1, 1}, {2, 2}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 8}};
    for (const auto& c : cases) {
        for (const bool down : {true, true, false}) {
            game.menuState = c.before;
            pass(false, down);
            EXPECT_EQ(game.menuState, c.after) << c.before << (down ? " down" : " released");
        }
        pass(false, false);
    }
}

TEST_F(GlobalKeysTest, EscapeDoesNothingWhileAMenuIsOpen) {
    game.menuState = 4;
    pass(true, false);
    EXPECT_EQ(game.menuState, 4);
    EXPECT_EQ(game.exitConfirm, 0);
}
