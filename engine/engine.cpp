#include "engine/engine.h"

#include <cstdio>

namespace {

void copyName(char (&field)[100], const char* text) {
    std::snprintf(field, sizeof field, "%s", text ? text : "");
}

} // namespace

Engine::Engine() {
    copyName(className, "Zendor");
    copyName(windowTitle, "Rav Engine");
}

// The render state goes with the members; the devices are released here.
Engine::~Engine() {
    inputSystem.release();
}

int Engine::create(void* instance, WindowProc windowProc, const char* className, const char* title,
                   int width, int height, int colorBits, float nearPlane, float farPlane) {
    platform::Platform& host = platform::current();

    active = 0;
    copyName(this->className, "Zendor");
    copyName(windowTitle, "Rav Engine");
    fieldOfView = 75.0f;
    lineSmoothing = 0;
    depthBits = 16;
    stencilBits = 1;
    setViewOptions(75.0f, 1);

    copyName(this->className, className);
    copyName(windowTitle, title);
    this->instance = instance;
    this->windowProc = windowProc;
    this->width = width;
    this->height = height;
    this->colorBits = colorBits;

    if (!host.registerWindowClass(this->className)) {
        showWarning("Pencere Kayit edilemedi!");
        return 0;
    }
    classRegistered = true;

    if (!host.changeDisplayMode(width, height, colorBits)) {
        showError("Simdi Pencere kapatilacak!");
        return 0;
    }

    if (!host.createWindow(windowTitle, width, height)) {
        destroy();
        showWarning("Pencere olusturulamadi");
        return 0;
    }
    window = true;

    if (!setupPixelFormat()) {
        showWarning("Pixel Ayari Yapilamadi ve Program Kapatilacak!!!");
        destroy();
        return 0;
    }

    if (!renderState.initialise(lineSmoothing, fieldOfView, nearPlane, farPlane)) {
        showWarning("OpenGL giris ayarlari yapilamadi!");
        destroy();
        return 0;
    }

    host.showCursor(false);
    host.showWindow();
    renderState.resize(width, height);
    inputSystem.create(instance, nullptr);
    inputSystem.setMouseBounds(0, 0, width - 9, height - 9);

    secondStart = 0;
    lastTime = 0;
    frameTime = 0;
    frameCount = 0;
    fps = 100.0f;
    frameDelta = 0;
    clampDelta = 0;

    active = 1;
    ready = 0;
    return 1;
}

bool Engine::destroy() {
    platform::Platform& host = platform::current();

    host.restoreDisplayMode();
    if (renderContext) {
        if (!host.makeCurrent(false)) showInfo("DC ve RC kaldirilamadi!");
        if (!host.deleteContext()) showInfo("RC context kaldirilamadi!");
        renderContext = false;
    }
    if (deviceContext) {
        if (!host.releaseDeviceContext()) showInfo("DC kaldirilamadi!");
        deviceContext = false;
    }
    if (window) {
        if (!host.destroyWindow()) showInfo("Pencere Kaldirilamadi!");
        window = false;
    }
    if (!host.unregisterWindowClass(className)) showInfo("Pencere Kayittan kaldirilamadi!");
    classRegistered = false;
    host.showCursor(true);
    return true;
}

int Engine::setupPixelFormat() {
    platform::Platform& host = platform::current();

    if (!pixelFormatFilled) {
        pixelFormat.colorBits = colorBits;
        pixelFormat.depthBits = depthBits;
        pixelFormat.stencilBits = stencilBits;
        pixelFormat.doubleBuffer = true;
        pixelFormatFilled = true;
    }

    if (!host.getDeviceContext()) {
        showWarning("OpenGL hatasi Opengl Context aygiti olusuturulamadi.");
        return 0;
    }
    deviceContext = true;
    if (!host.choosePixelFormat(pixelFormat)) {
        showWarning("Suitable PixelFormat bulunamadi!");
        return 0;
    }
    if (!host.setPixelFormat()) {
        showWarning("Pixel format ayarlanamadi!");
        return 0;
    }
    if (!host.createContext()) {
        showWarning("OpenGL rendering context olusturulamadi!");
        return 0;
    }
    renderContext = true;
    if (!host.makeCurrent(true)) {
        showWarning("OpenGL rendering context aktif hale getirilemedi.");
        return 0;
    }
    return 1;
}

int Engine::setViewOptions(float fieldOfView, uint8_t lineSmoothing) {
    this->fieldOfView = fieldOfView;
    this->lineSmoothing = lineSmoothing;
    return 1;
}

int Engine::showError(const char* text) {
    return platform::current().messageBox(text, windowTitle, platform::MessageIcon::Error);
}

int Engine::showWarning(const char* text) {
    return platform::current().messageBox(text, windowTitle, platform::MessageIcon::Warning);
}

int Engine::showInfo(const char* text) {
    return platform::current().messageBox(text, windowTitle, platform::MessageIcon::Information);
}
