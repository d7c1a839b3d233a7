// The game draws a frame of one fixed size. When the window's drawable has another size, the
// frame is drawn off screen at its own size and scaled into the drawable's centred rectangle of
// the frame's shape, black around it; with the same size it is drawn straight into the window.
// Either way what the game reads back (the screenshot) is exactly the frame it drew.
#pragma once

#include "platform/platform.h"

namespace platform {

class FrameScaler {
public:
    using ProcLookup = void* (*)(const char* name);

    // With the context current: the frame's size and the driver's framebuffer entry points.
    void start(ProcLookup lookup, int frameWidth, int frameHeight);
    // The context is going, and its objects with it.
    void stop();
    // Binds where the next frame is drawn, for a drawable of the given size.
    void target(int drawableWidth, int drawableHeight);
    // Before the swap: the off-screen frame scaled into the drawable.
    void present();

    bool offScreen() const { return bound; }
    // False where the driver has neither framebuffer objects with blits nor their extensions.
    bool canScale() const { return blit != nullptr; }

private:
    bool makeTarget();

    using GenProc = void (*)(int, unsigned*);
    using BindProc = void (*)(unsigned, unsigned);
    using StorageProc = void (*)(unsigned, unsigned, int, int);
    using AttachProc = void (*)(unsigned, unsigned, unsigned, unsigned);
    using StatusProc = unsigned (*)(unsigned);
    using BlitProc = void (*)(int, int, int, int, int, int, int, int, unsigned, unsigned);
    GenProc genFramebuffers = nullptr, genRenderbuffers = nullptr;
    BindProc bindFramebuffer = nullptr, bindRenderbuffer = nullptr;
    StorageProc renderbufferStorage = nullptr;
    AttachProc framebufferRenderbuffer = nullptr;
    StatusProc checkFramebufferStatus = nullptr;
    BlitProc blit = nullptr;

    int frameWidth = 0, frameHeight = 0;
    int outWidth = 0, outHeight = 0;
    unsigned framebuffer = 0;
    bool started = false;
    bool failed = false; // the off-screen target could not be made: draw straight on
    bool bound = false;
};

} // namespace platform
