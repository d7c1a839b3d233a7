// Several dialogs and saves in one session of the editor: the club dialog opened, changed,
// saved, closed and opened again, beside the main dialog's own saves.
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "../database/database_helpers.h"
#include "editor/club_commands.h"
#include "editor/editor_commands.h"
#include "editor/editor_ids.h"
#include "scripted_view.h"

namespace {

namespace fs = std::filesystem;

// One opening of the club dialog: fresh fields on the team file the session keeps.
struct OpenClubs {
    ScriptedClubView view;
    ClubCommands cmd;
    OpenClubs(const PlayerDatabase& players, TeamFileKeeper& kept) : cmd(view, players, kept) {
        cmd.start();
    }
};

// One thing the user does in the session.
struct Act {
    enum What { OPEN, CLOSE, RENAME, SAVE_CLUBS, LOAD_CLUBS, SAVE_PLAYERS } what;
    std::string text;           // RENAME: "index:name"; SAVE_* and LOAD_CLUBS: the typed file
    std::deque<bool> answers{}; // the questions' answers, in order
    std::string offered = "";   // SAVE_*: what the file dialog must offer
};

struct Session : ::testing::Test {
    ScriptedMainView mainView;
    EditorCommands editor{mainView};
    TeamFileKeeper kept;
    std::optional<OpenClubs> clubs;
    std::string own; // the user's own team file, as the installed editor offers it

    void SetUp() override {
        ASSERT_TRUE(editor.start());
        ASSERT_TRUE(fillEditor(editor.database(), 20));
        fs::create_directory("installed");
        writeWholeFile("installed/six.tdt", teamFileBytes(6));
        writeWholeFile("four.tdt", teamFileBytes(4));
        own = (fs::current_path() / "own/takim.tdt").string();
        // The installed demo file first; the user's own file not made yet.
        const fs::path installed = fs::current_path() / "installed";
        kept.files = {(installed / "six.tdt").string(), own, installed.string()};
    }

    void run(const Act& a) {
        SCOPED_TRACE(std::to_string(int(a.what)) + " " + a.text);
        if (a.what == Act::OPEN) {
            ASSERT_FALSE(clubs);
            clubs.emplace(editor.database(), kept);
            return;
        }
        if (a.what == Act::SAVE_PLAYERS) {
            mainView.answers = a.answers;
            mainView.files = {a.text};
            editor.command(ctl::SAVE);
            EXPECT_EQ(mainView.proposed.back(), a.offered);
            EXPECT_EQ(mainView.last(), "Kayit yapildi!");
            EXPECT_TRUE(mainView.answers.empty());
            return;
        }
        ASSERT_TRUE(clubs);
        ScriptedClubView& v = clubs->view;
        v.shown.clear();
        v.answers = a.answers;
        switch (a.what) {
        case Act::CLOSE:
            EXPECT_TRUE(clubs->cmd.leave());
            clubs.reset();
            break;
        case Act::RENAME: {
            const std::size_t colon = a.text.find(':');
            v.texts[club_ctl::TYPED_ID] = a.text.substr(0, colon);
            clubs->cmd.command(club_ctl::SELECT);
            v.texts[club_ctl::NAME] = a.text.substr(colon + 1);
            clubs->cmd.command(club_ctl::MODIFY);
            EXPECT_TRUE(v.shown.empty()) << v.last();
            break;
        }
        case Act::SAVE_CLUBS:
            v.files = {a.text};
            clubs->cmd.command(club_ctl::SAVE);
            EXPECT_EQ(v.proposed.back(), a.offered);
            EXPECT_EQ(v.last(), "Kayit yapildi!");
            break;
        case Act::LOAD_CLUBS:
            v.files = {a.text};
            clubs->cmd.command(club_ctl::LOAD);
            EXPECT_EQ(v.last(), "Yukleme Tamamlandi!");
            break;
        default:
            break;
        }
        if (clubs) {
            EXPECT_TRUE(clubs->view.answers.empty()) << "a question was not asked";
        }
    }

    // The names of a team file's clubs as the reader gives them, "|" between.
    static std::string namesOnDisk(const std::string& path) {
        TeamDatabase teams;
        if (!teams.read(path.c_str())) return "<unreadable>";
        std::string names;
        for (int32_t i = 0; i < teams.count; ++i)
            names += (i ? "|" : "") + cp1254::toUtf8(teams.records[i].name);
        return names;
    }
    // The names the open dialog shows, stepping through every club.
    std::string namesShown() {
        std::string names;
        ScriptedClubView& v = clubs->view;
        for (int32_t i = 0; i < clubs->cmd.teams().count; ++i) {
            v.texts[club_ctl::TYPED_ID] = std::to_string(i);
            clubs->cmd.command(club_ctl::SELECT);
            names += (i ? "|" : "") + v.texts[club_ctl::NAME];
        }
        return names;
    }
};

const char* const DEMO = "Beşiktaş 0|Beşiktaş 1|Beşiktaş 2|Beşiktaş 3|Beşiktaş 4|Beşiktaş 5";

} // namespace

TEST_F(Session, EveryOpeningShowsTheTeamFileLastLoadedOrSaved) {
    using A = Act;
    const struct Road {
        const char* name;
        std::vector<Act> acts;
        const char* title;   // of the dialog opened at the end: "own": the user's own file
        const char* shown;   // its clubs' names
        const char* ownFile; // the user's own file's clubs on disk; "" when none was written
    } roads[] = {
        {"two rounds of renames, a close between them",
         {{A::OPEN, ""},
          {A::RENAME, "0:Zonguldak Kömürspor"},
          {A::SAVE_CLUBS, own, {true}, own},
          {A::CLOSE, ""},
          {A::OPEN, ""},
          {A::RENAME, "3:Kars"},
          {A::SAVE_CLUBS, own, {true, true}, own}, // replace, save
          {A::CLOSE, ""}},
         "own",
         "Zonguldak Kömürspor|Beşiktaş 1|Beşiktaş 2|Kars|Beşiktaş 4|Beşiktaş 5",
         "Zonguldak Kömürspor|Beşiktaş 1|Beşiktaş 2|Kars|Beşiktaş 4|Beşiktaş 5"},
        {"another file loaded, closed, opened",
         {{A::OPEN, ""}, {A::LOAD_CLUBS, "four.tdt", {true}}, {A::CLOSE, ""}},
         "four.tdt",
         "Beşiktaş 0|Beşiktaş 1|Beşiktaş 2|Beşiktaş 3",
         ""},
        {"a change left unsaved after a save",
         {{A::OPEN, ""},
          {A::RENAME, "2:Rize"},
          {A::SAVE_CLUBS, own, {true}, own},
          {A::RENAME, "4:Unutulan"},
          {A::RENAME, "2:Unutulan"},
          {A::CLOSE, "", {true}}}, // leave without saving: Yes
         "own",
         "Beşiktaş 0|Beşiktaş 1|Rize|Beşiktaş 3|Beşiktaş 4|Beşiktaş 5",
         "Beşiktaş 0|Beşiktaş 1|Rize|Beşiktaş 3|Beşiktaş 4|Beşiktaş 5"},
        {"a change left unsaved before any save",
         {{A::OPEN, ""}, {A::RENAME, "1:Unutulan"}, {A::CLOSE, "", {true}}},
         "demo",
         DEMO,
         ""},
        {"player saves between club saves",
         {{A::SAVE_PLAYERS, "oyuncular", {true}, ""},
          {A::OPEN, ""},
          {A::RENAME, "5:Van"},
          {A::SAVE_CLUBS, own, {true}, own},
          {A::CLOSE, ""},
          {A::SAVE_PLAYERS, "oyuncular", {true, true}, "oyuncular.odt"},
          {A::OPEN, ""},
          {A::RENAME, "1:Muş"},
          {A::SAVE_CLUBS, own, {true, true}, own},
          {A::CLOSE, ""}},
         "own",
         "Beşiktaş 0|Muş|Beşiktaş 2|Beşiktaş 3|Beşiktaş 4|Van",
         "Beşiktaş 0|Muş|Beşiktaş 2|Beşiktaş 3|Beşiktaş 4|Van"},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        fs::remove_all("own");
        fs::remove("oyuncular.odt");
        kept.file.clear(); // a fresh session
        kept.teams.resize(0);
        for (const Act& a : road.acts)
            run(a);
        run({Act::OPEN, ""});
        const std::string title = road.title;
        EXPECT_EQ(clubs->view.fileShown, title == "own"    ? "takim.tdt"
                                         : title == "demo" ? kept.files.start
                                                           : title);
        const std::string shown = road.shown;
        EXPECT_EQ(clubs->view.texts[club_ctl::NAME], shown.substr(0, shown.find('|')));
        EXPECT_EQ(namesShown(), road.shown);
        EXPECT_EQ(fs::exists(own) ? namesOnDisk(own) : "", road.ownFile);
        EXPECT_EQ(namesOnDisk("installed/six.tdt"), DEMO); // the installed file is never written
        // "Kaydet" offers the file the dialog shows.
        clubs->view.files = {};
        clubs->view.answers = {};
        clubs->cmd.command(club_ctl::SAVE);
        EXPECT_EQ(clubs->view.proposed.back(), title == "own" || title == "demo" ? own : title);
        run({Act::CLOSE, ""});
    }
    // The player file saved between the club saves is still one.
    PlayerDatabase players;
    EXPECT_TRUE(players.read("oyuncular.odt"));
    EXPECT_EQ(players.playerCount(), 20);
}

// Neither "Kaydet" replaces a file of another kind, nor gives a name another kind's extension;
// the refusal names the file and what it holds, and nothing on disk changes.
TEST_F(Session, NoSaveReplacesAFileOfAnotherKind) {
    writeWholeFile("oyuncu.odt", playerFileBytes(2));
    writeWholeFile("takim.tdt", teamFileBytes(2));
    writeWholeFile("tarih.trh", calendarBytes(12));
    writeWholeFile("notlar.txt", "bir iki\n");
    writeWholeFile("yedek.bak", teamFileBytes(1)); // a team file under another extension
    const char* const PLAYERS = "Oyuncu dosyasi onun yerine kaydedilemez.\nKayit yapilmadi!";
    const char* const TEAMS = "Takim dosyasi onun yerine kaydedilemez.\nKayit yapilmadi!";
    const struct {
        bool clubs;          // the club dialog's save, else the main dialog's
        const char* typed;   // in the file dialog
        std::string refusal; // empty: saved after the questions
    } cases[] = {
        {false, "takim.tdt", "takim.tdt dosyasi bir takim dosyasi!\n" + std::string(PLAYERS)},
        {false, "tarih.trh", "tarih.trh dosyasi bir takvim dosyasi!\n" + std::string(PLAYERS)},
        {false, "notlar.txt",
         "notlar.txt dosyasi oyunun bir dosyasi degil!\n" + std::string(PLAYERS)},
        {false, "yedek.bak", "yedek.bak dosyasi bir takim dosyasi!\n" + std::string(PLAYERS)},
        {false, "yeni.TDT",
         "yeni.TDT bir takim dosyasinin adi (.tdt)!\nOyuncu dosyasi bu adla "
         "kaydedilemez.\nKayit yapilmadi!"},
        {false, "yeni.trh",
         "yeni.trh bir takvim dosyasinin adi (.trh)!\nOyuncu dosyasi bu adla "
         "kaydedilemez.\nKayit yapilmadi!"},
        {false, "oyuncu.odt", ""},
        {false, "yeni.yedek", ""},
        {true, "oyuncu.odt", "oyuncu.odt dosyasi bir oyuncu dosyasi!\n" + std::string(TEAMS)},
        {true, "tarih.trh", "tarih.trh dosyasi bir takvim dosyasi!\n" + std::string(TEAMS)},
        {true, "notlar.txt", "notlar.txt dosyasi oyunun bir dosyasi degil!\n" + std::string(TEAMS)},
        {true, "yeni.odt",
         "yeni.odt bir oyuncu dosyasinin adi (.odt)!\nTakim dosyasi bu adla "
         "kaydedilemez.\nKayit yapilmadi!"},
        {true, "yeni.Trh",
         "yeni.Trh bir takvim dosyasinin adi (.trh)!\nTakim dosyasi bu adla "
         "kaydedilemez.\nKayit yapilmadi!"},
        {true, "yedek.bak", ""},
        {true, "takim.tdt", ""},
        {true, "yeni.tdt", ""},
    };
    run({Act::OPEN, ""});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const bool existed = fs::exists(c.typed);
        const std::string before = readWholeFile(c.typed);
        const std::string fileBefore = c.clubs ? clubs->cmd.file() : editor.file();
        // Replace (an existing file only), then save; a refusal comes before either question.
        std::deque<bool> answers;
        if (c.refusal.empty())
            answers = existed ? std::deque<bool>{true, true} : std::deque<bool>{true};
        std::vector<Shown>& shown = c.clubs ? clubs->view.shown : mainView.shown;
        shown.clear();
        (c.clubs ? clubs->view.answers : mainView.answers) = answers;
        (c.clubs ? clubs->view.files : mainView.files) = {c.typed};
        if (c.clubs)
            clubs->cmd.command(club_ctl::SAVE);
        else
            editor.command(ctl::SAVE);
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back().text, c.refusal.empty() ? "Kayit yapildi!" : c.refusal);
        EXPECT_EQ(shown.size(), c.refusal.empty() ? answers.size() + 1 : 1u);
        if (!c.refusal.empty()) {
            EXPECT_EQ(shown.back().style, MessageStyle::NOTE_WARNING);
            EXPECT_EQ(fs::exists(c.typed), existed);
            EXPECT_TRUE(readWholeFile(c.typed) == before);
            EXPECT_EQ(c.clubs ? clubs->cmd.file() : editor.file(), fileBefore);
        }
    }
}
