#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "app/globals.h"
#include "tests/engine/platform_fixture.h"
#include "text/cp1254.h"

using platform::DialogEventType;

namespace {

struct DialogCase {
    const char* name;
    std::vector<platform::DialogEvent> events;
    bool ended;
    bool waitForRefresh;
    bool lineAntialiasing;
};

TEST(StartupDialogTest, SettingsFromTheBoxes) {
    const DialogCase cases[] = {
        {"Devam untouched", {{DialogEventType::ClickDevam}}, true, false, true},
        {"close request", {{DialogEventType::CloseRequest}}, true, false, false},
        {"both boxes flipped",
         {{DialogEventType::ClickCheckBox, 1004},
          {DialogEventType::ClickCheckBox, 1008},
          {DialogEventType::PressEnter}},
         true,
         true,
         false},
        {"Escape alone", {{DialogEventType::PressEscape}}, false, false, false},
        {"Escape, then Enter",
         {{DialogEventType::PressEscape}, {DialogEventType::PressEnter}},
         true,
         false,
         true},
    };
    for (const DialogCase& c : cases) {
        platform::TestPlatform host(false);
        platform::setCurrent(&host);
        startupSettings = StartupSettings{};
        host.scriptDialog(c.events);
        host.runStartupDialog(startupDialogProc);
        const platform::TestDialog& dialog = host.dialog();
        EXPECT_EQ(dialog.ended, c.ended) << c.name;
        EXPECT_EQ(startupSettings.waitForRefresh, c.waitForRefresh) << c.name;
        EXPECT_EQ(startupSettings.lineAntialiasing, c.lineAntialiasing) << c.name;
        for (const platform::DialogCall& call : dialog.calls)
            EXPECT_TRUE(call.command != 2 || !call.result) << c.name;
    }
    parkPlatform();
}

// Typed characters and Backspace reach the typing buffer only while it is active.
TEST(WindowProcTest, TypedTextReachesOnlyTheActiveField) {
    platform::TestPlatform host(false);
    platform::setCurrent(&host);
    TextField& field = game.typingBuffer;
    field.init();
    auto dispatchAll = [&] {
        for (platform::WindowMessage message; host.peekMessage(message);)
            windowProc(message);
    };

    host.typeText("ab");
    dispatchAll();
    EXPECT_STREQ(field.typingBuffer, "");

    field.active = 1;
    host.typeText("şu€");
    host.postMessage(platform::MessageType::KeyDown, 46); // Delete: not Backspace
    dispatchAll();
    EXPECT_EQ(std::string(field.typingBuffer), std::string("şu€"_w));
    host.postMessage(platform::MessageType::KeyDown, 8);
    dispatchAll();
    EXPECT_EQ(std::string(field.typingBuffer), std::string("şu"_w));

    field.init();
    parkPlatform();
}

} // namespace
