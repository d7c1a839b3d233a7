#include "platform/frame_scaler.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <cstdio>

namespace platform {

namespace {

template <class Proc>
bool find(Proc& proc, FrameScaler::ProcLookup lookup, const char* core, const char* ext) {
    void* p = lookup(core);
    if (!p) p = lookup(ext);
    proc = reinterpret_cast<Proc>(p);
    return p != nullptr;
}

// The drawable's own colour, depth and stencil sizes, so that the frame drawn off screen is
// quantised as the window would quantise it.
GLenum colorFormat() {
    GLint red = 8, alpha = 0;
    glGetIntegerv(GL_RED_BITS, &red);
    glGetIntegerv(GL_ALPHA_BITS, &alpha);
    if (red <= 5) return GL_RGB5;
    return alpha > 0 ? GL_RGBA8 : GL_RGB8;
}

GLenum depthFormat() {
    GLint depth = 16, stencil = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    glGetIntegerv(GL_STENCIL_BITS, &stencil);
    if (stencil > 0) return GL_DEPTH24_STENCIL8;
    return depth > 16 ? GL_DEPTH_COMPONENT24 : GL_DEPTH_COMPONENT16;
}

} // namespace

void FrameScaler::start(ProcLookup lookup, int width, int height) {
    if (started) return; // the context's objects stay until it goes
    started = true;
    frameWidth = width;
    frameHeight = height;
    // The core names where the driver offers them, else the two extensions' own.
    const bool all =
        find(genFramebuffers, lookup, "glGenFramebuffers", "glGenFramebuffersEXT") &&
        find(bindFramebuffer, lookup, "glBindFramebuffer", "glBindFramebufferEXT") &&
        find(genRenderbuffers, lookup, "glGenRenderbuffers", "glGenRenderbuffersEXT") &&
        find(bindRenderbuffer, lookup, "glBindRenderbuffer", "glBindRenderbufferEXT") &&
        find(renderbufferStorage, lookup, "glRenderbufferStorage", "glRenderbufferStorageEXT") &&
        find(framebufferRenderbuffer, lookup, "glFramebufferRenderbuffer",
             "glFramebufferRenderbufferEXT") &&
        find(checkFramebufferStatus, lookup, "glCheckFramebufferStatus",
             "glCheckFramebufferStatusEXT") &&
        find(blit, lookup, "glBlitFramebuffer", "glBlitFramebufferEXT");
    if (!all) blit = nullptr;
}

void FrameScaler::stop() {
    started = false;
    framebuffer = 0;
    failed = bound = false;
    outWidth = outHeight = 0;
}

bool FrameScaler::makeTarget() {
    if (framebuffer) return true;
    if (failed) return false;
    if (!blit) {
        std::fputs("menajer: the driver cannot draw off screen; drawing unscaled\n", stderr);
        failed = true;
        return false;
    }
    const GLenum color = colorFormat(), depth = depthFormat();
    GLuint buffers[2] = {};
    genRenderbuffers(2, buffers);
    bindRenderbuffer(GL_RENDERBUFFER, buffers[0]);
    renderbufferStorage(GL_RENDERBUFFER, color, frameWidth, frameHeight);
    bindRenderbuffer(GL_RENDERBUFFER, buffers[1]);
    renderbufferStorage(GL_RENDERBUFFER, depth, frameWidth, frameHeight);
    bindRenderbuffer(GL_RENDERBUFFER, 0);
    genFramebuffers(1, &framebuffer);
    bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, buffers[0]);
    framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, buffers[1]);
    if (depth == GL_DEPTH24_STENCIL8)
        framebufferRenderbuffer(GL_FRAMEBUFFER, GL_STENCIL_ATTACHMENT, GL_RENDERBUFFER, buffers[1]);
    if (checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        std::fputs("menajer: no off-screen frame; drawing unscaled\n", stderr);
        bindFramebuffer(GL_FRAMEBUFFER, 0);
        framebuffer = 0;
        failed = true;
        return false;
    }
    return true;
}

void FrameScaler::target(int drawableWidth, int drawableHeight) {
    outWidth = drawableWidth;
    outHeight = drawableHeight;
    const bool scale = (drawableWidth != frameWidth || drawableHeight != frameHeight) &&
                       drawableWidth > 0 && drawableHeight > 0 && makeTarget();
    if (scale == bound) return;
    bindFramebuffer(GL_FRAMEBUFFER, scale ? framebuffer : 0);
    bound = scale;
}

void FrameScaler::present() {
    if (!bound) return;
    const FrameRect r = fitFrame(frameWidth, frameHeight, outWidth, outHeight);
    bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    // The game's own clear colour and scissor stay as it set them.
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    if (scissor) glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    const int bottom = outHeight - r.y - r.height; // GL counts rows from the bottom
    blit(0, 0, frameWidth, frameHeight, r.x, bottom, r.x + r.width, bottom + r.height,
         GL_COLOR_BUFFER_BIT, GL_LINEAR);
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
    if (scissor) glEnable(GL_SCISSOR_TEST);
    bindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
}

} // namespace platform
