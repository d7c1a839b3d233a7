#include <array>
#include <set>
#include <string>

#include "database/file_names.h"
#include "tests/database/database_helpers.h"
#include "tests/game/game_frame.h"
#include "text/cp1254.h"
#include "text/path.h"

namespace {

constexpr uint8_t kEscapeScan = 1;

// Background picture i in a colour of its own.
const Rgb kBackgrounds[5] = {{0, 0, 200}, {0, 200, 0}, {200, 0, 0}, {200, 200, 0}, {0, 200, 200}};
const int kSlots[5] = {TEX_BACKGROUND_0, TEX_BACKGROUND_1, TEX_BACKGROUND_2, TEX_BACKGROUND_3,
                       TEX_BACKGROUND_4};

class GameScreen : public GameFrameTest {
protected:
    void SetUp() override {
        GameFrameTest::SetUp();
        for (int i = 0; i < 5; ++i)
            game.textures[kSlots[i]] = makeTexture(1, [i](int, int) { return kBackgrounds[i]; });
        game.textures[TEX_BAR] = makeTexture(1, [](int, int) { return Rgb{255, 255, 255}; });
        frame(); // the first frame makes the headers active
    }

    // Which background picture the strip left of the panel shows; -1 for none.
    static int backgroundShown() {
        const auto lit = [](Rgb c) { return std::array{c.r > 100, c.g > 100, c.b > 100}; };
        for (int i = 0; i < 5; ++i)
            if (lit(shown(8, 300)) == lit(kBackgrounds[i])) return i;
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
    EXPECT_EQ(game.page, PAGE_START);
    EXPECT_EQ(backgroundShown(), 0);
    EXPECT_EQ(bottomBar(), (Rgb{255, 255, 255}));

    click(game.header(4)); // "Arama": its page at once, the same picture
    EXPECT_EQ(game.page, PAGE_SEARCH);
    EXPECT_EQ(game.menuState, MENU_IDLE);
    EXPECT_EQ(game.backgroundIndex, 0);
}

// Escape and the right button themselves are the global keys' test; here the headers.
TEST_F(GameScreen, AnotherHeaderSwitchesMenusAndTheExitBoxLocksThemAll) {
    click(game.header(0));
    ASSERT_EQ(game.menuState, MENU_GAME_OPTIONS);
    click(game.header(1));
    EXPECT_EQ(game.menuState, MENU_MANAGER_OPTIONS);
    frame(900, 700, false, true);
    frame();
    for (int i = 0; i < 4; ++i)
        hold(kEscapeScan);
    frame();
    ASSERT_EQ(game.menuState, MENU_EXIT_BOX);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(game.header(i).state, 0) << i;
}

// Yapimci, Kapat then Vazgeç, twice: six changes of the picture.
TEST_F(GameScreen, SixPictureChangesShowBackgroundsOneToFourThenZeroAndOne) {
    std::vector<int> seen;
    for (int round = 0; round < 2; ++round) {
        click(game.header(0));
        click(BUTTON_MAKERS);
        EXPECT_EQ(game.page, PAGE_ABOUT);
        seen.push_back(backgroundShown());
        click(game.header(0));
        click(BUTTON_CLOSE);
        EXPECT_EQ(game.menuState, MENU_EXIT_BOX);
        seen.push_back(backgroundShown());
        click(BUTTON_CANCEL);
        seen.push_back(backgroundShown());
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 0, 1}));
}

// The pointer is the frame's last picture, over the exit box; the box blinks until Vazgeç.
TEST_F(GameScreen, ExitBoxUnderThePointerBlinksUntilVazgecAndEscapeHeldReopensIt) {
    hold(kEscapeScan);
    frame(400, 370);
    std::vector<Rgb> before;
    for (int i = 0; i < 20 * 35; ++i)
        before.push_back(shown(400 + i % 20, 370 + i / 20));
    frame();
    int changed = 0;
    for (int i = 0; i < 20 * 35; ++i)
        changed += shown(400 + i % 20, 370 + i / 20) != before[size_t(i)];
    EXPECT_GT(changed, 40);
    std::set<std::pair<int, int>> colours;
    for (int i = 0; i < 30; ++i) {
        frame();
        colours.insert({bottomBar().r, bottomBar().g});
    }
    EXPECT_EQ(colours, (std::set<std::pair<int, int>>{{200, 0}, {50, 50}}));

    click(game.buttons[BUTTON_CANCEL]);
    EXPECT_EQ(game.menuState, MENU_IDLE);
    frame(); // the idle state clears the flag
    frame();
    EXPECT_EQ(bottomBar(), (Rgb{255, 255, 255}));

    hold(kEscapeScan);
    const HitRect& cancel = game.buttons[BUTTON_CANCEL].hitArea;
    const int x = int(cancel.x + 10), y = int(cancel.y + 10);
    frame(x, y, true, false, {kEscapeScan});
    frame(x, y, false, false, {kEscapeScan}); // Vazgeç with Escape still down
    EXPECT_EQ(game.menuState, MENU_IDLE);
    frame(x, y, false, false, {kEscapeScan});
    EXPECT_EQ(game.menuState, MENU_EXIT_BOX);
    EXPECT_FALSE(host->quitPosted);
}

// The user's own files are read instead of the data set's, a broken one included.
TEST_F(GameScreen, UserFilesOverlayTheDataSetFileByFile) {
    namespace fs = std::filesystem;
    fs::create_directories("user/database");
    writeWholeFile("user/database/takim.tdt", playerFileBytes(2)); // a player file: refused
    CalendarData season;
    ASSERT_TRUE(season.resize(1));
    season.months[0] = CalendarMonth{6, 2025, {{1, "Pazar"}}};
    ASSERT_TRUE(season.write("user/database/tarih.trh"));
    host->messageBoxes.clear();
    debugLog.moveTo("rav3d.htm");
    userDataFolder() = "user";
    game.loadData();
    calendar.load(kCalendarFileName);
    userDataFolder().clear();
    frame();

    EXPECT_EQ(host->messageBoxTexts(),
              std::vector<std::string>{std::string(kWrongVersion) + "\nuser/database/takim.tdt"});
    EXPECT_EQ(game.teams.count, 0); // nothing from the data set's team file
    EXPECT_EQ(game.players.playerCount(), 450);
    EXPECT_STREQ(calendar.dateText, "1/6/2025/Pazar");
    const std::string log = readWholeFile("rav3d.htm");
    for (const char* line :
         {"Veri dosyasi : veri/database/oyuncu.odt", "Veri dosyasi : user/database/takim.tdt",
          "Veri dosyasi : user/database/tarih.trh"})
        EXPECT_NE(log.find(line), std::string::npos) << line;

    calendar.load(kCalendarFileName);
    host->messageBoxes.clear();
    debugLog.moveTo("");
}

} // namespace
