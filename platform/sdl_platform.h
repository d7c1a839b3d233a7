// The real platform: SDL2 window, display mode, GL context, events, clock and message boxes.
// SDL's own types stay out of this header so that nothing outside platform/ sees SDL.
#pragma once

#include <cstdint>

#include "platform/button_changes.h"
#include "platform/frame_scaler.h"
#include "platform/platform.h"

struct SDL_Window;
struct SDL_Keysym;
union SDL_Event;

namespace platform {

// Alt+Enter (either Enter) and F11: the keys that switch between full screen and a window.
bool switchesWindowMode(const SDL_Keysym& key);

class SdlPlatform : public Platform {
public:
    SdlPlatform();
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    // For tests: the window is created visible and showWindow leaves the mouse free.
    void setTestMode(bool on) { testMode = on; }
    // Before createWindow: an ordinary resizable desktop window instead of full screen.
    void setWindowed(bool on) { windowed = on; }
    // Where the game's frame is shown in the window now (window points, top-down).
    FrameRect shownFrame() const;
    const FrameScaler& frameScaler() const { return scaler; }
    SDL_Window* sdlWindow() const { return window; }

    void runStartupDialog(const DialogContent& content,
                          DialogProc proc) override; // startup_dialog.cpp
    bool registerWindowClass(const char* className) override;
    bool unregisterWindowClass(const char* className) override;
    bool changeDisplayMode(int width, int height, int colorBits) override;
    void restoreDisplayMode() override;
    bool createWindow(const char* title, int width, int height) override;
    bool destroyWindow() override;
    bool getDeviceContext() override;
    bool releaseDeviceContext() override;
    bool choosePixelFormat(const PixelFormatRequest& request) override;
    bool setPixelFormat() override;
    bool createContext() override;
    bool deleteContext() override;
    bool makeCurrent(bool current) override;
    void showWindow() override;
    void showCursor(bool show) override;
    void swapBuffers() override;
    void* glProcAddress(const char* name) override;
    bool canSetSwapInterval() override;
    bool setSwapInterval(int interval) override;
    int messageBox(const char* text, const char* caption, MessageIcon icon) override;
    bool peekMessage(WindowMessage& message) override;
    void postQuitMessage(int exitCode) override;
    bool windowVisible() override { return !minimized && !hidden; }
    void waitMessage(uint32_t timeoutMs) override;
    bool fullScreen() override { return !windowed; }
    void setFullScreen(bool on, int32_t x, int32_t y) override;
    uint32_t ticks() override;

    // Input devices: defined in sdl_input.cpp.
    bool createInputDevice(InputDevice device) override;
    void releaseInputDevice(InputDevice device) override;
    int32_t acquireInputDevice(InputDevice device) override;
    void unacquireInputDevice(InputDevice device) override;
    int32_t readKeyboard(uint8_t state[256]) override;
    int32_t readMouse(MouseSample& sample) override;
    int32_t readJoystick(JoystickSample& sample) override;
    void cursorScreenPosition(int32_t& x, int32_t& y) override;
    bool freePointer(int32_t& x, int32_t& y) override;

    // Turns one SDL event into window messages on the queue (exposed for tests).
    void translateEvent(const SDL_Event& event);

private:
    // Sees every SDL event the pump takes, before translation (sdl_input.cpp).
    void inputEvent(const SDL_Event& event);
    // Whether the devices may be read: the window has the focus and can be seen.
    bool inputAllowed() const;
    bool ownWindowEvent(const SDL_Event& event) const;
    void releaseAllInput(); // sdl_input.cpp; called when the platform goes
    bool startVideo();
    bool push(const WindowMessage& message);
    void applyGLAttributes(const PixelFormatRequest& request);
    SDL_Window* makeWindow();

    static constexpr int QUEUE_SIZE = 256;
    WindowMessage queue[QUEUE_SIZE];
    int queueHead = 0;
    int queueCount = 0;
    bool quitPending = false;
    int quitCode = 0;

    bool videoUp = false;
    bool windowed = false;
    // The game window's own events say whether it can be seen: minimized until restored,
    // maximized or shown; hidden until shown.
    bool minimized = false;
    bool hidden = false;
    // The display's own size, which full screen keeps; its mode is never changed.
    int desktopX = 0, desktopY = 0, desktopWidth = 0, desktopHeight = 0;
    SDL_Window* window = nullptr;
    char title[100] = {};
    int windowWidth = 0, windowHeight = 0; // the game's frame
    FrameScaler scaler;
    bool deviceContext = false;
    bool formatChosen = false;
    bool formatSet = false;
    PixelFormatRequest windowFormat; // the attributes the window was made with
    void* context = nullptr;
    int cursorCount = 0;
    bool testMode = false;

    // ---- Input device state (owned by sdl_input.cpp; add members here) ----
    bool inputCreated[3] = {};
    bool inputAcquired[3] = {};
    // Keys that switched the window's mode, kept from the game until they are let go.
    bool modeKeysDown[256] = {};
    void* joystickDevice = nullptr; // SDL_Joystick*
    bool joystickSubsystem = false;
    int32_t wheelMotion = 0; // 120 per notch, summed between two mouse reads
    // Button changes since the last read, from SDL's events: by scan code, mouse button
    // (left, right, middle, X1) and joystick button.
    ButtonChanges<256> keyChanges;
    ButtonChanges<4> mouseChanges;
    ButtonChanges<32> joystickChanges;
    // ---- end of input device state ----
};

} // namespace platform
