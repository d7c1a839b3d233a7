#include "engine/render_state.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdlib>

#include "engine/engine.h"
#include "platform/platform.h"

namespace {

void selectTextureUnit(GLenum unit) {
    if (glext::glActiveTextureARB) glext::glActiveTextureARB(unit);
}

} // namespace

RenderState::~RenderState() {
    std::free(vendor);
    std::free(renderer);
    std::free(version);
}

int RenderState::initialise(uint8_t lineSmoothing, float fieldOfView, float nearPlane,
                            float farPlane) {
    swapControlAvailable = 0;
    logDriverInfo();
    logExtensions();
    this->nearPlane = nearPlane;
    this->farPlane = farPlane;
    if (!loadMultitexture()) return 0;
    loadSwapControl();
    setupLights();

    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_DITHER);
    glPointSize(5.0f);

    glDepthFunc(GL_LEQUAL);
    glDepthRange(0.0, 1.0);
    glDepthMask(GL_TRUE);

    if (lineSmoothing)
        glEnable(GL_LINE_SMOOTH);
    else
        glDisable(GL_LINE_SMOOTH);

    this->fieldOfView = fieldOfView;

    selectTextureUnit(GL_TEXTURE1_ARB);
    glDisable(GL_TEXTURE_2D);
    selectTextureUnit(GL_TEXTURE0_ARB);
    glEnable(GL_TEXTURE_2D);
    return 1;
}

void RenderState::resize(int width, int height) {
    if (height == 0) height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fieldOfView, GLdouble(GLfloat(width) / GLfloat(height)), nearPlane, farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void RenderState::beginFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
}

void RenderState::resetFrameState() {
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    selectTextureUnit(GL_TEXTURE1_ARB);
    glDisable(GL_TEXTURE_2D);
    selectTextureUnit(GL_TEXTURE0_ARB);
    glEnable(GL_TEXTURE_2D);
    glDepthMask(GL_TRUE);
    glDisable(GL_STENCIL_TEST);
}

void RenderState::set2DMode(int mode) {
    if (mode == 1) {
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glDisable(GL_BLEND);
        glOrtho(0, owner.width, 0, owner.height, -500, 500);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glEnable(GL_TEXTURE_2D);
    } else if (mode == 0) {
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glEnable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
    }
}

void RenderState::endFrame() {
    owner.updateTiming();
    glFlush();
    platform::current().swapBuffers();
}

void RenderState::setupLights() {
    struct Light {
        GLfloat ambient[4];
        GLfloat diffuse[4];
        GLfloat position[4];
    };
    static constexpr Light LIGHTS[4] = {
        {{0.4f, 0.0f, 0.2f, 1.0f}, {0.8f, 0.8f, 0.4f, 1.0f}, {94.0f, 30.0f, 14.0f, 1.0f}},
        {{0.1f, 0.4f, 0.4f, 1.0f}, {0.8f, 0.5f, 0.4f, 1.0f}, {14.0f, 6.0f, 10.0f, 1.0f}},
        {{0.1f, 0.1f, 0.1f, 1.0f}, {0.8f, 0.4f, 0.2f, 1.0f}, {30.0f, 2.0f, -5.0f, 1.0f}},
        {{0.4f, 0.4f, 0.4f, 1.0f}, {0.8f, 0.6f, 0.5f, 1.0f}, {0.0f, 1.6f, 0.0f, 1.0f}},
    };
    // Light 0 is left alone.
    for (int i = 0; i < 4; ++i) {
        const GLenum light = GL_LIGHT1 + GLenum(i);
        glLightfv(light, GL_AMBIENT, LIGHTS[i].ambient);
        glLightfv(light, GL_DIFFUSE, LIGHTS[i].diffuse);
        glLightfv(light, GL_POSITION, LIGHTS[i].position);
        glEnable(light);
    }
    glEnable(GL_LIGHTING);
}
