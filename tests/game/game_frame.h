// The program's own start-up on a copy of the demo data set, then main-loop pass after pass on
// the program's global objects (the seam bound to them, not to the fixture's engine).
#pragma once

#include <filesystem>
#include <initializer_list>

#include "app/app.h"
#include "app/globals.h"
#include "engine/services.h"
#include "tests/render/gl_fixture.h"

// Main-loop passes on the program's globals, through the current (scripted) platform.
struct GamePasses {
    static platform::TestPlatform& tp() {
        return static_cast<platform::TestPlatform&>(platform::current());
    }
    // The waiting messages, a poll with the pointer at (x, y), then the frame.
    static void frame(int x = 900, int y = 700, bool left = false, bool right = false,
                      std::initializer_list<platform::ScanCode> keys = {}) {
        platform::WindowMessage message;
        while (tp().peekMessage(message))
            windowProc(message);
        ::engine.inputSystem.cursorX = x;
        ::engine.inputSystem.cursorY = y;
        tp().queueKeys(keys);
        tp().queueMouse(0, 0, 0, left, right);
        ASSERT_EQ(::engine.inputSystem.poll(), 0);
        renderFrame();
        tp().advance(20);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "page " << game.page;
    }
    // A pass with the key down and the pointer out of the way.
    static void hold(platform::ScanCode key) { frame(900, 700, false, false, {key}); }
    static void type(const char* utf8) {
        tp().typeText(utf8);
        frame();
    }
    // Press and release of the left button: the click lands on the release.
    static void click(int x, int y) {
        frame(x, y, true);
        frame(x, y);
    }
    static void click(const GuiButton& button) {
        const HitRect& r = button.hitArea;
        click(int(r.x + r.width / 2), int(r.y + r.height / 2));
    }
    // A button's click and the pass in which the next page places its buttons.
    static void click(int button) {
        click(game.buttons[button]);
        frame();
    }
    // The registration page with both names typed.
    static void fillIn(const char* first, const char* surname) {
        click(BUTTON_GAME_OPTIONS);
        click(BUTTON_ADD_MANAGER);
        type(first);
        click(BUTTON_SURNAME);
        type(surname);
    }
    // Ayşe Yılmaz for the club in row `team`, up to the news page drawn twice (the indicator
    // shows the tallies of the drawing before).
    static void registerFor(int team) {
        fillIn("Ayşe", "Yılmaz");
        click(BUTTON_OK);
        click(965 + 10, 210); // the star opens the team list
        click(700, 210 + 20 * team);
        click(BUTTON_OK);
        ASSERT_EQ(game.page, PAGE_NEWS);
        frame();
        frame();
    }
};

class GameFrameTest : public GlTest, public GamePasses {
protected:
    static void SetUpTestSuite() {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::remove_all("veri", ec);
        fs::copy(MENAJER_RUN_DIR "/veri", "veri", fs::copy_options::recursive, ec);
        host = new platform::TestPlatform(true);
        platform::setCurrent(host);
        windowOpen = startUp(nullptr) == 1;
    }
    // The data loaded anew and the start page drawn once.
    void SetUp() override {
        GlTest::SetUp();
        services::bind(&::engine, &debugLog);
        host->quitPosted = false;
        game.loadData(::engine.inputSystem);
        frame();
    }
};
