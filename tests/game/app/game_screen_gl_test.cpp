#include <set>
#include <string>

#include "folders/data_path.h"
#include "tests/database/database_helpers.h"
#include "tests/game/game_frame.h"

namespace {

constexpr uint8_t ESCAPE_SCAN = 1;

class GameScreen : public GameFrameTest {
protected:
    void SetUp() override {
        GameFrameTest::SetUp();
        game.textures[TEX_BAR] = makeTexture(1, [](int, int) { return Rgb{255, 255, 255}; });
        frame(); // the first frame makes the headers active
    }

    static Rgb bottomBar() { return shown(60, 745); }
};

TEST_F(GameScreen, BeforeRegistrationOnlyFiveButtonsAndTheHeadersAreActive) {
    std::set<int> active;
    for (int i = 0; i < BUTTON_COUNT; ++i)
        if (game.buttons[i].state == 1) active.insert(i + 1);
    EXPECT_EQ(active, (std::set<int>{1, 2, 4, 8, 9, 18, 26, 31, 32, 33}));
    EXPECT_STREQ(game.titleText(), "ZIRVEGOL MENAJER 04/05");
    click(game.header(0));
    click(game.header(1)); // another header switches the open menu
    EXPECT_EQ(game.menuState, MENU_MANAGER_OPTIONS);
}

// Yapimci, Kapat then Vazgeç, twice: six changes of the picture.
TEST_F(GameScreen, SixPictureChangesShowBackgroundsOneToFourThenZeroAndOne) {
    std::vector<int> seen;
    for (int round = 0; round < 2; ++round) {
        click(game.header(0));
        click(BUTTON_MAKERS);
        seen.push_back(game.backgroundIndex);
        click(game.header(0));
        click(BUTTON_CLOSE);
        seen.push_back(game.backgroundIndex);
        click(BUTTON_CANCEL);
        seen.push_back(game.backgroundIndex);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 0, 1}));
}

// The exit box locks the headers and blinks until Vazgeç.
TEST_F(GameScreen, ExitBoxBlinksUntilVazgec) {
    hold(ESCAPE_SCAN);
    frame();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(game.header(i).state, 0) << i;
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
    EXPECT_FALSE(host->quitPosted);
}

// The user's own files are read instead of the data set's, a broken one included.
TEST_F(GameScreen, UserFilesOverlayTheDataSetFileByFile) {
    namespace fs = std::filesystem;
    fs::create_directories("user/database");
    writeWholeFile("user/database/takim.tdt", playerFileBytes(2)); // a player file: refused
    host->messageBoxes.clear();
    debugLog.moveTo("rav3d.htm");
    userDataFolder() = "user";
    game.loadData(::engine.inputSystem);
    userDataFolder().clear();
    frame();

    EXPECT_EQ(host->messageBoxTexts(),
              std::vector<std::string>{std::string(WRONG_VERSION) + "\nuser/database/takim.tdt"});
    EXPECT_EQ(game.teams.count, 0); // nothing from the data set's team file
    EXPECT_EQ(game.players.playerCount(), 450);
    const std::string log = readWholeFile("rav3d.htm");
    for (const char* line :
         {"Veri dosyasi : veri/database/oyuncu.odt", "Veri dosyasi : user/database/takim.tdt"})
        EXPECT_NE(log.find(line), std::string::npos) << line;
    host->messageBoxes.clear();
    debugLog.moveTo("");
}

} // namespace
