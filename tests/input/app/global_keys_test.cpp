#include <gtest/gtest.h>

#include "engine/entry/app.h"
#include "engine/globals.h"
#include "game/game.h"
#include "platform/test/test_platform.h"

namespace {

class GlobalKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setCurrent(&host);
        ASSERT_EQ(engine.inputSystem.create(nullptr, nullptr), 0);
        setMenu(1);
    }
    void TearDown() override {
        engine.inputSystem.release();
        setMenu(1);
    }
    static void setMenu(int32_t state) {
        game.menuState = state;
        game.barMode = 2;
        game.exitConfirm = 0;
    }
    // One pass of the main loop as far as the keys go.
    void pass(bool escape, bool rightButton) {
        host.queueKeys(escape ? std::initializer_list<uint8_t>{1}
                              : std::initializer_list<uint8_t>{});
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
    game.exitConfirm = 0; // set again only by a second opening
    for (const bool escape : {true, true, false, false})
        pass(escape, true);
    EXPECT_EQ(game.exitConfirm, 0);
    EXPECT_EQ(game.menuState, 8); // the right button cannot close it
}

// Not up: on the press, while held, and on the one poll after the release.
TEST_F(GlobalKeysTest, KeysCountUntilThePollAfterTheirRelease) {
    const struct {
        int32_t before;
        bool escape, rightButton;
        int32_t after;
    } passes[] = {{1, true, false, 8},  {1, false, false, 8}, {1, false, false, 1},
                  {4, true, false, 4},  {3, false, true, 1},  {5, false, true, 1},
                  {7, false, false, 1}, {6, false, false, 6}, {2, false, true, 2}};
    for (const auto& p : passes) {
        setMenu(p.before);
        pass(p.escape, p.rightButton);
        EXPECT_EQ(game.menuState, p.after) << p.before << " " << p.escape << p.rightButton;
    }
}
