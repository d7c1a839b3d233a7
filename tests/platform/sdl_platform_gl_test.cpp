#include "platform/sdl_platform.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <vector>

using namespace platform;

namespace {

// The engine's creation order on the real backend.
bool createAll(SdlPlatform& p) {
    return p.registerWindowClass("Menajer") && p.changeDisplayMode(1024, 768, 16) &&
           p.createWindow("Zendor Menajer", 1024, 768) && p.getDeviceContext() &&
           p.choosePixelFormat(PixelFormatRequest{}) && p.setPixelFormat() && p.createContext() &&
           p.makeCurrent(true);
}

void destroyAll(SdlPlatform& p) {
    p.restoreDisplayMode();
    EXPECT_TRUE(p.makeCurrent(false) && p.deleteContext() && p.releaseDeviceContext() &&
                p.destroyWindow() && p.unregisterWindowClass("Menajer"));
}

} // namespace

TEST(SdlPlatformGL, ContextStepsFailInTheirOwnPlace) {
    SdlPlatform p;
    ASSERT_TRUE(p.registerWindowClass("Menajer"));
    ASSERT_TRUE(p.createWindow("Zendor Menajer", 320, 200));
    EXPECT_FALSE(p.setPixelFormat()); // nothing chosen
    EXPECT_FALSE(p.createContext());
    ASSERT_TRUE(p.getDeviceContext());
    EXPECT_FALSE(p.choosePixelFormat(PixelFormatRequest{16, 16, 99, true}));
    ASSERT_TRUE(p.choosePixelFormat(PixelFormatRequest{}) && p.setPixelFormat() &&
                p.createContext());
    EXPECT_FALSE(p.unregisterWindowClass("Menajer")); // the window still exists
    EXPECT_TRUE(p.makeCurrent(true));
    destroyAll(p);
    EXPECT_FALSE(p.destroyWindow() || p.deleteContext());
}

SDL_Event textEvent(const char* utf8) {
    SDL_Event e = {};
    e.type = SDL_TEXTINPUT;
    std::snprintf(e.text.text, sizeof e.text.text, "%s", utf8);
    return e;
}
SDL_Event keyEvent(SDL_Keycode key) {
    SDL_Event e = {};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key;
    return e;
}
SDL_Event windowEvent(SDL_WindowEventID id, int data1 = 0, int data2 = 0) {
    SDL_Event e = {};
    e.type = SDL_WINDOWEVENT;
    e.window = {SDL_WINDOWEVENT, 0, 0, Uint8(id), 0, 0, 0, data1, data2};
    return e;
}

using Messages = std::vector<std::array<uint32_t, 3>>; // type, wParam, lParam

Messages drain(Platform& p) {
    Messages got;
    for (WindowMessage m; p.peekMessage(m);)
        got.push_back({uint32_t(m.type), m.wParam, m.lParam});
    return got;
}

// SDL events become these messages, the quit message only once nothing else waits.
TEST(SdlPlatformGL, EventsBecomeMessagesInOrder) {
    SdlPlatform sdl;
    ASSERT_TRUE(createAll(sdl));
    drain(sdl);
    constexpr uint32_t Quit = 0, Close = 1, Size = 2, Key = 4, Char = 5;
    const struct {
        bool quitFirst; // the program posts its quit message before the events come
        std::vector<SDL_Event> events;
        Messages messages;
    } cases[] = {
        {false,
         {textEvent("aşİ✓€"), keyEvent(SDLK_BACKSPACE), keyEvent(SDLK_RETURN),
          windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 600), windowEvent(SDL_WINDOWEVENT_CLOSE)},
         {{Char, 'a', 0},
          {Char, 0xFE, 0},
          {Char, 0xDD, 0},
          {Char, 0x80, 0},
          {Key, 8, 0},
          {Size, 1024, 768}, // the frame keeps its size
          {Close, 0, 0}}},
        {true, {windowEvent(SDL_WINDOWEVENT_CLOSE)}, {{Close, 0, 0}, {Quit, 0, 0}}},
    };
    for (const auto& c : cases) {
        if (c.quitFirst) sdl.postQuitMessage(0);
        for (SDL_Event e : c.events)
            SDL_PushEvent(&e);
        EXPECT_EQ(drain(sdl), c.messages) << &c - cases;
    }
    destroyAll(sdl);
}

// The game window has two buffers (its size is the end-to-end run's check, its colours the
// screen references'; the 2D frame uses no depth or stencil), and what swap control sets is what
// the driver keeps.
// Shrunk, its frame is drawn off screen, with an alpha channel only where the window has one: a
// clear to alpha 0 reads back as the window would show it.
TEST(SdlPlatformGL, WindowBuffersSwapControlAndTheShrunkFramesAlpha) {
    SdlPlatform p;
    p.setWindowed(true);
    ASSERT_TRUE(createAll(p));
    GLint doubled = 0;
    glGetIntegerv(GL_DOUBLEBUFFER, &doubled);
    EXPECT_EQ(doubled, 1);
    const bool canSwap = p.canSetSwapInterval();
    for (int interval : {1, 0}) {
        EXPECT_EQ(p.setSwapInterval(interval), canSwap);
        EXPECT_EQ(canSwap ? SDL_GL_GetSwapInterval() : interval, interval);
    }
    SDL_SetWindowSize(p.sdlWindow(), 800, 600);
    drain(p);
    p.swapBuffers();
    const FrameRect shown = p.shownFrame();
    ASSERT_EQ((std::array{shown.width, shown.height}), (std::array{800, 600}));
    int alphaBits = 0;
    SDL_GL_GetAttribute(SDL_GL_ALPHA_SIZE, &alphaBits);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    uint8_t rgba[4] = {};
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    EXPECT_EQ(rgba[3], alphaBits > 0 ? 0 : 255) << alphaBits;
    destroyAll(p);
}

SDL_Event ownWindowEvent(const SdlPlatform& p, SDL_WindowEventID id) {
    SDL_Event e = windowEvent(id);
    e.window.windowID = SDL_GetWindowID(p.sdlWindow());
    return e;
}

// Minimized ends when the window is restored, maximized or shown, hidden only when it is
// shown; another window's events change nothing. While the window cannot be seen no device can be
// acquired.
TEST(SdlPlatformGL, VisibilityFollowsTheWindowsOwnEvents) {
    SdlPlatform p;
    ASSERT_TRUE(createAll(p));
    p.showWindow();
    drain(p);
    ASSERT_TRUE(p.createInputDevice(InputDevice::Keyboard));
    const struct {
        SDL_WindowEventID event;
        bool own, visible;
    } steps[] = {
        {SDL_WINDOWEVENT_MINIMIZED, true, false}, {SDL_WINDOWEVENT_HIDDEN, true, false},
        {SDL_WINDOWEVENT_RESTORED, true, false},  {SDL_WINDOWEVENT_SHOWN, false, false},
        {SDL_WINDOWEVENT_SHOWN, true, true},      {SDL_WINDOWEVENT_FOCUS_LOST, true, true},
        {SDL_WINDOWEVENT_HIDDEN, true, false},    {SDL_WINDOWEVENT_MAXIMIZED, true, false},
        {SDL_WINDOWEVENT_SHOWN, true, true},      {SDL_WINDOWEVENT_MINIMIZED, true, false},
        {SDL_WINDOWEVENT_MAXIMIZED, true, true},  {SDL_WINDOWEVENT_MINIMIZED, true, false},
        {SDL_WINDOWEVENT_HIDDEN, true, false},    {SDL_WINDOWEVENT_SHOWN, true, true},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(&s - steps);
        SDL_Event e = ownWindowEvent(p, s.event);
        if (!s.own) e.window.windowID += 1;
        SDL_PushEvent(&e);
        drain(p);
        EXPECT_EQ(p.windowVisible(), s.visible);
        if (!s.visible) {
            EXPECT_EQ(p.acquireInputDevice(InputDevice::Keyboard), INPUT_ERR_ACCESS_DENIED);
            uint8_t keys[256];
            EXPECT_EQ(p.readKeyboard(keys), INPUT_ERR_NOT_ACQUIRED);
        }
    }
    destroyAll(p);
}

// The wait sleeps instead of spinning, and a message that comes ends it early.
TEST(SdlPlatformGL, WaitMessageSleepsUntilAMessageComes) {
    SdlPlatform p;
    ASSERT_TRUE(createAll(p));
    drain(p);
    const auto cpuMs = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    };
    const double cpu = cpuMs();
    const Uint32 wall = SDL_GetTicks();
    for (int i = 0; i < 3; ++i)
        p.waitMessage(100);
    EXPECT_GE(SDL_GetTicks() - wall, 280u);
    EXPECT_LT(cpuMs() - cpu, 30.0); // a busy wait burns all 300 ms
    SDL_Event e = windowEvent(SDL_WINDOWEVENT_CLOSE);
    SDL_PushEvent(&e);
    const Uint32 early = SDL_GetTicks();
    p.waitMessage(5000);
    EXPECT_LT(SDL_GetTicks() - early, 2500u);
    EXPECT_EQ(drain(p), (Messages{{1, 0, 0}}));
    destroyAll(p);
}

SDL_Event keyEvent(SDL_Scancode scan, Uint16 mod, Uint8 repeat = 0) {
    SDL_Event e = {};
    e.type = SDL_KEYDOWN;
    e.key.keysym.scancode = scan;
    e.key.keysym.mod = mod;
    e.key.repeat = repeat;
    return e;
}

// Alt+Enter (either Enter) and F11 switch the mode once per press; Enter alone, with Ctrl, or
// repeated does not. The keyboard reads show Enter only when it switched nothing.
TEST(SdlPlatformGL, ModeKeysBecomeOneMessagePerPress) {
    SdlPlatform p;
    ASSERT_TRUE(createAll(p));
    p.showWindow();
    ASSERT_TRUE(p.createInputDevice(InputDevice::Keyboard));
    for (int i = 0; i < 200 && p.acquireInputDevice(InputDevice::Keyboard) != INPUT_OK; ++i) {
        SDL_Delay(10);
        drain(p);
    }
    drain(p);
    constexpr uint32_t FullScreenKey = uint32_t(MessageType::FullScreenKey);
    const struct {
        SDL_Event event;
        size_t messages;
    } cases[] = {
        {keyEvent(SDL_SCANCODE_RETURN, KMOD_LALT), 1},
        {keyEvent(SDL_SCANCODE_RETURN, KMOD_RALT), 1},
        {keyEvent(SDL_SCANCODE_KP_ENTER, KMOD_LALT), 1},
        {keyEvent(SDL_SCANCODE_F11, KMOD_NONE), 1},
        {keyEvent(SDL_SCANCODE_F11, KMOD_NONE, 1), 0},
        {keyEvent(SDL_SCANCODE_RETURN, KMOD_LALT, 1), 0},
        {keyEvent(SDL_SCANCODE_RETURN, KMOD_NONE), 0},
        {keyEvent(SDL_SCANCODE_RETURN, KMOD_LCTRL), 0},
        {keyEvent(SDL_SCANCODE_F12, KMOD_NONE), 0},
    };
    constexpr uint8_t SCAN_ENTER = 28, SCAN_F11 = 87;
    for (const auto& c : cases) {
        SDL_Event e = c.event;
        SDL_PushEvent(&e);
        EXPECT_EQ(drain(p), Messages(c.messages, {FullScreenKey, 0, 0})) << &c - cases;
        uint8_t keys[256] = {};
        if (p.readKeyboard(keys) != INPUT_OK) continue; // no focus: nothing to read
        const bool enter =
            e.key.keysym.scancode == SDL_SCANCODE_RETURN && !c.messages && !e.key.repeat;
        EXPECT_EQ((std::array{keys[SCAN_ENTER], keys[SCAN_F11]}),
                  (std::array<uint8_t, 2>{uint8_t(enter ? 0x80 : 0), 0}))
            << &c - cases;
        e.type = SDL_KEYUP;
        SDL_PushEvent(&e);
        drain(p);
        p.readKeyboard(keys);
    }
    // Reported down again before its release (SDL does so when the focus comes back).
    for (Uint32 type : {SDL_KEYDOWN, SDL_KEYDOWN, SDL_KEYUP}) {
        SDL_Event e = keyEvent(SDL_SCANCODE_F11, KMOD_NONE);
        e.type = type;
        SDL_PushEvent(&e);
    }
    EXPECT_EQ(drain(p), Messages(1, {FullScreenKey, 0, 0}));
    destroyAll(p);
}

// Full screen takes the display and scales the frame into its middle; back in a window the frame
// is drawn at its own size and the desktop pointer sits on the frame pixel the game's cursor
// was on. Either way the frame read back is the one drawn.
TEST(SdlPlatformGL, FullScreenAndBackKeepTheFrameAndThePointer) {
    SdlPlatform p;
    p.setWindowed(true);
    ASSERT_TRUE(createAll(p));
    p.showWindow();
    drain(p);
    SDL_Rect display{};
    ASSERT_EQ(SDL_GetDisplayBounds(0, &display), 0);
    const auto sizeOf = [&] {
        int w = 0, h = 0;
        SDL_GetWindowSize(p.sdlWindow(), &w, &h);
        return std::array{w, h};
    };
    const FrameRect fitted = fitFrame(1024, 768, display.w, display.h);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        p.setFullScreen(true, 0, 0);
        drain(p);
        EXPECT_TRUE(p.fullScreen());
        EXPECT_EQ(sizeOf(), (std::array{display.w, display.h}));
        // Scaled already for the first frame, unless the display is the frame's own size.
        EXPECT_EQ(p.frameScaler().offScreen(), display.w != 1024 || display.h != 768);
        const FrameRect shown = p.shownFrame();
        EXPECT_EQ((std::array{shown.x, shown.y, shown.width, shown.height}),
                  (std::array{fitted.x, fitted.y, fitted.width, fitted.height}));
        glClearColor(0, 1, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        uint8_t rgb[3] = {};
        glReadPixels(1023, 767, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        EXPECT_EQ((std::array{rgb[0], rgb[1], rgb[2]}), (std::array<uint8_t, 3>{0, 255, 0}));

        const int32_t x = 100 + 400 * round, y = 75 + 300 * round;
        p.setFullScreen(false, x, y);
        drain(p);
        EXPECT_FALSE(p.fullScreen());
        EXPECT_EQ(sizeOf(), (std::array{1024, 768}));
        EXPECT_FALSE(p.frameScaler().offScreen());
        int32_t fx = -1, fy = -1;
        EXPECT_TRUE(p.freePointer(fx, fy));
        EXPECT_EQ((std::array{fx, fy}), (std::array{x, y}));
    }
    glClearColor(0, 0, 0, 0);
    destroyAll(p);
}
