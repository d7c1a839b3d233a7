#include <string>
#include <vector>

#include "tests/game/game_frame.h"
#include "text/cp1254.h"

namespace {

constexpr uint8_t kEscape = 1, kSpace = 57, kUp = 200, kDown = 208, kF1 = 59, kF2 = 60, kF3 = 61,
                  kF4 = 62;

// Three clubs of five players: a full squad, one with ids the player file lacks, an empty one.
// Every picture is black and every glyph a white block, so white pixels are text and a line's
// lit width counts its characters.
class ManagerRoad : public GameFrameTest {
protected:
    void SetUp() override {
        GameFrameTest::SetUp();
        for (uint32_t& texture : game.textures)
            texture = makeTexture(1, [](int, int) { return Rgb{0, 0, 0}; });
        game.pitchView.texture = makeTexture(1, [](int, int) { return Rgb{0, 160, 0}; });
        useFont([](int cell) { return cell != ' '; });
        ASSERT_TRUE(game.players.init());
        for (const char* name : {"Ali", "Veli", "Can", "Cem", "Efe"}) {
            PlayerRecord player = newPlayerRecord();
            std::snprintf(player.name, sizeof player.name, "%s", name);
            ASSERT_TRUE(game.players.append(player));
        }
        const std::vector<int32_t> squads[] = {{0, 1, 2, 3, 4}, {3, 5, -1, 4}, {}};
        const char* const names[] = {"Alfa", "Beta", "Gama"};
        ASSERT_TRUE(game.teams.resize(3));
        game.teamList.create(665, 200, 300, 20, 5);
        for (int i = 0; i < 3; ++i) {
            TeamRecord& team = game.teams.records[i];
            std::snprintf(team.name, sizeof team.name, "%s", names[i]);
            team.squad_size = int32_t(squads[i].size());
            std::copy(squads[i].begin(), squads[i].end(), team.squad);
            game.teamList.addTitle(team.name);
        }
        frame();
    }

    static void press(uint8_t key) {
        hold(key);
        frame();
    }
    using GameFrameTest::click;
    static void click(int button) {
        click(game.buttons[button]);
        frame(); // the next page places its buttons
    }
    static void type(const char* utf8) {
        host->typeText(utf8);
        frame();
    }
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
    static void openTactics() {
        click(BUTTON_MANAGER_OPTIONS);
        click(BUTTON_TACTICS);
    }

    static const char* name() { return game.firstNameField.displayBuffer; }
    static const char* surname() { return game.surnameField.displayBuffer; }
    static const ListItem& mail(int i) { return game.mailbox.list.items[i]; }

    // First and last column showing text (white, or red for the indicator) in rows top to
    // bottom - 1; -1 when none does.
    static std::pair<int, int> litSpan(int left, int right, int top, int bottom) {
        const int w = right - left, h = bottom - top;
        std::vector<uint8_t> p(size_t(w * h) * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(left, H - bottom, w, h, GL_RGB, GL_UNSIGNED_BYTE, p.data());
        std::pair<int, int> span{-1, -1};
        for (int i = 0; i < w * h; ++i)
            if (p[size_t(i) * 3] > 200) {
                const int x = left + i % w;
                span = {span.first < 0 ? x : std::min(span.first, x), std::max(span.second, x)};
            }
        return span;
    }
    // '1' for each of n lines, baselines step apart from the first, that shows text.
    static std::string lines(int left, int firstBaseline, int step, int n) {
        std::string lit;
        for (int k = 0; k < n; ++k) {
            const int baseline = firstBaseline + step * k;
            lit += litSpan(left, left + 400, baseline - 8, baseline - 1).first >= 0 ? '1' : '0';
        }
        return lit;
    }
    static std::string message(int n) { return lines(45, 443, 18, n); }
};

TEST_F(ManagerRoad, TypingTheNames) {
    fillIn("Ay", "Y");
    EXPECT_STREQ(name(), "Ay") << "switching to Soyad keeps the first name";
    EXPECT_EQ(game.buttons[BUTTON_OK].state, 0) << "a one-letter surname";
    type("ılmazz");
    host->postMessage(platform::MessageType::KeyDown, 46); // Delete: not Backspace
    host->postMessage(platform::MessageType::KeyDown, 8);
    EXPECT_EQ(game.buttons[BUTTON_OK].state, 1);
    click(BUTTON_FIRST_NAME);
    EXPECT_STREQ(game.typingBuffer.typingBuffer, "") << "Ad starts the name anew";
    type("ğğğğğğğğğğüüüüüüüüüüçç");
    EXPECT_STREQ(name(), "ğğğğğğğğğğüüüüüüüüü"_w) << "19 characters at most";
    EXPECT_STREQ(surname(), "Yılmaz"_w);

    click(BUTTON_OK);
    ASSERT_EQ(game.page, PAGE_TEAM_CHOICE);
    click(BUTTON_CANCEL);
    EXPECT_EQ(game.page, PAGE_REGISTRATION);
    EXPECT_STREQ(surname(), "Yılmaz"_w) << "back from the team choice";

    click(BUTTON_CANCEL);
    EXPECT_STREQ(name(), "");
    EXPECT_STREQ(surname(), "");
    EXPECT_EQ(game.page, PAGE_START);
    EXPECT_EQ(game.header(0).state, 1) << "the menu bar unlocked";
    type("x");
    EXPECT_STREQ(game.typingBuffer.typingBuffer, "") << "typing goes nowhere after a cancel";
}

// Only the second club gets the second wording; the news wait unread under the date notice.
TEST_F(ManagerRoad, CompletionPostsTheNewsOfTheChosenClub) {
    const struct {
        int team;
        const char* line1;
        const char* lines;
    } cases[] = {
        {0, "   Alfa takımının adını sır gibi sakladıgı yeni menajeri belli oldu."_w, "111110110"},
        {1, "   Yönetim Ayşe Yılmaz adlı kisiyi göreve getirdiğini acikladi."_w, "101100110"},
    };
    for (const auto& c : cases) {
        SetUp();
        registerFor(c.team);
        EXPECT_STREQ(game.titleText(), "Ayşe Yılmaz"_w);
        EXPECT_EQ(game.buttons[BUTTON_ADD_MANAGER].state, 0);
        const ListView& mails = game.mailbox.list;
        ASSERT_EQ(mails.count, 2);
        EXPECT_STREQ(mail(0).text[0], "Bugün : 1/6/2004/Salı"_w);
        EXPECT_STREQ(mail(1).text[1], c.line1);
        EXPECT_EQ(mail(1).state, 0);
        EXPECT_EQ(mails.readTally, 1) << "the notice counts as read";
        EXPECT_EQ(litSpan(0, 300, 12, 28), (std::pair{28, 193})) << "Yeni Mail Var(1)";
        EXPECT_EQ(message(3), "100") << "the notice's one line";

        press(kDown);
        EXPECT_EQ(mail(1).state, 1) << "shown means read";
        EXPECT_EQ(message(9), c.lines);
        EXPECT_EQ(mail(0).state, 2);
        EXPECT_EQ(litSpan(0, 300, 12, 28).first, -1) << "the indicator goes with the next tally";
    }
    press(kUp);
    press(kSpace);
    EXPECT_EQ(game.mailbox.list.selected, 1);
}

TEST_F(ManagerRoad, TestKeysAndTheResetThatLeavesBrokenBosRows) {
    registerFor(1);
    const ListView& mails = game.mailbox.list;
    for (int32_t wording : {8, 8, 5, 8}) { // F2 cycles through the three wordings
        press(kF2);
        EXPECT_EQ(mail(mails.count - 1).lineCount, wording);
    }
    EXPECT_STREQ(mail(4).text[0], "Zonguldak Güçü Takiminin Yeni Menajeri Belli Oldu........."_w);

    press(kF4);
    frame();
    EXPECT_EQ(mails.count, 0);
    for (int row = 0; row < 12; ++row) // "Bos" everywhere, 10 left of where titles start
        EXPECT_EQ(litSpan(40, 400, 164 + 20 * row, 180 + 20 * row).first, 50) << row;
    click(500, 190); // the news' row before the reset
    frame();
    EXPECT_EQ(mails.selected, 1);
    const auto broken = litSpan(45, 985, 435, 442);
    EXPECT_GT(broken.second - broken.first, 350) << "ileti Bozulmuş Olabilir ...";
    EXPECT_EQ(message(3), "100");

    press(kF3);
    press(kF1);
    ASSERT_EQ(mails.count, 2);
    EXPECT_STREQ(mail(0).text[0], "Bugün : 11/9/2004/Cumartesi"_w);
    EXPECT_STREQ(mail(1).text[1], "Zendor : Oyun Yapim Grubu");
}

TEST_F(ManagerRoad, ScrollBarDragAndAnOpenMenu) {
    registerFor(0);
    ListView& mails = game.mailbox.list;
    const Rgb track{150, 150, 150};
    while (mails.count < 13) {
        EXPECT_NE(shown(1002, 300), track) << mails.count << " mails fit";
        game.mailbox.addDateNotice(1, 1, 2005, "x");
        frame();
    }
    EXPECT_EQ(shown(1002, 300), track);
    frame(990, 160, true); // the thumb at the top of its track
    frame(990, 160, true);
    frame(990, 500, true);
    EXPECT_EQ(mails.firstVisible, 1);
    EXPECT_EQ(mails.selected, 0);

    click(BUTTON_MANAGER_OPTIONS); // a menu open: the arrows work, the mouse does not
    click(700, 190);
    EXPECT_EQ(mails.selected, 0);
    press(kDown);
    EXPECT_EQ(mails.selected, 1);
}

// Fewer mails than rows: walking down keeps the first row at the top (the drawing would mend
// it, but nothing may read the rows before the first in between).
TEST_F(ManagerRoad, SelectNextInAShortListKeepsTheFirstRowAtTheTop) {
    ListView& mails = game.mailbox.list;
    while (mails.count < 10)
        game.mailbox.addDateNotice(1, 1, 2005, "x");
    for (int i = 0; i < 10; ++i) {
        mails.selectNext(12);
        EXPECT_EQ(mails.firstVisible, 0) << i;
    }
}

TEST_F(ManagerRoad, TheIndicatorOpensTheNewsEvenFromTheExitBox) {
    registerFor(0);
    openTactics();
    for (int i = 0; i < 4; ++i)
        hold(kEscape);
    frame();
    ASSERT_EQ(game.menuState, MENU_EXIT_BOX);
    click(60, 10);
    EXPECT_EQ(game.page, PAGE_NEWS);
    click(BUTTON_MANAGER_OPTIONS);
    EXPECT_EQ(game.menuState, MENU_MANAGER_OPTIONS) << "the headers answer again";
}

// The squad's names on the left and the pitch always; ids the player file lacks and a size
// beyond the squad's room list nobody. "ox : %d oy : %d" counts from the pitch's corner.
TEST_F(ManagerRoad, TheTacticsPageListsTheSquadThePlayerFileKnows) {
    const struct {
        int team;
        int32_t size;
        const char* lines;
    } cases[] = {
        {0, 5, "111110"}, {1, 4, "100100"}, {0, 0, "000000"}, {0, kSquadCapacity + 1, "000000"}};
    for (const auto& c : cases) {
        SetUp();
        registerFor(c.team);
        game.teams.records[c.team].squad_size = c.size;
        openTactics();
        EXPECT_EQ(lines(80, 160, 20, 6), c.lines) << c.team << " " << c.size;
        EXPECT_EQ(shown(600, 150), (Rgb{0, 160, 0})) << "the pitch";
    }
    const auto width = [](int x, int y) {
        frame(x, y);
        const auto span = litSpan(700, 1024, 45, 60);
        return span.second - span.first;
    };
    const int corner = width(560, 110); // "0" as wide as "9", narrower than "-1" and "10"
    EXPECT_EQ(width(569, 119), corner);
    EXPECT_GT(width(559, 109), corner);
    EXPECT_GT(width(570, 120), corner);
}

} // namespace
