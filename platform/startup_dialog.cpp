// The start-up dialog on screen: a small centred window drawn in software, driven by the
// engine's dialog procedure.
#include <SDL.h>

#include <cstdio>
#include <vector>

#include "platform/sdl_platform.h"
#include "platform/startup_dialog_view.h"

namespace platform {

namespace {

using View = StartupDialogView;

struct DialogWindow {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    std::vector<uint32_t> pixels;
    int width = 0, height = 0;

    bool open(const DialogContent& content) {
        width = content.width;
        height = content.height;
        pixels.assign(size_t(width) * size_t(height), 0);
        window = SDL_CreateWindow(content.title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  width, height, SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN);
        if (window) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        if (renderer)
            texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                        SDL_TEXTUREACCESS_STREAMING, width, height);
        if (!texture) {
            std::fprintf(stderr, "start-up dialog: %s\n", SDL_GetError());
            return false;
        }
        SDL_RaiseWindow(window);
        SDL_SetWindowInputFocus(window);
        return true;
    }

    void present(const StartupDialogState& state) {
        PixelBuffer buffer{pixels.data(), width, height};
        View::paint(buffer, state);
        SDL_UpdateTexture(texture, nullptr, pixels.data(), width * 4);
        SDL_RenderClear(renderer);
        SDL_RenderCopy(renderer, texture, nullptr, nullptr);
        SDL_RenderPresent(renderer);
    }

    ~DialogWindow() {
        if (texture) SDL_DestroyTexture(texture);
        if (renderer) SDL_DestroyRenderer(renderer);
        if (window) SDL_DestroyWindow(window);
    }
};

bool isCheckBox(const DialogContent& content, int id) {
    const DialogControl* c = View::find(content, id);
    return c && c->kind == DialogControlKind::CheckBox;
}

// The dialog's state and procedure while its window is up: SDL's events become the
// procedure's messages.
struct DialogSession {
    const DialogContent& content;
    StartupDialogState& state;
    DialogProc proc;
    bool quitRequested = false;

    void send(DialogMessage message, int command) { proc(state, message, command); }

    // Until the procedure ends the dialog; the picture is drawn again after every event that
    // may have changed it.
    void run(DialogWindow& dialog) {
        bool dirty = true;
        while (!state.ended) {
            if (dirty) dialog.present(state);
            dirty = true;
            SDL_Event e;
            if (!SDL_WaitEventTimeout(&e, 250)) continue;
            dirty = handle(e);
        }
    }

    // False for the events the dialog does not look at.
    bool handle(const SDL_Event& e) {
        switch (e.type) {
        case SDL_QUIT:
            quitRequested = true;
            send(DialogMessage::Close, 0);
            return true;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) send(DialogMessage::Close, 0);
            return true;
        case SDL_KEYDOWN:
            key(e.key.keysym);
            return true;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT) {
                state.pressed = View::hitTest(content, e.button.x, e.button.y);
                if (state.pressed) state.focus = state.pressed;
            }
            return true;
        case SDL_MOUSEBUTTONUP:
            if (e.button.button == SDL_BUTTON_LEFT) release(e.button.x, e.button.y);
            return true;
        default:
            return false;
        }
    }

    void key(const SDL_Keysym& keysym) {
        switch (keysym.sym) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            send(DialogMessage::Command, DIALOG_OK);
            break;
        case SDLK_ESCAPE:
            send(DialogMessage::Command, DIALOG_CANCEL);
            break;
        case SDLK_F4:
            // No window manager may be there to turn Alt+F4 into a close request.
            if (keysym.mod & KMOD_ALT) send(DialogMessage::Close, 0);
            break;
        case SDLK_TAB:
            state.focus = View::nextFocus(content, state.focus);
            if (keysym.mod & KMOD_SHIFT) state.focus = View::nextFocus(content, state.focus);
            break;
        case SDLK_SPACE:
            if (isCheckBox(content, state.focus))
                state.checkButton(state.focus, !state.isButtonChecked(state.focus));
            send(DialogMessage::Command, state.focus);
            break;
        default:
            break;
        }
    }

    // A control is pressed when the left button goes down and comes up over it.
    void release(int x, int y) {
        const int id = View::hitTest(content, x, y);
        const int was = state.pressed;
        state.pressed = 0;
        if (id == 0 || id != was) return;
        if (isCheckBox(content, id)) state.checkButton(id, !state.isButtonChecked(id));
        send(DialogMessage::Command, id);
    }
};

} // namespace

void SdlPlatform::runStartupDialog(const DialogContent& content, DialogProc proc) {
    StartupDialogState state(content);
    DialogSession session{content, state, proc};
    session.send(DialogMessage::Init, 0);

    const bool ownVideo = !videoUp;
    if (ownVideo && !startVideo()) {
        // Nothing can be shown: go on with what the dialog offers.
        session.send(DialogMessage::Command, DIALOG_OK);
        return;
    }
    {
        DialogWindow dialog;
        if (!dialog.open(content))
            session.send(DialogMessage::Command, DIALOG_OK);
        else
            session.run(dialog);
    }
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    if (ownVideo) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        videoUp = false;
    }
    // A termination request during the dialog still ends the game once its window is up.
    if (session.quitRequested) push({MessageType::Close, 0, 0});
}

} // namespace platform
