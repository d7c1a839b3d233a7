#include "platform/sdl_platform.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/test/test_platform.h"

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
    EXPECT_TRUE(p.makeCurrent(false));
    EXPECT_TRUE(p.deleteContext());
    EXPECT_TRUE(p.releaseDeviceContext());
    EXPECT_TRUE(p.destroyWindow());
    EXPECT_TRUE(p.unregisterWindowClass("Menajer"));
}

} // namespace

TEST(SdlPlatformGL, GameWindowIs1024x768WithDepthAndStencil) {
    SdlPlatform p;
    ASSERT_TRUE(createAll(p));
    p.showCursor(false);
    p.showWindow();
    int w = 0, h = 0;
    SDL_GetWindowSize(p.sdlWindow(), &w, &h);
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
    for (auto [name, least] : {std::pair{GL_DEPTH_BITS, 16},
                               {GL_STENCIL_BITS, 1},
                               {GL_RED_BITS, 5},
                               {GL_GREEN_BITS, 6},
                               {GL_DOUBLEBUFFER, 1}}) {
        GLint bits = 0;
        glGetIntegerv(name, &bits);
        EXPECT_GE(bits, least) << name;
    }
    // The fixed-function pipeline must be there.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    // Swap control answers agree, and what is set is what the driver keeps.
    const bool canSwap = p.canSetSwapInterval();
    for (int interval : {1, 0}) {
        EXPECT_EQ(p.setSwapInterval(interval), canSwap);
        EXPECT_EQ(canSwap ? SDL_GL_GetSwapInterval() : interval, interval);
    }
    p.showCursor(true);
    destroyAll(p);
}

TEST(SdlPlatformGL, ContextStepsFailInTheirOwnPlace) {
    SdlPlatform p;
    ASSERT_TRUE(p.registerWindowClass("Menajer"));
    EXPECT_FALSE(p.getDeviceContext()); // no window yet
    ASSERT_TRUE(p.createWindow("Zendor Menajer", 320, 200));
    EXPECT_FALSE(p.setPixelFormat()); // nothing chosen
    EXPECT_FALSE(p.createContext());
    EXPECT_FALSE(p.canSetSwapInterval() || p.setSwapInterval(0)); // no context
    ASSERT_TRUE(p.getDeviceContext());
    EXPECT_FALSE(p.choosePixelFormat(PixelFormatRequest{16, 16, 99, true}));
    ASSERT_TRUE(p.choosePixelFormat(PixelFormatRequest{}));
    ASSERT_TRUE(p.setPixelFormat());
    ASSERT_TRUE(p.createContext());
    EXPECT_FALSE(p.unregisterWindowClass("Menajer")); // the window still exists
    EXPECT_TRUE(p.makeCurrent(true));
    destroyAll(p);
    EXPECT_FALSE(p.destroyWindow());
    EXPECT_FALSE(p.deleteContext());
}

// What reaches the window: typed text, a key, a resize, a close request, or the program's
// own quit message, posted at that point.
struct Happening {
    enum Kind { Text, Key, Resize, CloseRequest, ProgramQuits } kind;
    const char* text = "";
    int a = 0, b = 0;
};

void happen(SdlPlatform& p, const Happening& h) {
    SDL_Event e = {};
    switch (h.kind) {
    case Happening::Text:
        e.type = SDL_TEXTINPUT;
        std::snprintf(e.text.text, sizeof e.text.text, "%s", h.text);
        break;
    case Happening::Key:
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = h.a;
        break;
    case Happening::Resize:
    case Happening::CloseRequest:
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = SDL_GetWindowID(p.sdlWindow());
        e.window.event =
            h.kind == Happening::Resize ? SDL_WINDOWEVENT_SIZE_CHANGED : SDL_WINDOWEVENT_CLOSE;
        e.window.data1 = h.a;
        e.window.data2 = h.b;
        break;
    case Happening::ProgramQuits:
        return p.postQuitMessage(0);
    }
    SDL_PushEvent(&e);
}

void happen(TestPlatform& p, const Happening& h) {
    switch (h.kind) {
    case Happening::Text:
        return p.typeText(h.text);
    case Happening::Key:
        if (h.a == SDLK_BACKSPACE) p.postMessage(MessageType::KeyDown, 8);
        return;
    case Happening::Resize:
        return p.postMessage(MessageType::Size, uint32_t(h.a), uint32_t(h.b));
    case Happening::CloseRequest:
        return p.postMessage(MessageType::Close);
    case Happening::ProgramQuits:
        return p.postQuitMessage(0);
    }
}

using Messages = std::vector<std::array<uint32_t, 3>>; // type, wParam, lParam

Messages drain(Platform& p) {
    Messages got;
    for (WindowMessage m; p.peekMessage(m);)
        got.push_back({uint32_t(m.type), m.wParam, m.lParam});
    return got;
}

// The scripted backend gives the messages the real one does, in the same order: the quit
// message only once nothing else waits.
TEST(SdlPlatformGL, BothBackendsTurnHappeningsIntoTheSameMessages) {
    SdlPlatform sdl;
    ASSERT_TRUE(createAll(sdl));
    drain(sdl);
    constexpr uint32_t Quit = 0, Close = 1, Size = 2, Key = 4, Char = 5;
    const struct {
        std::vector<Happening> script;
        Messages messages;
    } cases[] = {
        {{{Happening::Text, "aşİ✓€"},
          {Happening::Key, "", SDLK_BACKSPACE},
          {Happening::Key, "", SDLK_RETURN},
          {Happening::Resize, "", 800, 600},
          {Happening::CloseRequest}},
         {{Char, 'a', 0},
          {Char, 0xFE, 0},
          {Char, 0xDD, 0},
          {Char, 0x80, 0},
          {Key, 8, 0},
          {Size, 800, 600},
          {Close, 0, 0}}},
        {{{Happening::ProgramQuits}, {Happening::Text, "ab"}, {Happening::CloseRequest}},
         {{Char, 'a', 0}, {Char, 'b', 0}, {Close, 0, 0}, {Quit, 0, 0}}},
    };
    for (const auto& c : cases) {
        TestPlatform scripted;
        for (const Happening& h : c.script) {
            happen(sdl, h);
            happen(scripted, h);
        }
        EXPECT_EQ(drain(sdl), c.messages) << &c - cases;
        EXPECT_EQ(drain(scripted), c.messages) << &c - cases;
    }
    destroyAll(sdl);
}
