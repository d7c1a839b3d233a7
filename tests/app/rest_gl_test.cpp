// The main loop on the real backend while its window is minimized, hidden and shown again,
// with window events pushed as SDL delivers them and a clock the test runs.
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/globals.h"
#include "game/game.h"
#include "platform/sdl_platform.h"
#include "render/bitmap_font.h"
#include "tests/engine/platform_fixture.h"

namespace {

constexpr uint32_t FRAME_MS = 20;

// A wait takes its whole timeout of the test's clock, and a frame FRAME_MS from its input poll.
class RestPlatform : public platform::SdlPlatform {
public:
    RestPlatform() { setTestMode(true); }
    uint32_t ticks() override { return now; }
    int32_t readKeyboard(uint8_t state[256]) override {
        now += FRAME_MS;
        return SdlPlatform::readKeyboard(state);
    }
    void waitMessage(uint32_t timeoutMs) override {
        SdlPlatform::waitMessage(0);
        now += timeoutMs;
    }
    void swapBuffers() override {
        SdlPlatform::swapBuffers();
        ++frames;
    }
    uint32_t now = 600000;
    int frames = 0;
};

class RestGLTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setCurrent(&host);
        ASSERT_EQ(createGameEngine(engine, windowProc), 1);
        engine.ready = 1;
        // The keyboard counts only once the window has the focus, as a player's would.
        for (int i = 0; i < 300 && !engine.inputSystem.keyboardAcquired; ++i) {
            SDL_Delay(10);
            pass();
            engine.inputSystem.poll();
        }
    }
    void TearDown() override {
        engine.ready = 0;
        engine.destroy();
        engine.inputSystem.release();
        bitmapFont = BitmapFont{};
        game.menuState = MENU_IDLE;
        game.barMode = BAR_ACTIVE;
        game.exitConfirm = 0;
        parkPlatform();
    }
    // Messages first, then the pass that draws or rests.
    LoopPass pass() {
        LoopPass p;
        while ((p = runLoopPass(host)) == LoopPass::Message) {
        }
        return p;
    }
    void push(SDL_WindowEventID id) {
        SDL_Event e = {};
        e.type = SDL_WINDOWEVENT;
        e.window.event = Uint8(id);
        e.window.windowID = SDL_GetWindowID(host.sdlWindow());
        SDL_PushEvent(&e);
    }
    void pushKey(SDL_Scancode scan, bool down) {
        SDL_Event e = {};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.keysym.scancode = scan;
        SDL_PushEvent(&e);
    }
    RestPlatform host;
};

} // namespace

// Each event decides the next pass: minimized or hidden, no frame but a wait (5 s of them);
// shown again, a frame at once, whose time step is its own and not the rest's, while the FPS
// figure goes on counting the second it was counting. Escape pressed while hidden does nothing.
// A window that only lost the focus keeps drawing, and a hidden one still quits on request.
TEST_F(RestGLTest, HiddenWindowWaitsAndComesBackAsItWas) {
    for (int i = 0; i < 75; ++i) // 1.5 s of frames: the figure is 50
        ASSERT_EQ(pass(), LoopPass::Frame);
    const float fps = engine.fps;
    ASSERT_NEAR(fps, 1000.0f / FRAME_MS, 1.5f);

    const struct {
        SDL_WindowEventID event;
        LoopPass decision;
    } steps[] = {
        {SDL_WINDOWEVENT_MINIMIZED, LoopPass::Rest},   {SDL_WINDOWEVENT_HIDDEN, LoopPass::Rest},
        {SDL_WINDOWEVENT_RESTORED, LoopPass::Rest},    {SDL_WINDOWEVENT_SHOWN, LoopPass::Frame},
        {SDL_WINDOWEVENT_FOCUS_LOST, LoopPass::Frame}, {SDL_WINDOWEVENT_HIDDEN, LoopPass::Rest},
        {SDL_WINDOWEVENT_SHOWN, LoopPass::Frame},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(&s - steps);
        push(s.event);
        const int frames = host.frames;
        const uint32_t before = host.now;
        ASSERT_EQ(pass(), s.decision);
        if (s.decision == LoopPass::Frame) {
            EXPECT_EQ(host.frames, frames + 1);
            EXPECT_NEAR(engine.frameDelta, FRAME_MS / 1000.0f, 0.001f);
            EXPECT_EQ(engine.fps, fps);
            continue;
        }
        pushKey(SDL_SCANCODE_ESCAPE, true);
        pushKey(SDL_SCANCODE_ESCAPE, false);
        while (host.now - before < 5000)
            ASSERT_EQ(pass(), LoopPass::Rest);
        EXPECT_EQ(host.frames, frames);
    }
    for (int i = 0; i < 60; ++i) // a full second after the rests: still 50 a second
        ASSERT_EQ(pass(), LoopPass::Frame);
    EXPECT_NEAR(engine.fps, 1000.0f / FRAME_MS, 1.5f);
    EXPECT_EQ(game.menuState, MENU_IDLE);

    // Hidden, it still ends on the close request (SIGTERM arrives so).
    push(SDL_WINDOWEVENT_HIDDEN);
    ASSERT_EQ(pass(), LoopPass::Rest);
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_EQ(pass(), LoopPass::Quit);
}
