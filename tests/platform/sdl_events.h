// SDL events as the backend receives them, for tests that push them onto SDL's own queue.
#pragma once

#include <SDL.h>

inline SDL_Event windowEvent(SDL_WindowEventID id, int data1 = 0, int data2 = 0) {
    SDL_Event e = {};
    e.type = SDL_WINDOWEVENT;
    e.window = {SDL_WINDOWEVENT, 0, 0, Uint8(id), 0, 0, 0, data1, data2};
    return e;
}

inline SDL_Event keyEvent(SDL_Scancode scan, Uint16 mod = KMOD_NONE, Uint8 repeat = 0,
                          Uint32 type = SDL_KEYDOWN) {
    SDL_Event e = {};
    e.type = type;
    e.key.keysym.scancode = scan;
    e.key.keysym.mod = mod;
    e.key.repeat = repeat;
    return e;
}

inline void pushEvent(SDL_Event e) {
    SDL_PushEvent(&e);
}
