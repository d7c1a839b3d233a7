// The start-up dialog window driven by xdotool under the test display.
#include <SDL.h>
#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "platform/sdl_platform.h"

using namespace platform;

namespace {

using Calls = std::vector<std::pair<DialogMessage, int>>;

// The platform shows whatever it is given: here the game's button and boxes alone.
const DialogControl kControls[] = {
    {1, DialogControlKind::Button, "Devam", 11, 297, 320, 26},
    {1004, DialogControlKind::CheckBox, "Monitor Hizini Bekle ( Refresh rate)", 35, 247, 274, 18},
    {1008, DialogControlKind::CheckBox, "Line AntiAnaliz ", 34, 264, 242, 18},
};
const DialogContent kContent{"Rav Engine", 342, 336, kControls, 3, nullptr};

struct Outcome {
    Calls calls;
    bool read = false, refresh = false, smooth = false;
    bool operator==(const Outcome&) const = default;
} outcome;

// The game's procedure in miniature.
bool proc(DialogHandle& d, DialogMessage message, int command) {
    outcome.calls.push_back({message, command});
    if (message == DialogMessage::Init) d.checkButton(1008, true);
    if (message == DialogMessage::Command && command == 1) {
        outcome = {outcome.calls, true, d.isButtonChecked(1004), d.isButtonChecked(1008)};
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

// Runs the dialog while xdotool plays `actions` on its mapped window ($id). The script ends
// with the dialog, so nothing of it reaches the next case.
void runWith(const std::string& actions, SdlPlatform& p) {
    outcome = {};
    const std::string script = "xdotool mousemove 2 2; id=$(xdotool search --sync --onlyvisible "
                               "--name '^Rav Engine$' | head -1); sleep 0.3; " +
                               actions;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        setpgid(0, 0);
        execl("/bin/sh", "sh", "-c", script.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    setpgid(child, child); // also here, so the group exists whoever runs first
    SDL_InitSubSystem(SDL_INIT_TIMER);
    const SDL_TimerID timer = SDL_AddTimer(15000, giveUp, nullptr);
    p.runStartupDialog(kContent, proc);
    SDL_RemoveTimer(timer);
    SDL_QuitSubSystem(SDL_INIT_TIMER);
    // Its last key releases still to come; cut short, they would leave keys held down.
    for (int i = 0; i < 50 && waitpid(child, nullptr, WNOHANG) == 0; ++i)
        SDL_Delay(100);
    kill(-child, SIGKILL);
    waitpid(child, nullptr, 0);
}

// The pointer comes to rest on the control before the button goes down.
std::string clickAt(int x, int y) {
    return "xdotool mousemove --window $id " + std::to_string(x) + " " + std::to_string(y) +
           "; sleep 0.1; xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.2; ";
}

constexpr auto Init = DialogMessage::Init;
constexpr auto Command = DialogMessage::Command;
constexpr auto Close = DialogMessage::Close;

} // namespace

// A termination request closes the dialog and still reaches the game as its close request.
TEST(StartupDialogWindow, KeysClicksAndTerminationReachTheProcedure) {
    const std::string devamAfterBoxes = clickAt(172, 256) + clickAt(120, 273) + clickAt(171, 310);
    struct Case {
        const char* name;
        std::string actions;
        Outcome want; // calls; boxes read; 1004, 1008 as read
        bool closeQueued;
    } cases[] = {
        {"Enter", "xdotool key Return", {{{Init, 0}, {Command, 1}}, true, false, true}, false},
        {"boxes, Devam",
         devamAfterBoxes,
         {{{Init, 0}, {Command, 1004}, {Command, 1008}, {Command, 1}}, true, true, false},
         false},
        {"Escape, Alt+F4",
         "xdotool key Escape; sleep 0.3; xdotool key alt+F4",
         {{{Init, 0}, {Command, 2}, {Close, 0}}},
         false},
        {"SIGTERM", "kill -TERM " + std::to_string(getpid()), {{{Init, 0}, {Close, 0}}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SdlPlatform p;
        runWith(c.actions, p);
        EXPECT_EQ(outcome.calls, c.want.calls);
        EXPECT_TRUE(outcome == c.want) << outcome.read << outcome.refresh << outcome.smooth;
        WindowMessage m;
        const bool queued = p.peekMessage(m);
        EXPECT_EQ(queued, c.closeQueued);
        EXPECT_TRUE(!queued || m.type == MessageType::Close);
    }
}
