// The game program's start-up, main loop and shutdown.
#pragma once

#include "platform/platform.h"

struct StartupSettings {
    bool waitForRefresh = false;
    bool lineAntialiasing = false;
};
extern StartupSettings startupSettings;

// The start-up dialog (startup_dialog.cpp): what it shows, and its procedure, which fills
// startupSettings from the check boxes when "Devam" ends it.
const platform::DialogContent& startupDialogContent();
bool startupDialogProc(platform::DialogHandle& dialog, platform::DialogMessage message,
                       int command);
// createGameWindow, loadFont and loadGameData; 0 when the window or context cannot be made.
int startUp(void* instance);
bool createGameWindow(void* instance);
int shutDown();
int loadGameData();
void renderFrame();
void handleGlobalKeys();
int windowProc(const platform::WindowMessage& message);

// One pass of the main loop: a waiting message dispatched, else one input poll and one frame,
// else, while nobody can see the window, a wait for the next message of at most REST_WAIT_MS.
enum class LoopPass { Quit, Message, Frame, Rest };
constexpr uint32_t REST_WAIT_MS = 100;
LoopPass runLoopPass(platform::Platform& host);

// The program entry after the platform is set: dialog, start-up, loop, shutdown. Returns 0.
int menajerMain(void* instance);
