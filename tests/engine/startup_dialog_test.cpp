#include <gtest/gtest.h>

#include "engine/entry/app.h"
#include "platform_fixture.h"

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
        {"Enter untouched", {{DialogEventType::PressEnter}}, true, false, true},
        {"close request", {{DialogEventType::CloseRequest}}, true, false, false},
        {"both boxes flipped",
         {{DialogEventType::ClickCheckBox, 1004},
          {DialogEventType::ClickCheckBox, 1008},
          {DialogEventType::PressEnter}},
         true,
         true,
         false},
        {"boxes flipped, then closed",
         {{DialogEventType::ClickCheckBox, 1004}, {DialogEventType::CloseRequest}},
         true,
         false,
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
        for (const platform::DialogCall& call : dialog.calls) {
            if (call.message == platform::DialogMessage::Command && call.command == 2) {
                EXPECT_FALSE(call.result) << c.name;
            }
        }
    }
    parkPlatform();
}

} // namespace
