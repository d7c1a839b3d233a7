// Several dialogs and saves in one session of the editor: the club dialog opened, changed,
// saved, closed and opened again, beside the main dialog's own saves.
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
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

    // "Kaydet" of the club dialog, else of the main dialog, with `typed` in the file dialog.
    // Unless refused, Yes to replacing (an existing file only) and to saving; a refusal comes
    // before either question. What the dialog showed.
    std::vector<Shown> save(bool inClubs, const std::string& typed, bool refused = false) {
        const auto press = [&](auto& view, auto command) {
            view.shown.clear();
            view.answers.clear();
            if (!refused) view.answers = {true};
            if (!refused && fs::exists(typed)) view.answers.push_back(true);
            view.files = {typed};
            command();
            EXPECT_TRUE(view.answers.empty()) << "a question was not asked";
            return view.shown;
        };
        if (inClubs) return press(clubs->view, [&] { clubs->cmd.command(club_ctl::SAVE); });
        return press(mainView, [&] { editor.command(ctl::SAVE); });
    }

    // One thing the user does: "open"; "close" (nothing unsaved); "leave" (Yes to leaving
    // changes unsaved); "N=name" (club N renamed); "save" (the clubs into the user's own file);
    // "load FILE"; "players" (the main dialog's save into oyuncular.odt).
    void run(const std::string& act) {
        SCOPED_TRACE(act);
        if (act == "open") {
            ASSERT_FALSE(clubs);
            clubs.emplace(editor.database(), kept);
            return;
        }
        if (act == "players") {
            const std::string offered = fs::exists("oyuncular.odt") ? "oyuncular.odt" : "";
            save(false, "oyuncular.odt");
            EXPECT_EQ(mainView.last(), "Kayit yapildi!");
            EXPECT_EQ(mainView.proposed.back(), offered); // the last file saved
            return;
        }
        ASSERT_TRUE(clubs);
        ScriptedClubView& v = clubs->view;
        v.shown.clear();
        if (act == "close" || act == "leave") {
            v.answers = act == "leave" ? std::deque<bool>{true} : std::deque<bool>{};
            EXPECT_TRUE(clubs->cmd.leave());
            EXPECT_TRUE(v.answers.empty()) << "a question was not asked";
            clubs.reset();
        } else if (act == "save") {
            save(true, own);
            EXPECT_EQ(v.last(), "Kayit yapildi!");
            EXPECT_EQ(v.proposed.back(), own);
        } else if (act.rfind("load ", 0) == 0) {
            v.answers = {true};
            v.files = {act.substr(5)};
            clubs->cmd.command(club_ctl::LOAD);
            EXPECT_EQ(v.last(), "Yukleme Tamamlandi!");
            EXPECT_TRUE(v.answers.empty()) << "a question was not asked";
        } else {
            const std::size_t equals = act.find('=');
            ASSERT_NE(equals, std::string::npos);
            v.texts[club_ctl::TYPED_ID] = act.substr(0, equals);
            clubs->cmd.command(club_ctl::SELECT);
            v.texts[club_ctl::NAME] = act.substr(equals + 1);
            clubs->cmd.command(club_ctl::MODIFY);
            EXPECT_TRUE(v.shown.empty()) << v.last();
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
    const struct Road {
        const char* acts;  // run's acts, "|" between
        const char* title; // of the dialog opened at the end: "own": the user's own file
        const char* shown; // its clubs' names, and on disk when it is the user's own file
    } roads[] = {
        {"open|0=Zonguldak Kömürspor|save|close|open|3=Kars|save|close", "own",
         "Zonguldak Kömürspor|Beşiktaş 1|Beşiktaş 2|Kars|Beşiktaş 4|Beşiktaş 5"},
        {"open|load four.tdt|close", "four.tdt", "Beşiktaş 0|Beşiktaş 1|Beşiktaş 2|Beşiktaş 3"},
        {"open|2=Rize|save|4=Unutulan|2=Unutulan|leave", "own",
         "Beşiktaş 0|Beşiktaş 1|Rize|Beşiktaş 3|Beşiktaş 4|Beşiktaş 5"},
        {"open|1=Unutulan|leave", "demo", DEMO},
        {"players|open|5=Van|save|close|players|open|1=Muş|save|close", "own",
         "Beşiktaş 0|Muş|Beşiktaş 2|Beşiktaş 3|Beşiktaş 4|Van"},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.acts);
        fs::remove_all("own");
        fs::remove("oyuncular.odt");
        kept.file.clear(); // a fresh session
        kept.teams.resize(0);
        std::istringstream acts(road.acts);
        for (std::string act; std::getline(acts, act, '|');)
            run(act);
        run("open");
        const std::string title = road.title, shown = road.shown;
        EXPECT_EQ(clubs->view.fileShown, title == "own"    ? "takim.tdt"
                                         : title == "demo" ? kept.files.start
                                                           : title);
        EXPECT_EQ(clubs->view.texts[club_ctl::NAME], shown.substr(0, shown.find('|')));
        EXPECT_EQ(namesShown(), shown);
        EXPECT_EQ(fs::exists(own) ? namesOnDisk(own) : "", title == "own" ? shown : "");
        EXPECT_EQ(namesOnDisk("installed/six.tdt"), DEMO); // the installed file is never written
        // "Kaydet" offers the file the dialog shows.
        save(true, "", true);
        EXPECT_EQ(clubs->view.proposed.back(), title == "own" || title == "demo" ? own : title);
        run("close");
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
    // What the refusal says of the file or its name, for each save; empty: saved, null: not
    // tried. A refusing save comes first, so that a new name is still new to it.
    const struct {
        const char* typed; // in the file dialog
        const char *players, *clubs;
    } cases[] = {
        {"oyuncu.odt", "", "bir oyuncu dosyasi"},
        {"takim.tdt", "bir takim dosyasi", ""},
        {"tarih.trh", "bir takvim dosyasi", "bir takvim dosyasi"},
        {"notlar.txt", "oyunun bir dosyasi degil", "oyunun bir dosyasi degil"},
        {"yedek.bak", "bir takim dosyasi", ""},
        {"yeni.odt", "", "bir oyuncu dosyasinin adi (.odt)"},
        {"yeni.TDT", "bir takim dosyasinin adi (.tdt)", ""},
        {"yeni.Trh", "bir takvim dosyasinin adi (.trh)", "bir takvim dosyasinin adi (.trh)"},
        {"yeni.yedek", "", nullptr},
    };
    run("open");
    for (const auto& c : cases) {
        const bool clubsFirst = c.clubs && *c.clubs;
        for (const bool inClubs : {clubsFirst, !clubsFirst}) {
            const char* const said = inClubs ? c.clubs : c.players;
            if (!said) continue;
            SCOPED_TRACE(c.typed + std::string(inClubs ? " clubs" : " players"));
            const std::string typed = c.typed, held = said, kind = inClubs ? "Takim" : "Oyuncu";
            const bool existed = fs::exists(typed), refused = !held.empty();
            const std::string before = readWholeFile(typed);
            const std::string fileBefore = inClubs ? clubs->cmd.file() : editor.file();
            const std::vector<Shown> shown = save(inClubs, typed, refused);
            ASSERT_FALSE(shown.empty());
            if (!refused) {
                EXPECT_EQ(shown.back().text, "Kayit yapildi!");
                EXPECT_EQ(shown.size(), existed ? 3u : 2u); // after the questions
                continue;
            }
            EXPECT_EQ(shown.back().text,
                      existed ? typed + " dosyasi " + held + "!\n" + kind +
                                    " dosyasi onun yerine kaydedilemez.\nKayit yapilmadi!"
                              : typed + " " + held + "!\n" + kind +
                                    " dosyasi bu adla kaydedilemez.\nKayit yapilmadi!");
            EXPECT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown.back().style, MessageStyle::NOTE_WARNING);
            EXPECT_EQ(fs::exists(typed), existed);
            EXPECT_TRUE(readWholeFile(typed) == before);
            EXPECT_EQ(inClubs ? clubs->cmd.file() : editor.file(), fileBefore);
        }
    }
}
