// A real GL context on the test display: an off-screen 1024 × 768 surface that stays
// current for the whole test program.
#pragma once

#include <GL/glx.h>
#include <X11/Xlib.h>

class TestGlContext {
public:
    // True when the context is current; `error` says why not.
    bool create(int width = 1024, int height = 768) {
        display = XOpenDisplay(nullptr);
        if (!display) return fail("no X display (is DISPLAY set?)");
        const int attributes[] = {GLX_DRAWABLE_TYPE, GLX_PBUFFER_BIT, GLX_RENDER_TYPE,
                                  GLX_RGBA_BIT,      GLX_RED_SIZE,    8,
                                  GLX_GREEN_SIZE,    8,               GLX_BLUE_SIZE,
                                  8,                 GLX_DEPTH_SIZE,  16,
                                  GLX_DOUBLEBUFFER,  False,           None};
        int count = 0;
        GLXFBConfig* configs =
            glXChooseFBConfig(display, DefaultScreen(display), attributes, &count);
        if (!configs || count == 0) return fail("no pbuffer configuration");
        const GLXFBConfig config = configs[0];
        XFree(configs);
        const int surface[] = {GLX_PBUFFER_WIDTH, width, GLX_PBUFFER_HEIGHT, height, None};
        pbuffer = glXCreatePbuffer(display, config, surface);
        context = glXCreateNewContext(display, config, GLX_RGBA_TYPE, nullptr, True);
        if (!pbuffer || !context) return fail("cannot create the pbuffer or context");
        if (!glXMakeContextCurrent(display, pbuffer, pbuffer, context))
            return fail("cannot make the context current");
        glViewport(0, 0, width, height);
        return true;
    }

    ~TestGlContext() {
        if (!display) return;
        glXMakeContextCurrent(display, None, None, nullptr);
        if (context) glXDestroyContext(display, context);
        if (pbuffer) glXDestroyPbuffer(display, pbuffer);
        XCloseDisplay(display);
    }

    const char* error = "";

private:
    bool fail(const char* why) {
        error = why;
        return false;
    }

    Display* display = nullptr;
    GLXPbuffer pbuffer = 0;
    GLXContext context = nullptr;
};
