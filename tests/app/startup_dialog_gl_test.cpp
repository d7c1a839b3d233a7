// The game's start-up dialog: its content laid out and painted by the platform's view, and the
// real window driven by xdotool under the test display, answered by the game's own procedure.
#include <gtest/gtest.h>

#include <csignal>
#include <span>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "app/app.h"
#include "platform/sdl_platform.h"
#include "platform/startup_dialog_view.h"

using namespace platform;

namespace {

const DialogContent& content = startupDialogContent();
const std::span<const DialogControl> controls(content.controls, size_t(content.controlCount));

std::string calls; // "I" Init, "C<id>" Command, "X" Close

bool recordingProc(DialogHandle& d, DialogMessage message, int command) {
    calls += message == DialogMessage::Init    ? "I"
             : message == DialogMessage::Close ? " X"
                                               : " C" + std::to_string(command);
    return startupDialogProc(d, message, command);
}

// Runs the dialog while xdotool plays `actions` on its window ($id); a stray run is ended by a
// termination request after 15 s. The script's process group ends with the dialog.
void runWith(const std::string& actions, SdlPlatform& p) {
    calls.clear();
    const std::string script = "(sleep 15; kill -TERM " + std::to_string(getpid()) +
                               ") & xdotool mousemove 2 2; id=$(xdotool search --sync "
                               "--onlyvisible --name '^Rav Engine$' | head -1); sleep 0.3; " +
                               actions;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        setpgid(0, 0);
        execl("/bin/sh", "sh", "-c", script.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    setpgid(child, child); // also here, so the group exists whoever runs first
    p.runStartupDialog(content, recordingProc);
    // Let its last key releases arrive; cut short, they would leave keys held down.
    for (int i = 0; i < 50 && waitpid(child, nullptr, WNOHANG) == 0; ++i)
        usleep(100000);
    kill(-child, SIGKILL);
    waitpid(child, nullptr, 0);
}

// The pointer comes to rest on the control before the button goes down.
std::string clickAt(int id) {
    const DialogControl& c = *StartupDialogView::find(content, id);
    return "xdotool mousemove --window $id " + std::to_string(c.x + c.w / 2) + " " +
           std::to_string(c.y + c.h / 2) +
           "; sleep 0.1; xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.2; ";
}

} // namespace

// A click lands on a clickable control exactly within its bounds.
TEST(StartupDialog, HitAreas) {
    for (const DialogControl& c : controls) {
        if (c.id == 0) continue;
        const int right = c.x + c.w - 1, bottom = c.y + c.h - 1;
        EXPECT_EQ(StartupDialogView::hitTest(content, c.x, c.y), c.id) << c.text;
        EXPECT_EQ(StartupDialogView::hitTest(content, right, bottom), c.id) << c.text;
        for (auto [x, y] :
             {std::pair{c.x - 1, c.y}, {c.x, c.y - 1}, {right + 1, bottom}, {right, bottom + 1}})
            EXPECT_NE(StartupDialogView::hitTest(content, x, y), c.id)
                << c.text << " " << x << "," << y;
    }
    EXPECT_EQ(StartupDialogView::hitTest(content, 0, 0), 0);
}

// Keys and clicks reach the procedure, which reads the boxes only for Devam; Escape alone keeps
// the dialog. A termination request closes it and still reaches the game as its close request.
TEST(StartupDialog, KeysClicksAndTerminationInTheWindow) {
    const struct Case {
        const char* name;
        std::string actions, want; // the calls, then the boxes as read: refresh, smoothing
        bool closeQueued;
    } cases[] = {
        {"Enter", "xdotool key Return", "I C1 01", false},
        {"boxes, Devam", clickAt(1004) + clickAt(1008) + clickAt(1), "I C1004 C1008 C1 10", false},
        {"Escape, Alt+F4", "xdotool key Escape; sleep 0.3; xdotool key alt+F4", "I C2 X 00", false},
        {"SIGTERM", "kill -TERM " + std::to_string(getpid()), "I X 00", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startupSettings = StartupSettings{};
        SdlPlatform p;
        runWith(c.actions, p);
        EXPECT_EQ(calls + " " + char('0' + startupSettings.waitForRefresh) +
                      char('0' + startupSettings.lineAntialiasing),
                  c.want);
        WindowMessage m;
        EXPECT_EQ(p.peekMessage(m) ? int(m.type) : -1,
                  c.closeQueued ? int(MessageType::Close) : -1); // the close request, or nothing
    }
}
