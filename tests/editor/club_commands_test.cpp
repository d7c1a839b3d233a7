#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "../database/database_helpers.h"
#include "database/player_database.h"
#include "editor/club_commands.h"
#include "scripted_view.h"

namespace {

// Team i of teamFileBytes has the squad i, i + 3, ...: team 4 lists 4 7 10 13.
struct Clubs : ::testing::Test {
    PlayerDatabase players;
    TeamFileKeeper kept{{"six.tdt", "", ""}, {}, {}};
    ScriptedClubView view;
    ClubCommands cmd{view, players, kept};

    void SetUp() override {
        ASSERT_TRUE(fillEditor(players, 20));
        writeWholeFile("six.tdt", teamFileBytes(6));
        cmd.start();
    }
    void press(int id, std::deque<bool> answers = {}, std::deque<std::string> files = {}) {
        view.shown.clear();
        view.answers = std::move(answers);
        view.files = std::move(files);
        ASSERT_TRUE(cmd.command(id));
        EXPECT_TRUE(view.answers.empty()) << "a question was not asked";
    }
    std::string squad(int32_t club) {
        const TeamRecord& t = cmd.teams().records[club];
        std::string ids;
        for (int32_t j = 0; j < t.squad_size; ++j)
            ids += (j ? " " : "") + std::to_string(t.squad[j]);
        return ids;
    }
};

} // namespace

TEST_F(Clubs, ChoosingStepsAndNamesStayInsideTheFile) {
    EXPECT_EQ(view.texts[club_ctl::TOTAL] + "|" + view.texts[club_ctl::SHOWN_ID],
              "Toplam id : 6|Kulup id : 0");
    const struct {
        const char* typed;
        int button;
        const char* shown; // "Kulup id :" after it, or the refusal
    } steps[] = {
        {"3", club_ctl::SELECT, "Kulup id : 3"},
        {"0", club_ctl::PREVIOUS, "Kulup id : 0"},
        {"5", club_ctl::NEXT, "Kulup id : 5"},
        {"4", club_ctl::NEXT, "Kulup id : 5"},
        {"6", club_ctl::SELECT, "6 numarali kulup yok!\nKulup secilmedi."},
        {"-1", club_ctl::SELECT, "-1 numarali kulup yok!\nKulup secilmedi."},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.typed);
        view.texts[club_ctl::TYPED_ID] = s.typed;
        press(s.button);
        EXPECT_EQ(view.shown.empty() ? view.texts[club_ctl::SHOWN_ID] : view.last(), s.shown);
    }
    EXPECT_EQ(cmd.selected(), 5);
    EXPECT_EQ(view.texts[club_ctl::NAME], "Beşiktaş 5");

    const std::string longest(159, 'a');
    const struct {
        std::string typed;
        const char* refusal; // empty: stored
    } names[] = {
        {longest, ""},
        {longest + "a",
         "Kulup adi en fazla 159 harf olabilir, yazilan 160 harf!\nIslem yapilmadi."},
        {"İzmir ★",
         "Kulup adi alanindaki \"★\" karakteri Turkce kod sayfasinda yok!\nIslem yapilmadi."},
    };
    for (const auto& n : names) {
        view.texts[club_ctl::NAME] = n.typed;
        press(club_ctl::MODIFY);
        EXPECT_EQ(view.last(), n.refusal);
    }
    EXPECT_EQ(cp1254::toUtf8(cmd.teams().records[5].name), longest);

    view.texts[club_ctl::NAME] = "Yeni Kulüp";
    press(club_ctl::ADD, {false});
    EXPECT_EQ(view.last(), "Eklenemedi!\n\nDikkatli olun..");
    press(club_ctl::ADD, {true});
    EXPECT_EQ(view.shown[0].text,
              "Eklemek istediginiz kulup adi : Yeni Kulüp  id no: 6 \n  Eklemek istiyor musunuz?");
    EXPECT_EQ(view.texts[club_ctl::TOTAL] + "|" + view.texts[club_ctl::SHOWN_ID],
              "Toplam id : 7|Kulup id : 6");
    EXPECT_EQ(cmd.teams().records[6].squad_size, 0);
}

TEST_F(Clubs, SquadEditsKeepItsLimits) {
    view.texts[club_ctl::TYPED_ID] = "4";
    press(club_ctl::SELECT);
    players.selected = 12; // the main dialog's player, in no squad
    const char* const moved = "Şükrü5 Öztürk (id 5) Beşiktaş 2 kulubunun kadrosunda!\nOradan "
                              "cikarilip bu kulube eklensin mi?";
    const char* const twice = "7 numarali oyuncu zaten bu kadroda!\nKadroya eklenmedi.";
    const char* const unknown =
        "20 numarali oyuncu yok!\nOyuncu dosyasinda 20 oyuncu var.\nKadroya eklenmedi.";
    const char* const noRow = "Lutfen kadro listesinden bir oyuncu secin!";
    const struct {
        const char* typed; // the id beside the list; empty: the main dialog's player
        int button;
        int32_t row; // highlighted before pressing
        std::deque<bool> answers;
        const char* squad4; // afterwards
        const char* message;
    } steps[] = {
        {"", club_ctl::SQUAD_ADD, -1, {}, "4 7 10 13 12", ""},
        {"7", club_ctl::SQUAD_ADD, -1, {}, "4 7 10 13 12", twice},
        {"20", club_ctl::SQUAD_ADD, -1, {}, "4 7 10 13 12", unknown},
        {"5", club_ctl::SQUAD_ADD, -1, {false}, "4 7 10 13 12", "Kadroya eklenmedi."},
        {"5", club_ctl::SQUAD_ADD, -1, {true}, "4 7 10 13 12 5", moved},
        {"", club_ctl::SQUAD_UP, 0, {}, "4 7 10 13 12 5", ""},
        {"", club_ctl::SQUAD_DOWN, 5, {}, "4 7 10 13 12 5", ""},
        {"", club_ctl::SQUAD_DOWN, 1, {}, "4 10 7 13 12 5", ""},
        {"", club_ctl::SQUAD_UP, 4, {}, "4 10 7 12 13 5", ""},
        {"", club_ctl::SQUAD_UP, 1, {}, "10 4 7 12 13 5", ""},
        {"", club_ctl::SQUAD_REMOVE, 0, {}, "4 7 12 13 5", ""},
        {"", club_ctl::SQUAD_REMOVE, -1, {}, "4 7 12 13 5", noRow},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(std::to_string(&s - steps));
        view.texts[club_ctl::PLAYER_ID] = s.typed;
        view.selectedRow = s.row;
        press(s.button, s.answers);
        EXPECT_EQ(squad(4), s.squad4);
        EXPECT_EQ(view.last(), s.message);
    }
    // Yes took the player out of every other squad.
    EXPECT_EQ(squad(2) + "|" + squad(5), "2|8 11 14 17");
    EXPECT_EQ(view.rows, 5);
    EXPECT_EQ(cmd.squadText(2, 0).bytes() + "|" + cmd.squadText(2, 1).bytes() + "|" +
                  cmd.squadText(2, 2).bytes(),
              "3|12|Şükrü12 Öztürk");

    // A hundred at most; without a player file any id is taken and shown as unknown.
    players.init();
    for (int32_t id = 100; cmd.teams().records[4].squad_size < 100; ++id) {
        view.texts[club_ctl::PLAYER_ID] = std::to_string(id);
        press(club_ctl::SQUAD_ADD);
    }
    EXPECT_EQ(cmd.squadText(99, 2).bytes(), "(bilinmeyen oyuncu)");
    view.texts[club_ctl::PLAYER_ID] = "99999";
    press(club_ctl::SQUAD_ADD);
    EXPECT_EQ(view.last(), "Kadro dolu: en fazla 100 oyuncu olabilir!\nKadroya eklenmedi.");
}

// Bytes the game does not read survive a load and a save, and a rename leaves those after the
// old name's terminator.
TEST_F(Clubs, AnUnchangedFileSavesByteForByte) {
    std::string odd = teamFileBytes(3);
    put32(odd, 8, 0x1234);                      // the header's reserved word
    put32(odd, 12 + 568, -7);                   // club 1's first word
    odd[12 + 568 + 4 + 150] = 'x';              // after club 1's terminator
    put32(odd, 12 + 2 * 568 + 168 + 4 * 2, 99); // club 2's squad beyond squad_size
    writeWholeFile("odd.tdt", odd);
    ASSERT_TRUE(cmd.loadFile("odd.tdt", false));
    players.init(); // squads unchecked, after a question
    press(club_ctl::SAVE, {true, true}, {"copy.tdt"});
    EXPECT_EQ(view.last(), "Kayit yapildi!");
    EXPECT_TRUE(readWholeFile("copy.tdt") == odd);
    view.texts[club_ctl::TYPED_ID] = "1";
    press(club_ctl::SELECT);
    view.texts[club_ctl::NAME] = "Kars";
    press(club_ctl::MODIFY);
    press(club_ctl::SAVE, {true, true, true}, {"copy."}); // unchecked, replace, save
    std::string renamed = odd;
    std::memcpy(&renamed[12 + 568 + 4], "Kars\0\0\0\0\0\0\0\0", 12); // "Beşiktaş 1" and its NUL
    EXPECT_TRUE(readWholeFile("copy.tdt") == renamed);
}

TEST_F(Clubs, SaveRefusesUnknownPlayers) {
    ASSERT_TRUE(fillEditor(players, 12));
    press(club_ctl::SAVE);
    EXPECT_EQ(view.last(),
              "Beşiktaş 4 kulubunun (id 4) kadrosunda 4. sira: 13 numarali oyuncu yok!\n"
              "Oyuncu dosyasinda 12 oyuncu var.\nKayit yapilmadi!");
    EXPECT_TRUE(view.proposed.empty()); // refused before the file dialog
}

TEST_F(Clubs, RefusedLoadsAndUnsavedChangesAreAskedAbout) {
    writeWholeFile("players.tdt", playerFileBytes(2));
    press(club_ctl::LOAD, {true}, {"players.tdt"});
    EXPECT_EQ(view.last(), "players.tdt\nDatabase dosya versionu tutmuyor oyun bunu "
                           "okuyamaz!!!\nYukleme Yapilmadi!..");
    EXPECT_EQ(cmd.teams().count, 6);
    EXPECT_TRUE(cmd.leave());
    view.texts[club_ctl::PLAYER_ID] = "19";
    press(club_ctl::SQUAD_ADD);
    view.answers = {false};
    EXPECT_FALSE(cmd.leave());
    press(club_ctl::LOAD, {true}, {"six.tdt"});
    EXPECT_EQ(view.shown[0].text, "Su anda six.tdt dosyayi yuklemek istiyor "
                                  "musunuz?\nKaydedilmemis degisiklikler kaybolacak!");
    EXPECT_EQ(squad(0), "");
    EXPECT_TRUE(cmd.leave());
}
