#include "platform/sdl_platform.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

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
    EXPECT_TRUE(p.setSwapInterval(0) || !p.canSetSwapInterval());
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

TEST(SdlPlatformGL, EventsBecomeWindowMessages) {
    SdlPlatform p;
    ASSERT_TRUE(createAll(p));
    WindowMessage m;
    while (p.peekMessage(m)) {
    }
    SDL_Event text = {};
    text.type = SDL_TEXTINPUT;
    std::snprintf(text.text.text, sizeof text.text.text, "%s", "aşİ✓€");
    SDL_Event back = {};
    back.type = SDL_KEYDOWN;
    back.key.keysym.sym = SDLK_BACKSPACE;
    back.key.keysym.scancode = SDL_SCANCODE_BACKSPACE;
    SDL_Event other = back;
    other.key.keysym.sym = SDLK_RETURN;
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    for (SDL_Event* e : {&text, &back, &other, &quit})
        SDL_PushEvent(e);
    p.postQuitMessage(0);

    struct Expected {
        MessageType type;
        uint32_t wParam;
    } expected[] = {{MessageType::Char, 'a'},  {MessageType::Char, 0xFE}, {MessageType::Char, 0xDD},
                    {MessageType::Char, 0x80}, {MessageType::KeyDown, 8}, {MessageType::Close, 0},
                    {MessageType::Quit, 0}};
    for (const Expected& e : expected) {
        ASSERT_TRUE(p.peekMessage(m));
        EXPECT_EQ(int(m.type), int(e.type));
        EXPECT_EQ(m.wParam, e.wParam);
    }
    EXPECT_FALSE(p.peekMessage(m));
    destroyAll(p);
}
