#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "folders/data_path.h"
#include "tests/database/database_helpers.h"
#include "tests/game/game_frame.h"
#include "text/cp1254.h"

namespace {

// The demo data set's clubs.
class ManagerRoad : public GameFrameTest {
protected:
    static void press(platform::ScanCode key) { hold(key), frame(); }

    static const char* name() { return game.firstNameField.displayBuffer; }
    static const char* surname() { return game.surnameField.displayBuffer; }
    static const ListItem& mail(int i) { return game.mailbox.list.items[i]; }

    // A key's press drawn, then its release polled without a frame.
    static void step(platform::ScanCode key) {
        hold(key);
        host->queueKeys({});
        ASSERT_EQ(::engine.inputSystem.poll(), 0);
    }
};

TEST_F(ManagerRoad, TypingTheNames) {
    fillIn("Ay", "Y");
    EXPECT_EQ(game.buttons[BUTTON_OK].state, 0) << "a one-letter surname";
    type("ılmazz");
    host->postMessage(platform::MessageType::KeyDown, 8);
    click(BUTTON_FIRST_NAME);
    EXPECT_STREQ(game.typingBuffer.typingBuffer, "") << "Ad starts the name anew";
    type("Ayşe");

    click(BUTTON_OK);
    ASSERT_EQ(game.page, PAGE_TEAM_CHOICE);
    click(BUTTON_CANCEL);
    EXPECT_EQ(game.page, PAGE_REGISTRATION);
    EXPECT_STREQ(surname(), "Yılmaz"_w) << "back from the team choice";

    click(BUTTON_CANCEL); // both names gone, the start page, the menu bar unlocked
    EXPECT_EQ(
        std::tuple(std::string(name()), std::string(surname()), game.page, game.header(0).state),
        std::tuple("", "", PAGE_START, 1));
    type("x");
    EXPECT_STREQ(game.typingBuffer.typingBuffer, "") << "typing goes nowhere after a cancel";
}

// The news of the first club (another wording than the second club's) under the date notice.
TEST_F(ManagerRoad, CompletionPostsTheNewsOfTheChosenClub) {
    registerFor(0);
    EXPECT_EQ(game.buttons[BUTTON_ADD_MANAGER].state, 0);
    const MailList& mails = game.mailbox.list;
    ASSERT_EQ(mails.count, 2);
    EXPECT_STREQ(
        mail(1).text[1],
        "   Zonguldak Güçü takımının adını sır gibi sakladıgı yeni menajeri belli oldu."_w);
    press(platform::SCAN_SPACE); // the next mail, as the down arrow
    EXPECT_EQ(mails.selected, 1);
}

// The indicator opens the news even from the exit box; then the test keys.
TEST_F(ManagerRoad, IndicatorAndTestKeys) {
    registerFor(1);
    click(BUTTON_MANAGER_OPTIONS);
    click(BUTTON_TACTICS);
    for (int i = 0; i < 4; ++i)
        hold(platform::SCAN_ESCAPE);
    frame();
    ASSERT_EQ(game.menuState, MENU_EXIT_BOX);
    click(60, 10);
    EXPECT_EQ(game.page, PAGE_NEWS);
    click(BUTTON_MANAGER_OPTIONS);
    EXPECT_EQ(game.menuState, MENU_MANAGER_OPTIONS) << "the headers answer again";
    frame(900, 700, false, true);
    const MailList& mails = game.mailbox.list;
    for (int32_t wording : {8, 8, 5, 8}) { // F2 cycles through the three wordings
        press(platform::SCAN_F2);
        EXPECT_EQ(mail(mails.count - 1).lineCount, wording);
    }

    press(platform::SCAN_F4);
    frame();
    EXPECT_EQ(mails.count, 0);
    click(500, 190); // the news' row before the reset
    frame();
    EXPECT_EQ(mails.selected, 1);

    press(platform::SCAN_F3);
    press(platform::SCAN_F1);
    ASSERT_EQ(mails.count, 2);
    EXPECT_STREQ(mail(0).text[0], "Bugün : 11/9/2004/Cumartesi"_w);
    EXPECT_STREQ(mail(1).text[1], "Zendor : Oyun Yapim Grubu");
}

// The arrows walk 21 mails down and back up with the selection among the shown rows; a drag of
// the thumb to the end of its track scrolls without selecting.
TEST_F(ManagerRoad, WalkingTheMailsKeepsTheSelectionShown) {
    constexpr int count = 21;
    MailList& mails = game.mailbox.list;
    while (mails.count < count)
        game.mailbox.addIntroductionMail();
    game.page = PAGE_NEWS;
    frame();
    for (platform::ScanCode key : {platform::SCAN_DOWN, platform::SCAN_UP})
        for (int i = 1; i < count; ++i) {
            step(key);
            const int first = mails.firstVisible;
            ASSERT_TRUE(first <= mails.selected && mails.selected < first + 12);
            if (key == platform::SCAN_UP && mails.selected == count - 12) {
                EXPECT_EQ(first, count - 12) << "back up: the last rows stay";
            }
            if (key == platform::SCAN_UP && mails.selected == count - 13) {
                EXPECT_EQ(mails.selected - first, 6) << "back up: the selection mid-list";
            }
        }
    frame(997, 162, true); // the thumb at the top of its track, dragged to the bottom
    frame(997, 162, true);
    frame(997, 600, true);
    frame(997, 600);
    EXPECT_EQ(mails.selected, 0);
    click(BUTTON_MANAGER_OPTIONS); // a menu open: the arrows work, the mouse does not
    click(700, 190);
    EXPECT_EQ(mails.selected, 0);
    press(platform::SCAN_DOWN);
    EXPECT_EQ(mails.selected, 1);
}

// Yapimci, Kapat then Vazgeç, twice: six changes of the picture.
TEST_F(ManagerRoad, SixPictureChangesShowBackgroundsOneToFourThenZeroAndOne) {
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

TEST_F(ManagerRoad, ExitBoxBlinksUntilVazgec) {
    game.textures[TEX_BAR] = makeTexture(1, [](int, int) { return Rgb{255, 255, 255}; });
    const auto bottomBar = [] { return pixel(60, H - 1 - 745); }; // GL rows count upwards
    hold(platform::SCAN_ESCAPE);
    frame();
    std::set<std::pair<int, int>> colours;
    for (int i = 0; i < 30; ++i) {
        frame();
        colours.insert({bottomBar().r, bottomBar().g});
    }
    EXPECT_EQ(colours, (std::set<std::pair<int, int>>{{200, 0}, {50, 50}}));

    click(game.buttons[BUTTON_CANCEL]);
    frame(); // the idle state clears the flag
    frame();
    EXPECT_EQ(bottomBar(), (Rgb{255, 255, 255}));
    EXPECT_FALSE(host->quitPosted);
}

// The user's own files are read instead of the data set's, a broken one included.
TEST_F(ManagerRoad, UserFilesOverlayTheDataSetFileByFile) {
    namespace fs = std::filesystem;
    fs::create_directories("user/database");
    writeWholeFile("user/database/takim.tdt", playerFileBytes(2)); // a player file: refused
    debugLog.moveTo("rav3d.htm");
    const DataFolders overlaid{"veri", "user"};
    services::bindFolders(&overlaid);
    game.loadData(::engine.inputSystem);
    services::bindFolders(nullptr);
    frame();

    EXPECT_EQ(host->messageBoxTexts(),
              std::vector<std::string>{std::string(WRONG_VERSION) + "\nuser/database/takim.tdt"});
    EXPECT_EQ(game.teams.count, 0); // nothing from the data set's team file
    EXPECT_EQ(game.players.playerCount(), 450);
    const std::string log = readWholeFile("rav3d.htm");
    for (const char* line :
         {"Veri dosyasi : veri/database/oyuncu.odt", "Veri dosyasi : user/database/takim.tdt"})
        EXPECT_NE(log.find(line), std::string::npos) << line;
    debugLog.moveTo("");
}

} // namespace
