#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>
#include <utility>

#include "app/app.h"
#include "app/globals.h"
#include "platform/test/test_platform.h"

namespace {

// The game's globals these tests change, put back after each test whatever it asserted.
class GlobalKeys : public testing::Test {
protected:
    void SetUp() override {
        platform::setCurrent(&host);
        ASSERT_EQ(engine.inputSystem.create(nullptr, nullptr), 0);
    }
    void TearDown() override {
        engine.inputSystem.release();
        game.menuState = saved.menuState;
        game.barMode = saved.barMode;
        game.exitConfirm = saved.exitConfirm;
        game.typingBuffer = saved.typingBuffer;
        platform::setCurrent(nullptr);
    }
    platform::TestPlatform host{false};
    const struct {
        int32_t menuState, barMode, exitConfirm;
        TextField typingBuffer;
    } saved{game.menuState, game.barMode, game.exitConfirm, game.typingBuffer};
};

} // namespace

// Escape and the right button against the game's menu state, one main-loop pass at a time.
// Not up counts: on the press, while held, and on the one poll after the release.
TEST_F(GlobalKeys, EscapeAndRightButton) {
    const struct {
        int32_t before;
        bool escape, rightButton;
        int32_t after, exitConfirm, barMode;
    } passes[] = {
        {MENU_IDLE, true, false, MENU_EXIT_BOX, 1, BAR_PASSIVE},
        {MENU_IDLE, false, false, MENU_EXIT_BOX, 1, BAR_PASSIVE}, // the poll after the release
        {MENU_IDLE, false, false, MENU_IDLE, 0, BAR_ACTIVE},
        {MENU_MANAGER_OPTIONS, true, false, MENU_MANAGER_OPTIONS, 0, BAR_ACTIVE},
        {MENU_GAME_OPTIONS, false, true, MENU_IDLE, 0, BAR_ACTIVE},
        {MENU_SEARCH, false, false, MENU_IDLE, 0, BAR_ACTIVE}, // the poll after the release
        {MENU_TRANSFERS, false, false, MENU_TRANSFERS, 0, BAR_ACTIVE},
        {MENU_LOCKED, false, true, MENU_LOCKED, 0, BAR_ACTIVE},
        {MENU_EXIT_BOX, false, true, MENU_EXIT_BOX, 0, BAR_ACTIVE},
    };
    for (const auto& p : passes) {
        SCOPED_TRACE(&p - passes);
        game.menuState = p.before;
        game.barMode = BAR_ACTIVE;
        game.exitConfirm = 0; // set again only by a new opening
        host.queueKeys(p.escape ? std::initializer_list<platform::ScanCode>{platform::SCAN_ESCAPE}
                                : std::initializer_list<platform::ScanCode>{});
        host.queueMouse(0, 0, 0, false, p.rightButton);
        ASSERT_EQ(engine.inputSystem.poll(), 0);
        handleGlobalKeys();
        EXPECT_EQ(std::tuple(game.menuState, game.exitConfirm, game.barMode),
                  std::tuple(p.after, p.exitConfirm, p.barMode));
    }
}

// Backspace deletes only while a field takes typing, and no other key does (typing itself is
// the road test's).
TEST_F(GlobalKeys, OnlyBackspaceInAnActiveFieldDeletes) {
    for (auto [active, key] : {std::pair<uint8_t, uint32_t>{0, 8}, {1, 46}}) {
        game.typingBuffer.init();
        std::snprintf(game.typingBuffer.typingBuffer, 3, "AB");
        game.typingBuffer.active = active;
        EXPECT_EQ(windowProc({platform::MessageType::KeyDown, key, 0}), 0);
        EXPECT_STREQ(game.typingBuffer.typingBuffer, "AB") << key;
    }
}
