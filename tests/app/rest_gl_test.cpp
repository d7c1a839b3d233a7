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
#include "tests/platform/sdl_events.h"

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
    uint32_t now = 600000;
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
    // The game window's event, or another window's.
    void push(SDL_WindowEventID id, bool own = true) {
        SDL_Event e = windowEvent(id);
        e.window.windowID = SDL_GetWindowID(host.sdlWindow()) + (own ? 0 : 1);
        SDL_PushEvent(&e);
    }
    RestPlatform host;
};

} // namespace

// Each event of the game window decides the next pass: minimized until restored, maximized or
// shown, hidden until shown, no frame but a wait (5 s of them) in which no device can be
// acquired; shown again, a frame at once, whose time step is its own and not the rest's, while
// the FPS figure goes on counting the second it was counting. Escape pressed while hidden does
// nothing. Another window's events change nothing, a window that only lost the focus keeps
// drawing, and a hidden one still quits on request.
TEST_F(RestGLTest, HiddenWindowWaitsAndComesBackAsItWas) {
    for (int i = 0; i < 75; ++i) // 1.5 s of frames: the figure is 50
        ASSERT_EQ(pass(), LoopPass::Frame);
    const float fps = engine.fps;
    ASSERT_NEAR(fps, 1000.0f / FRAME_MS, 1.5f);

    constexpr LoopPass Rest = LoopPass::Rest, Frame = LoopPass::Frame;
    const struct {
        SDL_WindowEventID event;
        bool own;
        LoopPass decision;
    } steps[] = {
        {SDL_WINDOWEVENT_MINIMIZED, true, Rest},  {SDL_WINDOWEVENT_HIDDEN, true, Rest},
        {SDL_WINDOWEVENT_RESTORED, true, Rest},   {SDL_WINDOWEVENT_SHOWN, false, Rest},
        {SDL_WINDOWEVENT_SHOWN, true, Frame},     {SDL_WINDOWEVENT_FOCUS_LOST, true, Frame},
        {SDL_WINDOWEVENT_HIDDEN, true, Rest},     {SDL_WINDOWEVENT_MAXIMIZED, true, Rest},
        {SDL_WINDOWEVENT_SHOWN, true, Frame},     {SDL_WINDOWEVENT_MINIMIZED, true, Rest},
        {SDL_WINDOWEVENT_MAXIMIZED, true, Frame}, {SDL_WINDOWEVENT_MINIMIZED, true, Rest},
        {SDL_WINDOWEVENT_HIDDEN, true, Rest},     {SDL_WINDOWEVENT_SHOWN, true, Frame},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(&s - steps);
        push(s.event, s.own);
        const uint32_t before = host.now;
        ASSERT_EQ(pass(), s.decision);
        if (s.decision == Frame) {
            EXPECT_NEAR(engine.frameDelta, FRAME_MS / 1000.0f, 0.001f);
            EXPECT_EQ(engine.fps, fps);
            continue;
        }
        EXPECT_EQ(host.acquireInputDevice(platform::InputDevice::Keyboard),
                  platform::INPUT_ERR_ACCESS_DENIED);
        pushEvent(keyEvent(SDL_SCANCODE_ESCAPE));
        pushEvent(keyEvent(SDL_SCANCODE_ESCAPE, KMOD_NONE, 0, SDL_KEYUP));
        while (host.now - before < 5000)
            ASSERT_EQ(pass(), Rest);
    }
    for (int i = 0; i < 60; ++i) // a full second after the rests: still 50 a second
        ASSERT_EQ(pass(), Frame);
    EXPECT_NEAR(engine.fps, 1000.0f / FRAME_MS, 1.5f);
    EXPECT_EQ(game.menuState, MENU_IDLE);

    // Hidden, it still ends on the close request (SIGTERM arrives so).
    push(SDL_WINDOWEVENT_HIDDEN);
    ASSERT_EQ(pass(), Rest);
    pushEvent(SDL_Event{.type = SDL_QUIT});
    EXPECT_EQ(pass(), LoopPass::Quit);
}
