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
