// The platform contract: everything the engine needs from the operating system.
// Two implementations: SdlPlatform (the real one) and TestPlatform (scripted, for tests).
// No other folder includes SDL; the rest of the program talks to this interface only.
//
// The engine makes its window in steps and takes it down in steps, and shows a message box for
// each step that fails, so a player learns which one it was. The steps are those of a system
// with window classes, device contexts and pixel formats; on SDL some are real work and the
// others only keep their place and their message.
//
// Creation (Engine::create, the five steps from the device context in setupPixelFormat), in
// this order. The first failing step with a message ends it: after one of those five,
// "Pixel Ayari Yapilamadi ve Program Kapatilacak!!!" follows; from the window on, the
// teardown below runs (before the message for createWindow, after the others).
//
//   call                 step                    message when it fails
//   registerWindowClass  window class            "Pencere Kayit edilemedi!"
//       SDL: starts the video subsystem.
//   changeDisplayMode    display mode            "Simdi Pencere kapatilacak!"
//       SDL: reads the display's bounds; the mode is never changed (the frame is scaled).
//   createWindow         window                  "Pencere olusturulamadi"
//       SDL: sets the GL attributes of the default format and makes the window.
//   getDeviceContext     device context          "OpenGL hatasi Opengl Context aygiti
//                                                 olusuturulamadi."
//       nothing on this platform: the step cannot fail here.
//   choosePixelFormat    pixel format            "Suitable PixelFormat bulunamadi!"
//       SDL: checks the depths asked for; another format than the window's remakes the
//       window with it (the GL attributes pick its visual).
//   setPixelFormat       pixel format set        "Pixel format ayarlanamadi!"
//       nothing on this platform: the step cannot fail here.
//   createContext        GL context              "OpenGL rendering context olusturulamadi!"
//       SDL: creates the GL context, not yet current.
//   makeCurrent(true)    context made current    "OpenGL rendering context aktif hale
//                                                 getirilemedi."
//       SDL: makes it current and starts the frame scaler.
//   glProcAddress        multitexture entries    "Ekran kartiniz Multitexture u
//                        (RenderState)            desteklemiyor!", then "OpenGL giris
//                                                 ayarlari yapilamadi!"
//       SDL: the GL driver's entry point of that name.
//   canSetSwapInterval   swap control            none
//       SDL: whether the driver takes a swap interval.
//   showCursor(false)    cursor hidden           none
//       SDL: counts hides and shows; the cursor shows while the count is not negative.
//   showWindow           window shown            none
//       SDL: shows, raises and focuses it; full screen, puts the pointer in relative mode;
//       starts text input and keeps the screen saver off.
//   createInputDevice,   input devices           none (an absent device is no failure)
//   acquireInputDevice,
//   cursorScreenPosition
//       SDL: keyboard and mouse always exist, the joystick is the first one; a device is
//       acquired while the window has the input focus.
//
// Teardown (Engine::destroy, also after a failed creation), in this order. A failing step
// shows its message and the teardown goes on; the bracketed ones run only when their part of
// creation was reached.
//
//   restoreDisplayMode                           none
//       nothing on this platform: the mode was never changed.
//   makeCurrent(false)   [GL context]            "DC ve RC kaldirilamadi!"
//       SDL: leaves the context not current.
//   deleteContext        [GL context]            "RC context kaldirilamadi!"
//       SDL: stops the frame scaler and deletes the context.
//   releaseDeviceContext [device context]        "DC kaldirilamadi!"
//       nothing on this platform; it fails only where choosePixelFormat could not remake
//       the window.
//   destroyWindow        [window]                "Pencere Kaldirilamadi!"
//       SDL: lets the pointer go and destroys the window; fails where there is none.
//   unregisterWindowClass                        "Pencere Kayittan kaldirilamadi!"
//       SDL: stops the video subsystem; fails where it was not started or a window is left.
//   showCursor(true)                             none
//
// Outside creation and teardown, with no message of their own: runStartupDialog (before
// creation), messageBox, peekMessage and postQuitMessage (the main loop), swapBuffers
// (presents the scaled frame), setSwapInterval, ticks, the device reads, releaseInputDevice,
// unacquireInputDevice and freePointer. And these, for the main loop:
//
//   windowVisible        whether anyone can see a frame
//       SDL: false from the window's minimized event until its restored, maximized or shown
//       one, and from its hidden event until its shown one; while it is false no device can
//       be acquired, and the devices acquired before it are let go.
//   waitMessage(ms)      waits for the next message, at most ms milliseconds
//       SDL: returns at once when a message waits, else sleeps in SDL_WaitEventTimeout until
//       the display sends an event, which is then translated as peekMessage would.
//   fullScreen,          full screen at the display's mode, or the resizable window
//   setFullScreen           of --window; in a window the desktop pointer is put on the frame
//                           pixel given, so that the game's cursor stays where it was
//       SDL: SDL_SetWindowFullscreen with the desktop's mode (the frame is scaled as at
//       start-up), or back to a bordered, resizable window of the frame's size, centred. Full
//       screen takes the pointer in relative mode, the window lets it go; the frame scaler
//       follows the new drawable at once. Alt+Enter and F11 reach the game only as the
//       FullScreenKey message: the keyboard reads never show either key.
#pragma once

#include <cstdint>

namespace platform {

enum class MessageIcon { Error, Warning, Information, Question };

// Window messages the game reacts to, in the shape the main loop dispatches them.
enum class MessageType {
    Quit,          // the quit message: ends the main loop
    Close,         // the window's close request (also SIGTERM through SDL)
    Size,          // wParam = width, lParam = height
    Activate,      // window shown or focus gained
    KeyDown,       // wParam = virtual key (8 for Backspace)
    Char,          // wParam = Windows-1254 byte of one typed character
    FullScreenKey, // Alt+Enter or F11: switch between full screen and a window
};

struct WindowMessage {
    MessageType type = MessageType::Quit;
    uint32_t wParam = 0;
    uint32_t lParam = 0;
};

// What Engine::setupPixelFormat asks for.
struct PixelFormatRequest {
    int colorBits = 16;
    int depthBits = 16;
    int stencilBits = 1;
    bool doubleBuffer = true;
};

// Start-up dialog: a modal dialog whose content and procedure are the program's. The platform
// sends DialogInit once, DialogCommand with the command id (a control's id when it is
// clicked or, focused, gets Space; DIALOG_OK for Enter, DIALOG_CANCEL for Escape), and
// DialogClose for the window's close request. The procedure reads and sets check boxes
// through the handle and ends the dialog with endDialog().
enum class DialogMessage { Init, Command, Close };

constexpr int DIALOG_OK = 1;
constexpr int DIALOG_CANCEL = 2;

enum class DialogControlKind { Button, GroupBox, CheckBox, Picture };

// One control in dialog pixels from the dialog's top-left corner.
struct DialogControl {
    int id; // 0 for controls that send nothing; the others take the focus in table order
    DialogControlKind kind;
    const char* text;
    int x, y, w, h;
};

// What the platform lays out, draws and reports presses of; it knows nothing else of it.
struct DialogContent {
    const char* title; // the window's name
    int width, height;
    const DialogControl* controls;
    int controlCount;
    const uint32_t* picture; // 0xAARRGGBB rows of the Picture control, w × h; null for none
};

class DialogHandle {
public:
    virtual ~DialogHandle() = default;
    virtual void checkButton(int id, bool checked) = 0;
    virtual bool isButtonChecked(int id) const = 0;
    virtual void endDialog() = 0;
};

using DialogProc = bool (*)(DialogHandle& dialog, DialogMessage message, int command);

// Input devices, in the shape of the device states the input system reads.
enum class InputDevice { Keyboard, Mouse, Joystick };

// Device results: 0 is success; the failures keep the values the input code expects.
constexpr int32_t INPUT_OK = 0;
constexpr int32_t INPUT_ERR_NOT_ACQUIRED = int32_t(0x8007000C);
constexpr int32_t INPUT_ERR_ACCESS_DENIED = int32_t(0x80070005);
constexpr int32_t INPUT_ERR_INPUT_LOST = int32_t(0x8007001E);
constexpr int32_t INPUT_ERR_NO_DEVICE = int32_t(0x80040154);

struct MouseSample { // 16 bytes: relative x, y, wheel; four buttons (bit 7 = down)
    int32_t x = 0, y = 0, z = 0;
    uint8_t buttons[4] = {};
};

struct JoystickSample { // 80 bytes, the standard joystick state layout
    int32_t x = 0, y = 0, z = 0, rx = 0, ry = 0, rz = 0;
    int32_t sliders[2] = {};
    uint32_t pov[4] = {};
    uint8_t buttons[32] = {};
};
static_assert(sizeof(MouseSample) == 16);
static_assert(sizeof(JoystickSample) == 80);

class Platform {
public:
    virtual ~Platform() = default;

    // Start-up dialog (modal, before the game window exists).
    virtual void runStartupDialog(const DialogContent& content, DialogProc proc) = 0;

    // Window and context, step by step; each answers false when its step fails.
    virtual bool registerWindowClass(const char* className) = 0;
    virtual bool unregisterWindowClass(const char* className) = 0;
    virtual bool changeDisplayMode(int width, int height, int colorBits) = 0;
    virtual void restoreDisplayMode() = 0;
    virtual bool createWindow(const char* title, int width, int height) = 0;
    virtual bool destroyWindow() = 0;
    virtual bool getDeviceContext() = 0;
    virtual bool releaseDeviceContext() = 0;
    virtual bool choosePixelFormat(const PixelFormatRequest& request) = 0;
    virtual bool setPixelFormat() = 0;
    virtual bool createContext() = 0;
    virtual bool deleteContext() = 0;
    virtual bool makeCurrent(bool current) = 0;
    virtual void showWindow() = 0; // show, raise, give keyboard focus
    virtual void showCursor(bool show) = 0;
    virtual void swapBuffers() = 0;
    virtual void* glProcAddress(const char* name) = 0;
    virtual bool canSetSwapInterval() = 0;
    virtual bool setSwapInterval(int interval) = 0;

    // Message boxes; texts and caption in Windows-1254, caption may be null.
    virtual int messageBox(const char* text, const char* caption, MessageIcon icon) = 0;

    // Message queue.
    virtual bool peekMessage(WindowMessage& message) = 0;
    virtual void postQuitMessage(int exitCode) = 0;
    // False while the window is minimized or hidden: a frame then reaches nobody.
    virtual bool windowVisible() = 0;
    // Returns when a message may wait, or after timeoutMs milliseconds.
    virtual void waitMessage(uint32_t timeoutMs) = 0;

    // Full screen, or an ordinary resizable window with the desktop pointer put on the frame
    // pixel (x, y).
    virtual bool fullScreen() = 0;
    virtual void setFullScreen(bool on, int32_t x, int32_t y) = 0;

    // Milliseconds since a fixed start, wrapping at 32 bits.
    virtual uint32_t ticks() = 0;

    // Input devices. create answers false when the device is absent.
    virtual bool createInputDevice(InputDevice device) = 0;
    virtual void releaseInputDevice(InputDevice device) = 0;
    virtual int32_t acquireInputDevice(InputDevice device) = 0;
    virtual void unacquireInputDevice(InputDevice device) = 0;
    virtual int32_t readKeyboard(uint8_t state[256]) = 0; // scan code bytes, bit 7 = down
    virtual int32_t readMouse(MouseSample& sample) = 0;
    virtual int32_t readJoystick(JoystickSample& sample) = 0;
    // The desktop pointer in the game's frame, for the cursor's starting place.
    virtual void cursorScreenPosition(int32_t& x, int32_t& y) = 0;
    // True, with the frame pixel under the desktop pointer, while the window leaves the pointer
    // free and it is inside the window; otherwise the game moves its cursor by relative motion.
    virtual bool freePointer(int32_t& x, int32_t& y) {
        (void)x, (void)y;
        return false;
    }
};

// Where a frame of the game's fixed size is shown in a drawable of another size: the largest
// centred rectangle of the frame's shape (top-down coordinates).
struct FrameRect {
    int x = 0, y = 0, width = 0, height = 0;
};
FrameRect fitFrame(int frameWidth, int frameHeight, int outWidth, int outHeight);
// Where the frame is shown when it is drawn unscaled into a drawable of outPixels: in its
// bottom-left corner (GL's origin), in the drawable's out points (top-down).
FrameRect unscaledFrame(int frameWidth, int frameHeight, int outWidth, int outHeight,
                        int outPixelsWidth, int outPixelsHeight);
// The frame pixel whose area holds the centre of the drawable's pixel (x, y); points on the
// black bars around the frame land on its nearest edge.
void toFramePixel(const FrameRect& shown, int frameWidth, int frameHeight, int x, int y,
                  int32_t& frameX, int32_t& frameY);

// The platform in use; set once by main() or by a test before anything else runs.
Platform& current();
void setCurrent(Platform* platform);

} // namespace platform
