#include "platform/sdl_platform.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "text/cp1254.h"

namespace platform {

SdlPlatform::SdlPlatform() = default;

SdlPlatform::~SdlPlatform() {
    releaseAllInput();
    if (context) SDL_GL_DeleteContext(context);
    if (window) SDL_DestroyWindow(window);
    if (videoUp) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

// ---- Window and context ----

bool SdlPlatform::startVideo() {
    // Closing the window must reach the game as its close request, never as a second quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL video: %s\n", SDL_GetError());
        return false;
    }
    videoUp = true;
    return true;
}

bool SdlPlatform::registerWindowClass(const char*) {
    return videoUp || startVideo();
}

bool SdlPlatform::unregisterWindowClass(const char*) {
    if (!videoUp || window) return false;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    videoUp = false;
    return true;
}

// Full screen keeps the display's mode and size: the frame is scaled to fit. Nothing is changed
// here; the step fails only where the display cannot be read.
bool SdlPlatform::changeDisplayMode(int, int, int) {
    if (!videoUp || SDL_GetNumVideoDisplays() < 1) return false;
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(0, &bounds) != 0 || bounds.w <= 0 || bounds.h <= 0) return false;
    desktopX = bounds.x;
    desktopY = bounds.y;
    desktopWidth = bounds.w;
    desktopHeight = bounds.h;
    return true;
}

// The display's mode was never changed, so there is nothing to restore.
void SdlPlatform::restoreDisplayMode() {}

void SdlPlatform::applyGLAttributes(const PixelFormatRequest& request) {
    const bool deep = request.colorBits > 16;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, deep ? 8 : 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, deep ? 8 : 6);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, deep ? 8 : 5);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, request.depthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, request.stencilBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, request.doubleBuffer ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

// A window of the frame's size (in a window, or in tests), else one covering the display.
SDL_Window* SdlPlatform::makeWindow() {
    Uint32 flags = SDL_WINDOW_OPENGL;
    flags |= testMode ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN;
    int x = 0, y = 0, w = windowWidth, h = windowHeight;
    if (windowed) {
        flags |= SDL_WINDOW_RESIZABLE;
        x = y = int(SDL_WINDOWPOS_CENTERED);
    } else {
        flags |= SDL_WINDOW_BORDERLESS;
        if (!testMode && desktopWidth > 0) {
            flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
            x = desktopX, y = desktopY, w = desktopWidth, h = desktopHeight;
        }
    }
    const std::string utf8Title = cp1254::toUtf8(title);
    SDL_Window* made = SDL_CreateWindow(utf8Title.c_str(), x, y, w, h, flags);
    if (!made) std::fprintf(stderr, "SDL window: %s\n", SDL_GetError());
    return made;
}

bool SdlPlatform::createWindow(const char* windowTitle, int width, int height) {
    if (!videoUp || window || width <= 0 || height <= 0) return false;
    std::snprintf(title, sizeof title, "%s", windowTitle ? windowTitle : "");
    windowWidth = width;
    windowHeight = height;
    // The GL attributes pick the window's visual, so they must be set before it exists.
    windowFormat = PixelFormatRequest{};
    applyGLAttributes(windowFormat);
    window = makeWindow();
    return window != nullptr;
}

bool SdlPlatform::destroyWindow() {
    if (!window) return false;
    if (SDL_GetRelativeMouseMode()) SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_DestroyWindow(window);
    window = nullptr;
    deviceContext = formatChosen = formatSet = false;
    return true;
}

bool SdlPlatform::getDeviceContext() {
    if (!window) return false;
    deviceContext = true;
    return true;
}

bool SdlPlatform::releaseDeviceContext() {
    if (!deviceContext) return false;
    deviceContext = false;
    return true;
}

bool SdlPlatform::choosePixelFormat(const PixelFormatRequest& request) {
    if (!deviceContext) return false;
    if (request.colorBits < 8 || request.colorBits > 32 || request.depthBits < 0 ||
        request.depthBits > 32 || request.stencilBits < 0 || request.stencilBits > 8)
        return false;
    const PixelFormatRequest& had = windowFormat;
    const bool same = request.colorBits == had.colorBits && request.depthBits == had.depthBits &&
                      request.stencilBits == had.stencilBits &&
                      request.doubleBuffer == had.doubleBuffer;
    if (!same) {
        // A different format needs a window made with it.
        if (context) return false;
        applyGLAttributes(request);
        SDL_DestroyWindow(window);
        window = makeWindow();
        if (!window) {
            deviceContext = false;
            return false;
        }
        windowFormat = request;
    }
    formatChosen = true;
    return true;
}

bool SdlPlatform::setPixelFormat() {
    if (!window || !formatChosen) return false;
    formatSet = true;
    return true;
}

bool SdlPlatform::createContext() {
    if (!window || !formatSet || context) return false;
    context = SDL_GL_CreateContext(window);
    if (!context) {
        std::fprintf(stderr, "SDL GL context: %s\n", SDL_GetError());
        return false;
    }
    // Creation alone leaves the context not current; making it current is its own step.
    SDL_GL_MakeCurrent(window, nullptr);
    return true;
}

bool SdlPlatform::deleteContext() {
    if (!context) return false;
    scaler.stop();
    SDL_GL_DeleteContext(context);
    context = nullptr;
    return true;
}

bool SdlPlatform::makeCurrent(bool current) {
    if (!current) return SDL_GL_MakeCurrent(window, nullptr) == 0;
    if (!window || !context) return false;
    if (SDL_GL_MakeCurrent(window, context) != 0) return false;
    scaler.start(SDL_GL_GetProcAddress, windowWidth, windowHeight);
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window, &w, &h);
    scaler.target(w, h);
    return true;
}

void SdlPlatform::showWindow() {
    if (!window) return;
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
    SDL_SetWindowInputFocus(window);
    if (!testMode && !windowed) SDL_SetRelativeMouseMode(SDL_TRUE);
    SDL_StartTextInput();
    SDL_DisableScreenSaver();
}

void SdlPlatform::setFullScreen(bool on, int32_t x, int32_t y) {
    if (!window || on == !windowed) return;
    windowed = !on;
    if (on) {
        // Without a window manager nothing resizes the window for full screen: it covers the
        // display first, as one made for full screen does.
        if (desktopWidth > 0) {
            SDL_SetWindowBordered(window, SDL_FALSE);
            SDL_SetWindowPosition(window, desktopX, desktopY);
            SDL_SetWindowSize(window, desktopWidth, desktopHeight);
        }
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
        if (!testMode) SDL_SetRelativeMouseMode(SDL_TRUE);
        SDL_GetRelativeMouseState(nullptr, nullptr); // the switch is no movement of the mouse
    } else {
        SDL_SetRelativeMouseMode(SDL_FALSE);
        SDL_SetWindowFullscreen(window, 0);
        // A window made for full screen has no border and the display's size.
        SDL_SetWindowBordered(window, SDL_TRUE);
        SDL_SetWindowResizable(window, SDL_TRUE);
        SDL_SetWindowSize(window, windowWidth, windowHeight);
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    // The next frame is drawn for the new drawable, not the old one.
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window, &w, &h);
    if (context) scaler.target(w, h);
    if (on) return;
    // The frame pixel's centre in window points: where the free pointer maps back to (x, y).
    const FrameRect shown = shownFrame();
    if (windowWidth <= 0 || windowHeight <= 0) return;
    const int wx = shown.x + int((2 * int64_t(x) + 1) * shown.width / (2 * int64_t(windowWidth)));
    const int wy = shown.y + int((2 * int64_t(y) + 1) * shown.height / (2 * int64_t(windowHeight)));
    SDL_WarpMouseInWindow(window, wx, wy);
}

void SdlPlatform::showCursor(bool show) {
    cursorCount += show ? 1 : -1;
    SDL_ShowCursor(cursorCount >= 0 ? SDL_ENABLE : SDL_DISABLE);
}

void SdlPlatform::swapBuffers() {
    if (!window) return;
    scaler.present();
    SDL_GL_SwapWindow(window);
    // A resized window shows the next frame at its new size.
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window, &w, &h);
    if (context) scaler.target(w, h);
}

FrameRect SdlPlatform::shownFrame() const {
    int w = 0, h = 0, pixelsW = 0, pixelsH = 0;
    if (window) SDL_GetWindowSize(window, &w, &h);
    // Drawn straight into a drawable of another size, the frame is not scaled at all.
    if (window && context && !scaler.offScreen()) {
        SDL_GL_GetDrawableSize(window, &pixelsW, &pixelsH);
        return unscaledFrame(windowWidth, windowHeight, w, h, pixelsW, pixelsH);
    }
    return fitFrame(windowWidth, windowHeight, w, h);
}

void* SdlPlatform::glProcAddress(const char* name) {
    return SDL_GL_GetProcAddress(name);
}

// Setting the interval it already has succeeds only where a swap-control extension exists.
bool SdlPlatform::canSetSwapInterval() {
    if (!context) return false;
    return SDL_GL_SetSwapInterval(SDL_GL_GetSwapInterval()) == 0;
}

bool SdlPlatform::setSwapInterval(int interval) {
    return context && SDL_GL_SetSwapInterval(interval) == 0;
}

// ---- Message boxes ----

int SdlPlatform::messageBox(const char* text, const char* caption, MessageIcon icon) {
    const std::string utf8Text = cp1254::toUtf8(text ? text : "");
    const std::string utf8Caption = caption ? cp1254::toUtf8(caption) : std::string("Hata");
    Uint32 flags = SDL_MESSAGEBOX_INFORMATION;
    if (icon == MessageIcon::Error) flags = SDL_MESSAGEBOX_ERROR;
    if (icon == MessageIcon::Warning) flags = SDL_MESSAGEBOX_WARNING;
    SDL_MessageBoxButtonData button = {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT |
                                           SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT,
                                       1, "Tamam"};
    SDL_MessageBoxData data = {flags,   window, utf8Caption.c_str(), utf8Text.c_str(), 1,
                               &button, nullptr};
    // A grabbed, hidden pointer would leave the box unreachable by mouse.
    const bool relative = window && SDL_GetRelativeMouseMode();
    if (relative) SDL_SetRelativeMouseMode(SDL_FALSE);
    if (cursorCount < 0) SDL_ShowCursor(SDL_ENABLE);
    int answer = 0;
    const bool shown = SDL_ShowMessageBox(&data, &answer) == 0;
    if (cursorCount < 0) SDL_ShowCursor(SDL_DISABLE);
    if (relative) SDL_SetRelativeMouseMode(SDL_TRUE);
    if (!shown) {
        std::fprintf(stderr, "%s: %s\n", utf8Caption.c_str(), utf8Text.c_str());
        return 0;
    }
    return answer;
}

// ---- Message queue ----

bool SdlPlatform::push(const WindowMessage& message) {
    if (queueCount == QUEUE_SIZE) return false;
    queue[(queueHead + queueCount) % QUEUE_SIZE] = message;
    ++queueCount;
    return true;
}

bool switchesWindowMode(const SDL_Keysym& key) {
    if (key.scancode == SDL_SCANCODE_F11) return true;
    return (key.scancode == SDL_SCANCODE_RETURN || key.scancode == SDL_SCANCODE_KP_ENTER) &&
           (key.mod & KMOD_ALT);
}

bool SdlPlatform::ownWindowEvent(const SDL_Event& event) const {
    return event.type == SDL_WINDOWEVENT && window &&
           event.window.windowID == SDL_GetWindowID(window);
}

void SdlPlatform::translateEvent(const SDL_Event& event) {
    if (ownWindowEvent(event)) {
        switch (event.window.event) {
        case SDL_WINDOWEVENT_MINIMIZED:
            minimized = true;
            break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
            minimized = false;
            break;
        case SDL_WINDOWEVENT_HIDDEN:
            hidden = true;
            break;
        case SDL_WINDOWEVENT_SHOWN: // as SDL itself takes it: shown is no longer minimized
            hidden = minimized = false;
            break;
        default:
            break;
        }
    }
    switch (event.type) {
    case SDL_QUIT:
        push({MessageType::Close, 0, 0});
        break;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            push({MessageType::Close, 0, 0});
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            // The game's frame keeps its size whatever the window's: it is scaled to fit.
            push({MessageType::Size, uint32_t(windowWidth), uint32_t(windowHeight)});
            break;
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            push({MessageType::Activate, 1, 0});
            break;
        default:
            break;
        }
        break;
    case SDL_TEXTINPUT:
        for (char c : cp1254::fromUtf8Lossy(event.text.text))
            push({MessageType::Char, static_cast<unsigned char>(c), 0});
        break;
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_BACKSPACE) push({MessageType::KeyDown, 8, 0});
        break;
    default:
        break;
    }
}

bool SdlPlatform::peekMessage(WindowMessage& message) {
    SDL_Event event;
    while (queueCount == 0 && SDL_PollEvent(&event)) {
        inputEvent(event);
        translateEvent(event);
    }
    if (queueCount > 0) {
        message = queue[queueHead];
        queueHead = (queueHead + 1) % QUEUE_SIZE;
        --queueCount;
        return true;
    }
    // The quit message comes once nothing else waits.
    if (quitPending) {
        quitPending = false;
        message = {MessageType::Quit, uint32_t(quitCode), 0};
        return true;
    }
    return false;
}

// Sleeps in the display connection's wait, so a hidden game costs next to nothing; an event
// ends the wait early and is taken as peekMessage takes it.
void SdlPlatform::waitMessage(uint32_t timeoutMs) {
    if (queueCount > 0 || quitPending) return;
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, int(timeoutMs > INT32_MAX ? INT32_MAX : timeoutMs))) {
        inputEvent(event);
        translateEvent(event);
    }
}

void SdlPlatform::postQuitMessage(int exitCode) {
    quitPending = true;
    quitCode = exitCode;
}

uint32_t SdlPlatform::ticks() {
    return SDL_GetTicks();
}

} // namespace platform
