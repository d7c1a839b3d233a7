// What the GL driver is and can do: driver strings and extensions into the log,
// multitexturing (required) and swap control (optional), and the start-up view options.
#include <GL/gl.h>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/services.h"
#include "engine/render_state.h"
#include "platform/platform.h"

namespace glext {
ActiveTextureProc glActiveTextureARB = nullptr;
ActiveTextureProc glClientActiveTextureARB = nullptr;
} // namespace glext

namespace {

// Without a current context the driver answers null; the copy is then empty.
const char* glText(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text ? reinterpret_cast<const char*>(text) : "";
}

void replaceCopy(char*& field, const char* text) {
    std::free(field);
    field = strdup(text);
}

} // namespace

void RenderState::logDriverInfo() {
    replaceCopy(vendor, glText(GL_VENDOR));
    replaceCopy(renderer, glText(GL_RENDERER));
    replaceCopy(version, glText(GL_VERSION));

    services::writeLog("------OPENGL EKRAN KARTI--------");
    services::writeLog("%s", renderer ? renderer : "");
    services::writeLog("%s", vendor ? vendor : "");
    services::writeLog("%s", version ? version : "");
    services::writeLog("--------------------------------\n");
}

void RenderState::logExtensions() {
    const std::string extensions = glText(GL_EXTENSIONS);

    services::writeLog("--------------------------------");
    services::writeLog("------OPENGL EXTENSIONLAR-------");
    services::writeLog("--------------------------------");
    std::size_t start = extensions.find_first_not_of(' ');
    while (start != std::string::npos) {
        std::size_t end = extensions.find(' ', start);
        if (end == std::string::npos) end = extensions.size();
        services::writeLog("%.*s", int(end - start), extensions.c_str() + start);
        start = extensions.find_first_not_of(' ', end);
    }
    services::writeLog("--------------------------------\n");
}

bool RenderState::loadMultitexture() {
    platform::Platform& host = platform::current();
    glext::glActiveTextureARB =
        reinterpret_cast<glext::ActiveTextureProc>(host.glProcAddress("glActiveTextureARB"));
    glext::glClientActiveTextureARB =
        reinterpret_cast<glext::ActiveTextureProc>(host.glProcAddress("glClientActiveTextureARB"));
    GLint units = 0;
    if (glext::glActiveTextureARB && glext::glClientActiveTextureARB)
        glGetIntegerv(GL_MAX_TEXTURE_UNITS_ARB, &units);

    if (units >= 2) {
        services::writeLog("Ekran Kartiniz Multitexture u destekliyor!");
        return true;
    }
    services::showWarning("Ekran kartiniz Multitexture u desteklemiyor!");
    services::writeLog("Ekran Kartiniz Multitexture u desteklemiyor!!");
    return false;
}

void RenderState::loadSwapControl() {
    platform::Platform& host = platform::current();
    // A longer name holding the substring counts too.
    if (std::strstr(glText(GL_EXTENSIONS), "WGL_EXT_swap_control") || host.canSetSwapInterval())
        swapControlAvailable = 1;
}

void RenderState::setSwapInterval(uint8_t interval) {
    if (!swapControlAvailable || interval > 1) return;
    platform::current().setSwapInterval(interval);
}

void RenderState::applyViewOptions(bool waitForRefresh, bool lineAntialiasing) {
    if (swapControlAvailable) setSwapInterval(waitForRefresh ? 1 : 0);
    if (lineAntialiasing)
        glEnable(GL_LINE_SMOOTH);
    else
        glDisable(GL_LINE_SMOOTH);
}
