#include <gtest/gtest.h>

#include <vector>

#include "app/app.h"
#include "app/globals.h"
#include "tests/engine/platform_fixture.h"

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
        host.runStartupDialog(startupDialogContent(), startupDialogProc);
        const platform::TestDialog& dialog = host.dialog();
        EXPECT_EQ(dialog.ended, c.ended) << c.name;
        EXPECT_EQ(startupSettings.waitForRefresh, c.waitForRefresh) << c.name;
        EXPECT_EQ(startupSettings.lineAntialiasing, c.lineAntialiasing) << c.name;
        for (const platform::DialogCall& call : dialog.calls)
            EXPECT_TRUE(call.command != 2 || !call.result) << c.name;
    }
    parkPlatform();
}

} // namespace
