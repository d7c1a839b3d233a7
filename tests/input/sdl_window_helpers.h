// The real SDL window with the game's input system on it, for tests under an X display.
#pragma once

#include "input/input_system.h"
#include "platform/sdl_platform.h"

struct SdlGameWindow {
    // Window shown, devices created with the game's bounds, and input focus gained.
    bool open();
    void close();
    // One pass of the main loop: drain the messages, then poll once.
    int32_t frame();

    platform::SdlPlatform sdl;
    InputSystem input;
};
