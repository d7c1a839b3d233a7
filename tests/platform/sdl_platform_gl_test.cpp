#include "platform/sdl_platform.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include "platform/test/test_platform.h"

using namespace platform;

TEST(TestPlatformRealGL, OpensAWindowWhosePixelsCanBeReadBack) {
    TestPlatform p(true);
    ASSERT_TRUE(p.openGLWindow(64, 32));
    glViewport(0, 0, 64, 32);
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    unsigned char px[4] = {};
    glReadPixels(63, 31, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px);
    EXPECT_EQ(px[0], 255);
    EXPECT_EQ(px[1], 0);
    EXPECT_NE(p.glProcAddress("glActiveTextureARB"), nullptr);
    p.closeGLWindow();
    EXPECT_FALSE(p.windowExists);
}

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
    GLint depth = 0, stencil = 0, red = 0, green = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    glGetIntegerv(GL_STENCIL_BITS, &stencil);
    glGetIntegerv(GL_RED_BITS, &red);
    glGetIntegerv(GL_GREEN_BITS, &green);
    EXPECT_GE(depth, 16);
    EXPECT_GE(stencil, 1);
    EXPECT_GE(red, 5);
    EXPECT_GE(green, 6);
    GLboolean doubleBuffer = GL_FALSE;
    glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffer);
    EXPECT_TRUE(doubleBuffer);
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
