// The start-up dialog window driven by xdotool under the test display.
#include <SDL.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/sdl_platform.h"

using namespace platform;

namespace {

struct Outcome {
    std::vector<std::pair<DialogMessage, int>> calls;
    bool read = false;
    bool refresh = false;
    bool smooth = false;
} outcome;

// The game's procedure in miniature.
bool proc(DialogHandle& d, DialogMessage message, int command) {
    outcome.calls.push_back({message, command});
    if (message == DialogMessage::Init) d.checkButton(1008, true);
    if (message == DialogMessage::Command && command == 1) {
        outcome.read = true;
        outcome.refresh = d.isButtonChecked(1004);
        outcome.smooth = d.isButtonChecked(1008);
        d.endDialog();
        return true;
    }
    if (message == DialogMessage::Close) d.endDialog();
    return false;
}

Uint32 giveUp(Uint32, void*) {
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    return 0;
}

// Runs the dialog while xdotool plays `actions` on it; the pointer starts outside it.
void runWith(const std::string& actions, SdlPlatform& p) {
    outcome = {};
    const std::string script =
        "(xdotool mousemove 2 2; id=$(xdotool search --sync --name '^Rav Engine$' | head -1); "
        "sleep 0.3; " +
        actions + ") >/dev/null 2>&1 &";
    ASSERT_EQ(std::system(script.c_str()), 0);
    SDL_InitSubSystem(SDL_INIT_TIMER);
    const SDL_TimerID timer = SDL_AddTimer(15000, giveUp, nullptr);
    p.runStartupDialog(proc);
    SDL_RemoveTimer(timer);
    SDL_QuitSubSystem(SDL_INIT_TIMER);
}

const std::string clickAt(int x, int y) {
    return "xdotool mousemove --window $id " + std::to_string(x) + " " + std::to_string(y) +
           " mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.2; ";
}

using Calls = std::vector<std::pair<DialogMessage, int>>;
constexpr auto Init = DialogMessage::Init;
constexpr auto Command = DialogMessage::Command;
constexpr auto Close = DialogMessage::Close;

} // namespace

TEST(StartupDialogWindow, EnterReadsTheUntouchedBoxes) {
    SdlPlatform p;
    runWith("xdotool key Return", p);
    EXPECT_EQ(outcome.calls, (Calls{{Init, 0}, {Command, 1}}));
    EXPECT_TRUE(outcome.read);
    EXPECT_FALSE(outcome.refresh);
    EXPECT_TRUE(outcome.smooth);
}

TEST(StartupDialogWindow, ClicksToggleBothBoxesAndDevamReadsThem) {
    SdlPlatform p;
    runWith(clickAt(172, 256) + clickAt(120, 273) + clickAt(171, 310), p);
    EXPECT_EQ(outcome.calls, (Calls{{Init, 0}, {Command, 1004}, {Command, 1008}, {Command, 1}}));
    EXPECT_TRUE(outcome.refresh);
    EXPECT_FALSE(outcome.smooth);
}

TEST(StartupDialogWindow, EscapeDoesNothingAndAltF4Closes) {
    SdlPlatform p;
    runWith("xdotool key Escape; sleep 0.3; xdotool key alt+F4", p);
    EXPECT_EQ(outcome.calls, (Calls{{Init, 0}, {Command, 2}, {Close, 0}}));
    EXPECT_FALSE(outcome.read);
}

TEST(StartupDialogWindow, TerminationClosesItAndStillReachesTheGame) {
    SdlPlatform p;
    runWith("kill -TERM " + std::to_string(getpid()), p);
    EXPECT_EQ(outcome.calls, (Calls{{Init, 0}, {Close, 0}}));
    WindowMessage m;
    ASSERT_TRUE(p.peekMessage(m));
    EXPECT_EQ(int(m.type), int(MessageType::Close));
}
