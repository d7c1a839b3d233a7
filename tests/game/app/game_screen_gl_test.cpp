#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <set>
#include <string>

#include "app/app.h"
#include "app/globals.h"
#include "engine/services.h"
#include "tests/render/gl_fixture.h"
#include "text/cp1254.h"

namespace {

namespace fs = std::filesystem;

constexpr uint8_t kEscapeScan = 1;

// Background picture i in a colour of its own, then tinted (250, 250, 250) by the frame.
const Rgb kBackgrounds[5] = {{0, 0, 200}, {0, 200, 0}, {200, 0, 0}, {200, 200, 0}, {0, 200, 200}};
const int kBackgroundSlots[5] = {TEX_BACKGROUND_0, TEX_BACKGROUND_1, TEX_BACKGROUND_2,
                                 TEX_BACKGROUND_3, TEX_BACKGROUND_4};

// The program's own start-up on a copy of the demo data, then frame after frame, all on the
// program's global objects (the seam stays bound to them, not to the fixture's engine).
class GameScreen : public GlTest {
protected:
    static void SetUpTestSuite() {
        std::error_code ec;
        fs::remove_all("veri", ec);
        fs::copy(MENAJER_RUN_DIR "/veri", "veri", fs::copy_options::recursive, ec);
        host = new platform::TestPlatform(true);
        platform::setCurrent(host);
        windowOpen = startUp(nullptr) == 1;
    }
    void SetUp() override {
        GlTest::SetUp();
        services::bind(&::engine, &debugLog);
        host->quitPosted = false;
        game.loadData();
        for (int i = 0; i < 5; ++i) {
            const Rgb c = kBackgrounds[i];
            game.textures[kBackgroundSlots[i]] = makeTexture(1, [c](int, int) { return c; });
        }
        game.textures[TEX_BAR] = makeTexture(1, [](int, int) { return Rgb{255, 255, 255}; });
        // The first frame makes the headers active.
        frame(900, 700);
    }

    // One main-loop pass: a poll with the pointer at (x, y), then the frame.
    static void frame(int x, int y, bool left = false, bool right = false,
                      std::initializer_list<uint8_t> keys = {}) {
        ::engine.inputSystem.cursorX = x;
        ::engine.inputSystem.cursorY = y;
        host->queueKeys(keys);
        host->queueMouse(0, 0, 0, left, right);
        ASSERT_EQ(::engine.inputSystem.poll(), 0);
        renderFrame();
        host->advance(20);
    }
    // Press and release of the left button over a button: the click lands on the release.
    static void click(const GuiButton& button) {
        const HitRect& r = button.hitArea;
        click(int(r.x + r.width / 2), int(r.y + r.height / 2));
    }
    static void click(int x, int y) {
        frame(x, y, true);
        frame(x, y, false);
    }
    // A pixel of the last frame, in top-down screen coordinates.
    static Rgb shown(int x, int y) { return pixel(x, H - 1 - y); }
    // Which background picture the strip left of the panel shows; -1 for none.
    static int backgroundShown() {
        const Rgb c = shown(8, 300);
        for (int i = 0; i < 5; ++i) {
            const Rgb& b = kBackgrounds[i];
            if (std::abs(c.r - b.r * 250 / 255) <= 2 && std::abs(c.g - b.g * 250 / 255) <= 2 &&
                std::abs(c.b - b.b * 250 / 255) <= 2)
                return i;
        }
        return -1;
    }
    static Rgb bottomBar() { return shown(60, 745); }
};

TEST_F(GameScreen, BeforeRegistrationOnlyFiveButtonsAndTheHeadersAreActive) {
    std::set<int> active;
    for (int i = 0; i < BUTTON_COUNT; ++i)
        if (game.buttons[i].state == 1) active.insert(i + 1);
    EXPECT_EQ(active, (std::set<int>{1, 2, 4, 8, 9, 18, 26, 31, 32, 33}));
    EXPECT_STREQ(game.titleText(), "ZIRVEGOL MENAJER 04/05");
    EXPECT_STREQ(calendar.dateText, "1/6/2004/Salı"_w); // the demo calendar
    EXPECT_EQ(game.page, PAGE_START);
    EXPECT_EQ(backgroundShown(), 0);
    EXPECT_EQ(bottomBar(), (Rgb{255, 255, 255}));

    click(game.header(4)); // "Arama": its page at once, the same picture
    EXPECT_EQ(game.page, PAGE_SEARCH);
    EXPECT_EQ(game.menuState, MENU_IDLE);
    EXPECT_EQ(game.backgroundIndex, 0);
}

TEST_F(GameScreen, EscapeAndTheRightButtonAgainstMenusAndTheExitBox) {
    click(game.header(0));
    ASSERT_EQ(game.menuState, MENU_GAME_OPTIONS);
    frame(900, 700, false, false, {kEscapeScan});
    frame(900, 700);
    EXPECT_EQ(game.menuState, MENU_GAME_OPTIONS) << "Escape with a menu open";

    click(game.header(1)); // another header switches menus directly
    EXPECT_EQ(game.menuState, MENU_MANAGER_OPTIONS);
    frame(900, 700, false, true);
    EXPECT_EQ(game.menuState, MENU_IDLE) << "the right button closes a menu";
    frame(900, 700);

    for (int i = 0; i < 4; ++i)
        frame(900, 700, false, false, {kEscapeScan}); // held
    EXPECT_EQ(game.menuState, MENU_EXIT_BOX);
    EXPECT_EQ(game.exitConfirm, 1);
    EXPECT_EQ(game.barMode, BAR_PASSIVE);
    frame(900, 700);
    frame(900, 700, false, true);
    frame(900, 700);
    EXPECT_EQ(game.menuState, MENU_EXIT_BOX) << "the right button leaves the exit box";
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(game.header(i).state, 0) << i;
}

TEST_F(GameScreen, SixPictureChangesShowBackgroundsOneToFourThenZeroAndOne) {
    // Yapimci, Kapat then Vazgeç, Yapimci, Kapat then Vazgeç: six changes.
    const int expected[] = {1, 2, 3, 4, 0, 1};
    int step = 0;
    auto check = [&] {
        frame(900, 700);
        EXPECT_EQ(backgroundShown(), expected[step]) << "change " << step + 1;
        ++step;
    };
    for (int round = 0; round < 2; ++round) {
        click(game.header(0));
        click(game.buttons[BUTTON_MAKERS]);
        EXPECT_EQ(game.page, PAGE_ABOUT);
        check();
        click(game.header(0));
        click(game.buttons[BUTTON_CLOSE]);
        EXPECT_EQ(game.menuState, MENU_EXIT_BOX);
        check();
        click(game.buttons[BUTTON_CANCEL]);
        check();
    }
    EXPECT_EQ(step, 6);

    click(game.header(0));
    click(game.buttons[BUTTON_CLOSE]);
    frame(900, 700);
    EXPECT_FALSE(host->quitPosted);
    click(game.buttons[BUTTON_OK]);
    EXPECT_TRUE(host->quitPosted);
    EXPECT_EQ(host->quitCode, 0);
}

// The pointer is the frame's last picture: it shows over the exit box at the cursor.
TEST_F(GameScreen, PointerIsDrawnOverTheExitBox) {
    frame(900, 700, false, false, {kEscapeScan});
    frame(400, 370);
    std::vector<Rgb> before;
    int changed = 0;
    for (int i = 0; i < 20 * 35; ++i)
        before.push_back(shown(400 + i % 20, 370 + i / 20));
    frame(900, 700);
    for (int i = 0; i < 20 * 35; ++i)
        changed += shown(400 + i % 20, 370 + i / 20) != before[size_t(i)];
    EXPECT_GT(changed, 40);
    EXPECT_EQ(game.menuState, MENU_EXIT_BOX);
}

TEST_F(GameScreen, ExitBoxBlinksUntilVazgecAndEscapeHeldReopensIt) {
    frame(900, 700, false, false, {kEscapeScan});
    std::set<std::pair<int, int>> colours;
    for (int i = 0; i < 30; ++i) {
        frame(900, 700);
        colours.insert({bottomBar().r, bottomBar().g});
    }
    EXPECT_EQ(colours, (std::set<std::pair<int, int>>{{200, 0}, {50, 50}}));

    click(game.buttons[BUTTON_CANCEL]);
    EXPECT_EQ(game.menuState, MENU_IDLE);
    frame(900, 700); // the idle state clears the flag
    frame(900, 700);
    EXPECT_EQ(bottomBar(), (Rgb{255, 255, 255}));

    frame(900, 700, false, false, {kEscapeScan});
    const HitRect& cancel = game.buttons[BUTTON_CANCEL].hitArea;
    const int x = int(cancel.x + 10), y = int(cancel.y + 10);
    frame(x, y, true, false, {kEscapeScan});
    frame(x, y, false, false, {kEscapeScan}); // Vazgeç with Escape still down
    EXPECT_EQ(game.menuState, MENU_IDLE);
    frame(x, y, false, false, {kEscapeScan});
    EXPECT_EQ(game.menuState, MENU_EXIT_BOX);
    EXPECT_FALSE(host->quitPosted);
}

TEST_F(GameScreen, WithoutTheTeamFileTheTeamListIsEmpty) {
    const bool present = fs::exists("veri/database/takim.tdt");
    if (present) fs::rename("veri/database/takim.tdt", "takim.tdt");
    host->messageBoxes.clear();
    game.loadData();
    if (present) fs::rename("takim.tdt", "veri/database/takim.tdt");
    EXPECT_EQ(game.teamList.count, 0);
    const std::vector<std::string> boxes = host->messageBoxTexts();
    EXPECT_NE(std::find(boxes.begin(), boxes.end(), "DATABASE bulunamadi!!!!!!!!!!!!!!!!"),
              boxes.end());
}

} // namespace
