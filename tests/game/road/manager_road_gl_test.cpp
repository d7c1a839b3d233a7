#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/app.h"
#include "tests/render/gl_fixture.h"
#include "text/cp1254.h"

namespace {

namespace fs = std::filesystem;

constexpr uint8_t kEscapeScan = 1, kSpaceScan = 57, kUpScan = 200, kDownScan = 208;
constexpr uint8_t kF1Scan = 59, kF3Scan = 61, kF4Scan = 62;
constexpr int kAway = 900, kAwayY = 700; // a resting place for the pointer, over nothing

// Three clubs over five players: a full squad, one with ids the player file lacks, an empty one.
void threeClubs() {
    ASSERT_TRUE(game.players.init());
    for (const char* name : {"Ali", "Veli", "Can", "Cem", "Efe"}) {
        PlayerRecord player = newPlayerRecord();
        std::snprintf(player.name, sizeof player.name, "%s", name);
        std::snprintf(player.surname, sizeof player.surname, "%s", "Er");
        ASSERT_TRUE(game.players.append(player));
    }
    ASSERT_TRUE(game.teams.resize(3));
    const struct {
        const char* name;
        std::vector<int32_t> squad;
    } clubs[] = {{"Alfa", {0, 1, 2, 3, 4}}, {"Beta", {3, 5, -1, 4}}, {"Gama", {}}};
    game.teamList.create(665, 200, 300, 20, 5);
    for (int i = 0; i < 3; ++i) {
        TeamRecord& team = game.teams.records[i];
        std::snprintf(team.name, sizeof team.name, "%s", clubs[i].name);
        team.squad_size = int32_t(clubs[i].squad.size());
        for (size_t k = 0; k < clubs[i].squad.size(); ++k)
            team.squad[k] = clubs[i].squad[k];
        game.teamList.addTitle(team.name);
    }
}

// The program's own start-up on a copy of the demo data, then frame after frame.
class ManagerRoad : public GlTest {
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
        game.loadData();
        host->messageBoxes.clear();
        // Every picture black and every glyph but the blank a white block: any white pixel
        // is a character, and a line's lit width counts its characters.
        const uint32_t black = makeTexture(1, [](int, int) { return Rgb{0, 0, 0}; });
        for (uint32_t& texture : game.textures)
            texture = black;
        game.pitchView.texture = makeTexture(1, [](int, int) { return Rgb{0, 160, 0}; });
        useFont([](int cell) { return cell != ' '; });
        threeClubs();
        frame();
    }

    // One main-loop pass: waiting messages to the window procedure, a poll with the pointer
    // at (x, y), then the frame.
    static void frame(int x = kAway, int y = kAwayY, bool left = false,
                      std::initializer_list<uint8_t> keys = {}) {
        platform::WindowMessage message;
        while (host->peekMessage(message))
            windowProc(message);
        engine.inputSystem.cursorX = x;
        engine.inputSystem.cursorY = y;
        host->queueKeys(keys);
        host->queueMouse(0, 0, 0, left);
        ASSERT_EQ(engine.inputSystem.poll(), 0);
        renderFrame();
        host->advance(20);
    }
    static void press(uint8_t scan) {
        frame(kAway, kAwayY, false, {scan});
        frame();
    }
    static void click(int x, int y) {
        frame(x, y, true);
        frame(x, y, false);
    }
    static void click(const GuiButton& button) {
        const HitRect& r = button.hitArea;
        click(int(r.x + r.width / 2), int(r.y + r.height / 2));
    }
    static void type(const char* utf8) {
        host->typeText(utf8);
        frame();
    }

    static void openRegistration() {
        click(game.header(0));
        click(game.buttons[BUTTON_ADD_MANAGER]);
    }
    static void fillIn(const char* first, const char* surname) {
        openRegistration();
        type(first);
        click(game.buttons[BUTTON_SURNAME]);
        type(surname);
    }
    // Registration as Ayşe Yılmaz for club `team` of the list, up to the news page drawn twice
    // (the indicator shows the tallies of the drawing before).
    static void registerFor(int team) {
        fillIn("Ayşe", "Yılmaz");
        click(game.buttons[BUTTON_OK]);
        frame(); // the page places its buttons
        ASSERT_EQ(game.page, PAGE_TEAM_CHOICE);
        if (team < 2) {
            click(game.teamList.x + game.teamList.width + 10, 210); // the star opens the list
            click(700, 210 + 20 * team);
        } else {
            game.teamList.selected = team;
        }
        click(game.buttons[BUTTON_OK]);
        frame();
        ASSERT_EQ(game.page, PAGE_NEWS);
        frame();
        frame();
    }

    static const char* name() { return game.firstNameField.displayBuffer; }
    static const char* surname() { return game.surnameField.displayBuffer; }
    static const ListItem& mail(int i) { return game.mailbox.list.items[i]; }

    // Columns lit in the band between screen rows top and bottom: first and last, or -1.
    static std::pair<int, int> litSpan(int left, int right, int top, int bottom) {
        const int w = right - left, h = bottom - top;
        std::vector<uint8_t> p(size_t(w * h) * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(left, H - bottom, w, h, GL_RGB, GL_UNSIGNED_BYTE, p.data());
        int first = -1, last = -1;
        for (int i = 0; i < w * h; ++i)
            if (p[size_t(i) * 3] > 200) { // white text, or the indicator in its red phase
                const int x = left + i % w;
                if (first < 0 || x < first) first = x;
                if (x > last) last = x;
            }
        return {first, last};
    }
    // Whether a text line with its baseline at screen row y shows between columns left and right.
    static bool lineLit(int left, int right, int baseline) {
        return litSpan(left, right, baseline - 8, baseline - 1).first >= 0;
    }
    static std::vector<bool> messageLines(int n) {
        std::vector<bool> lines;
        for (int k = 1; k <= n; ++k)
            lines.push_back(lineLit(45, 985, 425 + 18 * k));
        return lines;
    }
};

TEST_F(ManagerRoad, TamamNeedsTwoLettersInEachName) {
    fillIn("Ay", "Y");
    EXPECT_STREQ(name(), "Ay");
    EXPECT_STREQ(surname(), "Y");
    EXPECT_EQ(game.buttons[BUTTON_OK].state, 0);
    click(game.buttons[BUTTON_OK]);
    EXPECT_EQ(game.page, PAGE_REGISTRATION) << "a passive Tamam";
    type("ı");
    EXPECT_EQ(game.buttons[BUTTON_OK].state, 1);
    EXPECT_STREQ(surname(), "Yı"_w);
}

TEST_F(ManagerRoad, AdAgainStartsTheNameAnewAndSoyadKeepsIt) {
    openRegistration();
    EXPECT_EQ(game.editTarget, EDIT_FIRST_NAME);
    type("Ayşe");
    click(game.buttons[BUTTON_FIRST_NAME]);
    EXPECT_STREQ(game.typingBuffer.typingBuffer, "");
    type("Ece");
    EXPECT_STREQ(name(), "Ece");
    click(game.buttons[BUTTON_SURNAME]);
    EXPECT_EQ(game.editTarget, EDIT_SURNAME);
    type("Şen");
    host->postMessage(platform::MessageType::KeyDown, 8); // Backspace
    frame();
    EXPECT_STREQ(name(), "Ece");
    EXPECT_STREQ(surname(), "Şe"_w);
}

TEST_F(ManagerRoad, TheTypingBufferTakesNineteenCharacters) {
    openRegistration();
    type("ğğğğğğğğğğüüüüüüüüüüçç");
    EXPECT_STREQ(name(), "ğğğğğğğğğğüüüüüüüüü"_w);
}

TEST_F(ManagerRoad, VazgecEmptiesBothNamesAndUnlocksTheMenuBar) {
    fillIn("Ayşe", "Yılmaz");
    EXPECT_EQ(game.header(0).state, 0);
    click(game.buttons[BUTTON_CANCEL]);
    frame();
    EXPECT_STREQ(name(), "");
    EXPECT_STREQ(surname(), "");
    EXPECT_EQ(game.page, PAGE_START);
    EXPECT_EQ(game.menuState, MENU_IDLE);
    EXPECT_EQ(game.barMode, BAR_ACTIVE);
    EXPECT_EQ(game.header(0).state, 1);
    type("x");
    EXPECT_STREQ(game.typingBuffer.typingBuffer, "") << "typing goes nowhere after a cancel";
}

TEST_F(ManagerRoad, BackFromTeamChoiceKeepsNamesAndBirthDate) {
    fillIn("Ayşe", "Yılmaz");
    for (int i = 0; i < 30; ++i)
        click(game.daySpinner.increment);
    click(game.monthList.pager.increment);
    click(game.monthList.pager.increment);
    click(game.yearSpinner.decrement);
    click(game.buttons[BUTTON_OK]);
    frame();
    ASSERT_EQ(game.page, PAGE_TEAM_CHOICE);
    click(game.buttons[BUTTON_CANCEL]);
    frame();
    EXPECT_EQ(game.page, PAGE_REGISTRATION);
    EXPECT_STREQ(name(), "Ayşe"_w);
    EXPECT_STREQ(surname(), "Yılmaz"_w);
    EXPECT_EQ(game.daySpinner.value, 31) << "31 in February too";
    EXPECT_EQ(game.monthList.selected, 2);
    EXPECT_EQ(game.yearSpinner.value, 1981);
    EXPECT_EQ(game.menuState, MENU_LOCKED);
}

TEST_F(ManagerRoad, OnlyTheSecondClubGetsTheSecondWording) {
    const struct {
        int team;
        const char* title;
        const char* line1;
    } cases[] = {
        {0, "Alfa Takımının Yeni Menajeri Belli Oldu........."_w,
         "   Alfa takımının adını sır gibi sakladıgı yeni menajeri belli oldu."_w},
        {1, "Beta Takımının Yeni Menajeri Belli Oldu........."_w,
         "   Yönetim Ayşe Yılmaz adlı kisiyi göreve getirdiğini acikladi."_w},
        {2, "Gama Takımının Yeni Menajeri Belli Oldu........."_w,
         "   Gama takımının adını sır gibi sakladıgı yeni menajeri belli oldu."_w},
    };
    for (const auto& c : cases) {
        SetUp();
        registerFor(c.team);
        EXPECT_EQ(game.chosenTeam, c.team);
        EXPECT_STREQ(mail(1).text[0], c.title) << c.team;
        EXPECT_STREQ(mail(1).text[1], c.line1) << c.team;
        EXPECT_EQ(mail(1).lineCount, 8);
    }
}

TEST_F(ManagerRoad, AfterRegistrationTheNewsWaitUnderTheDateNotice) {
    registerFor(1);
    EXPECT_STREQ(game.titleText(), "Ayşe Yılmaz"_w);
    EXPECT_STREQ(game.profile.firstName, "Ayşe"_w);
    EXPECT_EQ(game.profile.birthMonth, 1);
    EXPECT_EQ(game.buttons[BUTTON_ADD_MANAGER].state, 0);
    EXPECT_EQ(game.buttons[BUTTON_TACTICS].state, 1);
    EXPECT_EQ(game.barMode, BAR_ACTIVE);
    const ListView& mails = game.mailbox.list;
    ASSERT_EQ(mails.count, 2);
    EXPECT_EQ(mails.selected, 0);
    EXPECT_EQ(mail(0).state, 2);
    EXPECT_STREQ(mail(0).text[0], "Bugün : 1/6/2004/Salı"_w);
    EXPECT_EQ(mail(1).state, 0);
    EXPECT_EQ(mails.previousUnreadTally, 1);
    EXPECT_EQ(mails.readTally, 1) << "the notice counts as read";
    EXPECT_TRUE(lineLit(28, 200, 27)) << "Yeni Mail Var(1)";
    // The notice's body: its first line only.
    EXPECT_EQ(messageLines(3), (std::vector<bool>{true, false, false}));

    press(kDownScan);
    EXPECT_EQ(mails.selected, 1);
    EXPECT_EQ(mail(1).state, 1) << "shown means read";
    EXPECT_EQ(messageLines(8),
              (std::vector<bool>{true, false, true, true, false, false, true, true}));
    EXPECT_EQ(mails.previousUnreadTally, 0);
    EXPECT_EQ(mail(0).state, 2) << "the notice stays a notice";
    EXPECT_FALSE(lineLit(28, 200, 27)) << "no indicator once all is read";
    press(kUpScan);
    EXPECT_EQ(mails.selected, 0);
    press(kSpaceScan);
    EXPECT_EQ(mails.selected, 1);
}

TEST_F(ManagerRoad, TheIndicatorOpensTheNewsEvenFromTheExitBox) {
    registerFor(0);
    click(game.header(1));
    click(game.buttons[BUTTON_TACTICS]);
    ASSERT_EQ(game.page, PAGE_TACTICS);
    for (int i = 0; i < 4; ++i)
        frame(kAway, kAwayY, false, {kEscapeScan});
    frame();
    ASSERT_EQ(game.menuState, MENU_EXIT_BOX);
    click(60, 10);
    EXPECT_EQ(game.page, PAGE_NEWS);
    EXPECT_EQ(game.menuState, MENU_IDLE);
    EXPECT_EQ(game.barMode, BAR_ACTIVE);
    frame();
    click(game.header(1));
    EXPECT_EQ(game.menuState, MENU_MANAGER_OPTIONS) << "the headers answer again";
}

TEST_F(ManagerRoad, ResetLeavesBosRowsWithBrokenMailsAndStartsAgainAtZero) {
    registerFor(1);
    press(kF4Scan);
    frame();
    const ListView& mails = game.mailbox.list;
    EXPECT_EQ(mails.count, 0);
    for (int row = 0; row < 12; ++row) {
        const auto span = litSpan(40, 400, 160 + 20 * row + 4, 160 + 20 * row + 20);
        EXPECT_EQ(span.first, 50) << row; // "Bos" sits 10 left of a title
        EXPECT_LT(span.second, 90) << row;
    }
    click(500, 190); // row 1, the news before the reset
    EXPECT_EQ(mails.selected, 1);
    frame();
    EXPECT_EQ(messageLines(3), (std::vector<bool>{true, false, false}));
    const auto broken = litSpan(45, 985, 425 + 18 - 8, 425 + 18 - 1);
    EXPECT_GT(broken.second - broken.first, 350) << "the long failure line";

    press(kF3Scan);
    press(kF1Scan);
    ASSERT_EQ(mails.count, 2);
    EXPECT_STREQ(mail(0).text[0], "Bugün : 11/9/2004/Cumartesi"_w);
    EXPECT_STREQ(mail(1).text[1], "Zendor : Oyun Yapim Grubu");
    EXPECT_EQ(mail(1).lineCount, 12);
}

TEST_F(ManagerRoad, TheF2NewsCycleThroughTheThreeWordings) {
    registerFor(0);
    const char* titles[] = {"Zonguldak Güçü Takımının Yeni Menajeri Belli Oldu........."_w,
                            "Zonguldak Güçü Takımının Yeni Menajeri Belli Oldu........."_w,
                            "Zonguldak Güçü Takiminin Yeni Menajeri Belli Oldu........."_w};
    const int32_t lines[] = {8, 8, 5};
    for (int i = 0; i < 4; ++i) {
        press(kF1Scan + 1);
        const ListItem& news = mail(2 + i);
        EXPECT_STREQ(news.text[0], titles[i % 3]) << i;
        EXPECT_EQ(news.lineCount, lines[i % 3]) << i;
    }
}

TEST_F(ManagerRoad, ThirteenMailsBringTheScrollBarAndDraggingLeavesTheSelection) {
    registerFor(0);
    const auto trackShown = [] {
        return pixel(1002, H - 1 - 300) == Rgb{150, 150, 150};
    };
    ListView& mails = game.mailbox.list;
    while (mails.count < 12)
        game.mailbox.addDateNotice(1, 1, 2005, "x");
    frame();
    EXPECT_FALSE(trackShown()) << "twelve mails fit";
    game.mailbox.addDateNotice(1, 1, 2005, "x");
    frame();
    EXPECT_TRUE(trackShown());
    EXPECT_EQ(mails.firstVisible, 0);

    frame(990, 160, true); // the thumb at the top of its track
    frame(990, 160, true);
    frame(990, 500, true);
    EXPECT_EQ(mails.firstVisible, 1);
    EXPECT_EQ(mails.selected, 0);
    frame(990, 500, false);
    frame(990, 170, true);
    EXPECT_EQ(mails.firstVisible, 1) << "the drag ended with the release";
}

TEST_F(ManagerRoad, WithAMenuOpenTheMailsFollowOnlyTheArrows) {
    registerFor(0);
    click(game.header(1));
    ASSERT_EQ(game.menuState, MENU_MANAGER_OPTIONS);
    click(700, 190);
    EXPECT_EQ(game.mailbox.list.selected, 0);
    press(kDownScan);
    EXPECT_EQ(game.mailbox.list.selected, 1);
    EXPECT_EQ(game.menuState, MENU_MANAGER_OPTIONS);
}

// Ten mails in twelve rows: walking down to the last keeps the first row at the top (the
// drawing would mend it, but nothing must read the rows before it draws).
TEST_F(ManagerRoad, SelectNextInAShortListKeepsTheFirstRowAtTheTop) {
    ListView& mails = game.mailbox.list;
    while (mails.count < 10)
        game.mailbox.addDateNotice(1, 1, 2005, "x");
    for (int i = 0; i < 10; ++i) {
        mails.selectNext(12);
        EXPECT_EQ(mails.firstVisible, 0) << i;
    }
    EXPECT_EQ(mails.selected, 9);
}

// The squad as names on the left: the full club lists all five, the club with ids the player
// file lacks lists only its two known players, the empty club nobody; the pitch shows always.
TEST_F(ManagerRoad, TheTacticsPageListsTheSquadThePlayerFileKnows) {
    const struct {
        int team;
        std::vector<bool> lines;
    } cases[] = {{0, {true, true, true, true, true, false}},
                 {1, {true, false, false, true, false, false}},
                 {2, {false, false, false, false, false, false}}};
    for (const auto& c : cases) {
        SetUp();
        registerFor(c.team);
        click(game.header(1));
        click(game.buttons[BUTTON_TACTICS]);
        frame();
        std::vector<bool> lines;
        for (int i = 0; i < 6; ++i)
            lines.push_back(lineLit(80, 400, 160 + 20 * i));
        EXPECT_EQ(lines, c.lines) << c.team;
        EXPECT_EQ(pixel(600, H - 1 - 150), (Rgb{0, 160, 0})) << "the pitch";
    }
}

TEST_F(ManagerRoad, ASquadSizeOutsideTheSquadListsNobody) {
    registerFor(0);
    game.teams.records[0].squad_size = kSquadCapacity + 1;
    click(game.header(1));
    click(game.buttons[BUTTON_TACTICS]);
    frame();
    EXPECT_FALSE(lineLit(80, 400, 160));
}

// "ox : %d oy : %d" from the pitch's corner: as wide at 0 as at 9, wider for -1.
TEST_F(ManagerRoad, ThePointerIsReadFromThePitchCorner) {
    registerFor(0);
    click(game.header(1));
    click(game.buttons[BUTTON_TACTICS]);
    const auto width = [](int x, int y) {
        frame(x, y);
        const auto span = litSpan(700, 1024, 45, 60);
        return span.second - span.first;
    };
    const int corner = width(560, 110);
    EXPECT_GT(corner, 0);
    EXPECT_EQ(width(569, 119), corner);
    EXPECT_GT(width(559, 109), corner);
    EXPECT_GT(width(570, 120), corner);
}

} // namespace
