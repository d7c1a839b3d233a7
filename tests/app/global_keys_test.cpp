#include <gtest/gtest.h>

#include <cstdio>

#include "app/app.h"
#include "app/globals.h"
#include "platform/test/test_platform.h"

// Escape and the right button against the game's menu state, one main-loop pass at a time.
// Not up counts: on the press, while held, and on the one poll after the release.
TEST(GlobalKeys, EscapeAndRightButton) {
    platform::TestPlatform host{false};
    platform::setCurrent(&host);
    ASSERT_EQ(engine.inputSystem.create(nullptr, nullptr), 0);
    const struct {
        int32_t before; // -1: carry on from the previous pass
        bool escape, rightButton;
        int32_t after, exitConfirm;
    } passes[] = {{1, true, false, 8, 1},   {-1, true, true, 8, 0},  {-1, false, true, 8, 0},
                  {-1, false, false, 8, 0}, {1, true, false, 8, 1},  {1, false, false, 8, 1},
                  {1, false, false, 1, 0},  {4, true, false, 4, 0},  {3, false, true, 1, 0},
                  {5, false, true, 1, 0},   {7, false, false, 1, 0}, {6, false, false, 6, 0},
                  {2, false, true, 2, 0},   {8, false, true, 8, 0}};
    int i = 0;
    for (const auto& p : passes) {
        if (p.before >= 0) game.menuState = p.before;
        game.barMode = 2;
        game.exitConfirm = 0; // set again only by a new opening
        host.queueKeys(p.escape ? std::initializer_list<uint8_t>{1}
                                : std::initializer_list<uint8_t>{});
        host.queueMouse(0, 0, 0, false, p.rightButton);
        ASSERT_EQ(engine.inputSystem.poll(), 0);
        handleGlobalKeys();
        EXPECT_EQ(game.menuState, p.after) << "pass " << i;
        EXPECT_EQ(game.exitConfirm, p.exitConfirm) << "pass " << i;
        EXPECT_EQ(game.barMode, p.after == 8 && p.exitConfirm ? 3 : 2) << "pass " << i++;
    }
    engine.inputSystem.release();
    game.menuState = 1;
    platform::setCurrent(nullptr);
}

// Backspace and typed characters reach the typing buffer only while a field takes typing.
TEST(GlobalKeys, TypingReachesOnlyAnActiveField) {
    using platform::MessageType;
    const struct {
        uint8_t active;
        MessageType type;
        uint32_t key;
        const char* after;
    } cases[] = {{1, MessageType::KeyDown, 8, "A"},
                 {0, MessageType::KeyDown, 8, "AB"},
                 {1, MessageType::KeyDown, 46, "AB"},
                 {1, MessageType::Char, 'C', "ABC"},
                 {0, MessageType::Char, 'C', "AB"}};
    for (const auto& c : cases) {
        game.typingBuffer.init();
        std::snprintf(game.typingBuffer.typingBuffer, 3, "AB");
        game.typingBuffer.active = c.active;
        EXPECT_EQ(windowProc({c.type, c.key, 0}), 0);
        EXPECT_STREQ(game.typingBuffer.typingBuffer, c.after) << int(c.type) << " " << c.key;
    }
    game.typingBuffer.init();
}
