#include "platform/sdl_platform.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/scan_code.h"
#include "tests/platform/sdl_events.h"

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

using Messages = std::vector<std::array<uint32_t, 3>>; // type, wParam, lParam

Messages drain(Platform& p) {
    Messages got;
    for (WindowMessage m; p.peekMessage(m);)
        got.push_back({uint32_t(m.type), m.wParam, m.lParam});
    return got;
}

// SDL events become these messages, the quit message only once nothing else waits. An event
// ends a long wait for messages at once and is taken as any other.
TEST(SdlPlatformGL, EventsBecomeMessagesInOrder) {
    SdlPlatform sdl;
    ASSERT_TRUE(createAll(sdl));
    drain(sdl);
    constexpr uint32_t Quit = 0, Close = 1, Size = 2, Key = 4, Char = 5;
    const struct {
        bool quitFirst; // the program posts its quit message before the events come
        bool wait;      // the program waits for them
        std::vector<SDL_Event> events;
        Messages messages;
    } cases[] = {
        {false,
         false,
         {textEvent("aşİ✓€"), keyEvent(SDLK_BACKSPACE), keyEvent(SDLK_RETURN),
          windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 600), windowEvent(SDL_WINDOWEVENT_CLOSE)},
         {{Char, 'a', 0},
          {Char, 0xFE, 0},
          {Char, 0xDD, 0},
          {Char, 0x80, 0},
          {Key, 8, 0},
          {Size, 1024, 768}, // the frame keeps its size
          {Close, 0, 0}}},
        {true, false, {windowEvent(SDL_WINDOWEVENT_CLOSE)}, {{Close, 0, 0}, {Quit, 0, 0}}},
        {false, true, {windowEvent(SDL_WINDOWEVENT_CLOSE)}, {{Close, 0, 0}}},
    };
    for (const auto& c : cases) {
        if (c.quitFirst) sdl.postQuitMessage(0);
        for (SDL_Event e : c.events)
            SDL_PushEvent(&e);
        const Uint32 start = SDL_GetTicks();
        if (c.wait) sdl.waitMessage(5000);
        EXPECT_LT(SDL_GetTicks() - start, 2500u) << &c - cases;
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

// Alt+Enter (either Enter) and F11 switch the mode once per press, also when SDL reports the key
// down again before its release (it does so when the focus comes back); Enter alone, with Ctrl,
// or repeated does not. The keyboard reads show Enter only when it switched nothing.
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
    const struct {
        SDL_Event event;
        int downs; // reports of the press before its release
        size_t messages;
        bool enter; // the keyboard read shows Enter
    } cases[] = {
        {keyEvent(SDL_SCANCODE_RETURN, KMOD_LALT), 1, 1, false},
        {keyEvent(SDL_SCANCODE_RETURN, KMOD_RALT), 1, 1, false},
        {keyEvent(SDL_SCANCODE_KP_ENTER, KMOD_LALT), 1, 1, false},
        {keyEvent(SDL_SCANCODE_F11, KMOD_NONE), 2, 1, false},
        {keyEvent(SDL_SCANCODE_F11, KMOD_NONE, 1), 1, 0, false},
        {keyEvent(SDL_SCANCODE_RETURN, KMOD_NONE), 1, 0, true},
        {keyEvent(SDL_SCANCODE_RETURN, KMOD_LCTRL), 1, 0, true},
        {keyEvent(SDL_SCANCODE_F12, KMOD_NONE), 1, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        SDL_Event e = c.event;
        for (int i = 0; i < c.downs; ++i)
            SDL_PushEvent(&e);
        EXPECT_EQ(drain(p), Messages(c.messages, {uint32_t(MessageType::FullScreenKey), 0, 0}));
        uint8_t keys[256] = {};
        if (p.readKeyboard(keys) == INPUT_OK) { // only with the focus
            EXPECT_EQ((std::array{keys[SCAN_ENTER], keys[SCAN_F11]}),
                      (std::array<uint8_t, 2>{uint8_t(c.enter ? 0x80 : 0), 0}));
        }
        e.type = SDL_KEYUP;
        pushEvent(e);
        drain(p);
        p.readKeyboard(keys);
    }
    destroyAll(p);
}

// Full screen takes the display and scales the frame into its middle; back in a window the frame
// is drawn at its own size. Either way the scaler is set for the first frame.
TEST(SdlPlatformGL, FullScreenAndBackScaleTheFirstFrame) {
    SdlPlatform p;
    p.setWindowed(true);
    ASSERT_TRUE(createAll(p));
    p.showWindow();
    drain(p);
    SDL_Rect display{};
    ASSERT_EQ(SDL_GetDisplayBounds(0, &display), 0);
    const FrameRect fitted = fitFrame(1024, 768, display.w, display.h);
    p.setFullScreen(true, 0, 0);
    drain(p);
    // Scaled, unless the display is the frame's own size.
    EXPECT_EQ(p.frameScaler().offScreen(), display.w != 1024 || display.h != 768);
    const FrameRect shown = p.shownFrame();
    EXPECT_EQ((std::array{shown.x, shown.y, shown.width, shown.height}),
              (std::array{fitted.x, fitted.y, fitted.width, fitted.height}));

    p.setFullScreen(false, 0, 0);
    drain(p);
    EXPECT_FALSE(p.frameScaler().offScreen());
    destroyAll(p);
}
