#include <clocale>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <utility>
#include <vector>

#include "../database/database_helpers.h"
#include "editor/attribute_form.h"
#include "editor/editor_commands.h"
#include "editor/editor_ids.h"
#include "scripted_view.h"

namespace {

using ScriptedDialog = Scripted<DialogView>;

struct Editor : ::testing::Test {
    ScriptedMainView view;
    EditorCommands cmd{view};
    PlayerDatabase& db = cmd.database();

    void SetUp() override { ASSERT_TRUE(cmd.start() && cmd.ready()); }

    void press(int id) { ASSERT_TRUE(cmd.command(id)); }
    // A command with what the file dialog gets typed and the answers to its questions.
    void press(int id, std::deque<std::string> files, std::deque<bool> answers = {true}) {
        view.shown.clear();
        view.files = std::move(files);
        view.answers = std::move(answers);
        press(id);
        EXPECT_TRUE(view.answers.empty()) << "a question was not asked";
    }
    void type(int id, const std::string& utf8) { view.texts[id] = utf8; }
    void select(int32_t id) {
        type(ctl::TYPED_ID, std::to_string(id));
        press(ctl::SELECT);
    }
    std::string listedIds() {
        std::string ids;
        for (int32_t row = 0; row < view.rows; ++row)
            ids += (row ? " " : "") + cmd.rowText(row, 2).bytes();
        return ids;
    }
};

} // namespace

// The sanitizers' allocator cannot run under an address-space limit.
#ifndef __has_feature
#define __has_feature(x) 0
#endif
#if !defined(__SANITIZE_ADDRESS__) && !__has_feature(address_sanitizer)
// Room for neither the found rows (10 MB) nor the records (42 MB). The program ends when the
// start is refused.
[[noreturn]] void startWithoutMemory() {
    const long pages = std::strtol(readWholeFile("/proc/self/statm").c_str(), nullptr, 10);
    const rlim_t room = rlim_t(pages) * 4096 + (4 << 20);
    const rlimit limit{room, room};
    setrlimit(RLIMIT_AS, &limit);
    ScriptedMainView view;
    EditorCommands cmd(view);
    const bool refused = !cmd.start() && !cmd.ready() &&
                         view.shown.front().text == "Bellek yetmiyor!\nProgram calisamaz.";
    std::exit(refused ? 0 : 1);
}

TEST(EditorStart, WithoutItsMemoryTheEditorRefusesToStart) {
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // a fresh process: no heap left by others
    EXPECT_EXIT(startWithoutMemory(), ::testing::ExitedWithCode(0), "");
}
#endif

TEST_F(Editor, SelectionStaysInsideTheDatabase) {
    ASSERT_TRUE(fillEditor(db, 10));
    // Refused ids keep the player shown before and say so once.
    const struct {
        const char* typed;
        int button;
        int32_t shows;
        bool refused;
    } cases[] = {{"9", ctl::NEXT, 9, false},   {"0", ctl::PREVIOUS, 0, false},
                 {"4", ctl::NEXT, 5, false},   {"4", ctl::PREVIOUS, 3, false},
                 {"", ctl::NEXT, 1, false},    {"7", ctl::SELECT, 7, false},
                 {"10", ctl::SELECT, 7, true}, {"12", ctl::NEXT, 7, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " " + std::to_string(c.button));
        view.shown.clear();
        type(ctl::TYPED_ID, c.typed);
        press(c.button);
        EXPECT_EQ(db.selected, c.shows);
        EXPECT_EQ(view.texts[ctl::TYPED_ID], c.refused ? c.typed : std::to_string(c.shows));
        EXPECT_EQ(view.texts[ctl::SHOWN_ID], "Oyuncu id:" + std::to_string(c.shows));
        const PlayerRecord p = samplePlayer(c.shows);
        EXPECT_EQ(view.texts[ctl::NAME] + " " + view.texts[ctl::BIRTHPLACE] + " " +
                      view.texts[ctl::DAY],
                  cp1254::toUtf8(p.name) + " İğdır " + std::to_string(p.birth_day));
        EXPECT_EQ(view.shown.size(), c.refused ? 1u : 0u);
    }
    EXPECT_EQ(view.last(), "12 numarali oyuncu yok!\nOyuncu secilmedi.");
}

TEST_F(Editor, ModifyAndClearEndTheSelection) {
    ASSERT_TRUE(fillEditor(db, 3));
    press(ctl::MODIFY);
    EXPECT_EQ(view.last(), "Lutfen ilk once oyuncu secin!");
    select(1);
    // A character without a Windows-1254 byte is refused by the field's name; nothing changes.
    type(ctl::SURNAME, "Yılmaz中");
    view.shown.clear();
    press(ctl::MODIFY);
    press(ctl::ADD); // refused before the question
    ASSERT_EQ(view.shown.size(), 2u);
    EXPECT_EQ(view.last(), "Oyuncu Soyadi alanindaki \"中\" karakteri Turkce kod sayfasinda "
                           "yok!\nIslem yapilmadi.");
    EXPECT_STREQ(db.record(1)->surname, samplePlayer(1).surname);
    type(ctl::QUERY_NAME, "€ü😀");
    press(ctl::SEARCH);
    EXPECT_NE(view.last().find("\"😀\""), std::string::npos);
    EXPECT_EQ(view.texts[ctl::FOUND], "Bulunan 0");

    type(ctl::SURNAME, "Yılmaz");
    type(ctl::NAME, std::string(49, 'x'));
    type(ctl::COUNTRY, "Güney Kore");
    type(ctl::YEAR, "1980abc");
    view.shown.clear();
    press(ctl::MODIFY);
    EXPECT_TRUE(view.shown.empty());
    EXPECT_EQ(db.selected, -1);
    const PlayerRecord& r = *db.record(1);
    EXPECT_EQ(std::string(r.name), std::string(48, 'x'));
    EXPECT_STREQ(r.country, "Güney Kore"_w);
    EXPECT_EQ(r.birth_year, 1980);
    const PlayerRecord old = samplePlayer(1);
    EXPECT_EQ(std::memcmp(&r.technical, &old.technical, 424 - 268), 0);

    // "Bosalt : Sifirla" empties the fields but keeps the typed id.
    select(2);
    press(ctl::CLEAR);
    EXPECT_EQ(db.selected, -1);
    EXPECT_EQ(view.texts[ctl::SHOWN_ID] + view.texts[ctl::TYPED_ID], "Oyuncu id: -2");
    for (int id : {ctl::NAME, ctl::SURNAME, ctl::BIRTHPLACE, ctl::LANGUAGE, ctl::COUNTRY,
                   ctl::MONTH, ctl::DAY, ctl::YEAR})
        EXPECT_EQ(view.texts[id], "") << id;
}

TEST_F(Editor, AddAppendsWithStartingValuesAndConsecutiveIds) {
    type(ctl::NAME, "Ümit");
    type(ctl::SURNAME, "Davala");
    type(ctl::DAY, "30");
    type(ctl::LANGUAGE, "Türkçe");
    view.answers = {false};
    press(ctl::ADD);
    EXPECT_EQ(
        view.shown[0].text,
        "Eklemek istediginiz oyuncu adi : Ümit Davala  id no: 0 \n  Eklemek istiyor musunuz?");
    EXPECT_EQ(view.last(), "Eklenemedi!\n\nDikkatli olun..");
    EXPECT_EQ(db.playerCount(), 0);

    view.answers = {true, true};
    press(ctl::ADD);
    EXPECT_EQ(view.texts[ctl::TOTAL], "Toplam Oyuncu :1");
    EXPECT_EQ(view.last(), "Eklendi!");
    press(ctl::ADD);
    EXPECT_EQ(view.texts[ctl::SHOWN_ID], "Oyuncu id:1");
    ASSERT_EQ(db.playerCount(), 2);
    PlayerRecord expected = newPlayerRecord();
    std::strcpy(expected.name, "Ümit"_w), std::strcpy(expected.surname, "Davala");
    std::strcpy(expected.language, "Türkçe"_w), expected.birth_day = 30; // the year left empty
    for (int32_t i = 0; i < 2; ++i) {
        expected.id = i;
        EXPECT_EQ(std::memcmp(db.record(i), &expected, sizeof expected), 0) << i;
    }

    const PlayerRecord p = samplePlayer(0);
    while (db.playerCount() < PLAYER_CAPACITY)
        ASSERT_TRUE(db.append(p));
    press(ctl::ADD); // no question is asked
    EXPECT_EQ(view.last(), "Database dolu: en fazla 100000 oyuncu olabilir!\nEklenemedi!");
}

TEST_F(Editor, SearchMatchesBytePrefixesCaseSensitively) {
    const char* names[][2] = {{"Şükrü"_w, "Öz"_w}, {"ŞÜKRÜ"_w, "Öz"_w}, {"Şu"_w, "Öz"_w},
                              {"Ş"_w, "Öz"_w},     {"şükrü"_w, "Öz"_w}, {"Şükrü"_w, "Al"},
                              {"Ali", "Özen"_w}};
    for (auto& n : names) {
        PlayerRecord r{};
        std::strcpy(r.name, n[0]), std::strcpy(r.surname, n[1]);
        ASSERT_TRUE(db.append(r));
    }
    const struct {
        const char *name, *surname, *ids;
    } cases[] = {
        {"Şü", "", "0 5"}, {"Ş", "Öz", "0 1 2 3"}, {"Şükrü", "Öz", "0"}, {"Şükrüx", "", ""},
        {"", "Öze", "6"},  {"ş", "", "4"},         {"A", "Al", ""},      {"", "", "0 1 2 3 4 5 6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "/" + c.surname);
        type(ctl::QUERY_NAME, c.name);
        type(ctl::QUERY_SURNAME, c.surname);
        press(ctl::SEARCH);
        EXPECT_EQ(listedIds(), c.ids);
    }
    EXPECT_EQ(cmd.rowText(1, 0).bytes() + " " + cmd.rowText(6, 1).bytes(), "ŞÜKRÜ Özen");
}

TEST_F(Editor, RowsAlwaysNameThePlayersTheyShow) {
    ASSERT_TRUE(fillEditor(db, 10));
    writeWholeFile("three.odt", playerFileBytes(3));
    type(ctl::QUERY_SURNAME, "Öz"); // player 1 is "Er"
    press(ctl::SEARCH);
    type(ctl::QUERY_SURNAME, ""); // the rows follow the search made, not the field
    // Every change of the database lists the search's matches again.
    const struct {
        std::function<void()> change;
        const char* ids;
    } steps[] = {
        {[&] { select(2), type(ctl::SURNAME, "Kaya"), press(ctl::MODIFY); }, "0 3 4 5 6 7 8 9"},
        {[&] { type(ctl::SURNAME, "Özen"), view.answers = {true}, press(ctl::ADD); },
         "0 3 4 5 6 7 8 9 10"},
        {[&] { cmd.loadFile("three.odt", false); }, "0 2"},
    };
    for (const auto& step : steps) {
        step.change();
        EXPECT_EQ(listedIds(), step.ids);
        EXPECT_EQ(view.texts[ctl::FOUND], "Bulunan Oyuncu : " + std::to_string(view.rows));
    }

    view.shown.clear();
    cmd.listActivated(); // no row selected: nothing
    EXPECT_TRUE(view.shown.empty());
    view.selectedRow = 1, cmd.listActivated();
    EXPECT_EQ(db.selected, 2);
    EXPECT_EQ(view.last(), "Oyuncu Secim olarak yuklendi!\nistediginiz baska bir oyuncuyu gene "
                           "listeden secebilirsiniz.\nArama yapabilirsiniz!");
    // A player renamed behind the commands' back is not selected through its old row.
    std::strcpy(db.record(0)->name, "Ali");
    view.selectedRow = 0, cmd.listActivated();
    EXPECT_EQ(db.selected, 2);
    EXPECT_EQ(view.last(),
              "Listedeki oyuncu degismis!\nLutfen tekrar arama yapin.\nOyuncu secilmedi.");
}

// The installed data set is refused before any question, however the path reaches it, and
// "Kaydet" offers the user's own file instead, in folders left only when the save is made. The
// extension is added before the question about an existing file; No to it goes back to the file
// dialog, which afterwards offers the last file saved.
TEST_F(Editor, SaveWritesOnlyWhereTheUserConfirmed) {
    const std::string installed = playerFileBytes(3);
    std::filesystem::create_directories("installed/veri");
    std::filesystem::create_directory("a.b");
    writeWholeFile("installed/veri/oyuncu.odt", installed);
    const std::string old = playerFileBytes(1); // files of the same kind: replaced after a Yes
    writeWholeFile("kept.odt", old);
    writeWholeFile("a.b/kept.odt", old);
    ASSERT_TRUE(cmd.loadFile("installed/veri/oyuncu.odt", false));
    cmd.protectFolder("installed");
    const std::string home = "home/menajer/veri/oyuncu.odt";
    cmd.proposeSaveFile(home);
    const char* const REFUSED = "Kurulu oyunun dosyalarina kayit yapilamaz:\n"
                                "other/../installed/veri/oyuncu.odt\nKayit yapilmadi! Baska bir "
                                "klasore kaydedin.";
    const char* const DONE = "Kayit yapildi!";
    const struct {
        std::deque<std::string> typed; // none: the file dialog is cancelled
        std::deque<bool> answers;
        const char* message;
        std::string offered; // by the last file dialog
        const char* saved;   // holding the database afterwards; none: nothing written
    } cases[] = {
        {{}, {}, "", home, nullptr},
        {{"kept", "kept"}, {false, true, false}, "Kayit yapilmadi!", "kept.odt", nullptr},
        {{"other/../installed/veri/oyuncu"}, {}, REFUSED, home, nullptr},
        {{"home/menajer/veri/oyuncu"}, {true}, DONE, home, home.c_str()},
        {{"a.b/new"}, {true}, DONE, home, "a.b/new.odt"},
        {{"nokta."}, {true}, DONE, "a.b/new.odt", "nokta.odt"},
        {{"yedek.dat"}, {true}, DONE, "nokta.odt", "yedek.dat"},
        {{"a.b/kept", "a.b/kept"}, {false, true, true}, DONE, "a.b/kept.odt", "a.b/kept.odt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message + std::string(" ") + (c.saved ? c.saved : ""));
        press(ctl::SAVE, c.typed, c.answers);
        EXPECT_EQ(view.last(), c.message);
        EXPECT_EQ(view.proposed.back(), c.offered);
        EXPECT_EQ(std::filesystem::exists("home"), c.saved != nullptr);
        EXPECT_TRUE(!c.saved || readWholeFile(c.saved) == installed);
        // Unsaved, it names the loaded file, whose name the user's own file shares.
        const std::filesystem::path named = c.saved ? c.saved : home;
        EXPECT_EQ(view.fileShown, named.filename().string());
    }
    EXPECT_EQ(view.shown[0].text,
              "a.b/kept.odt dosyasi zaten var!\nUzerine yazmak istiyor musunuz?");
    EXPECT_EQ(view.shown[2].text, "Su anda a.b/kept.odt dosyayi kaydetmek istiyor musunuz?\n "
                                  "Dikkatli olun ve bol bol yedek alin.");
    EXPECT_TRUE(readWholeFile("kept.odt") == old);
    EXPECT_TRUE(readWholeFile("installed/veri/oyuncu.odt") == installed);
}

TEST_F(Editor, OnlyAWholePlayerFileReplacesTheDatabase) {
    writeWholeFile("team.odt", teamFileBytes(3));
    writeWholeFile("ten.odt", playerFileBytes(10));
    const struct {
        const char* file;
        const char* message;
        int32_t players; // afterwards, the last as the sample has it
    } cases[] = {
        {"team.odt", "Version Bigileri Tutmuyor!!!! \nYukleme Yapilmadi!..\n", 11},
        {"missing.odt", "Dosya acilamadi!\nNo such file or directory\nYukleme Yapilmadi!..", 11},
        {"ten.odt", "Yukleme Tamamlandi!", 10},
    };
    ASSERT_TRUE(fillEditor(db, 11));
    press(ctl::LOAD, {}, {}); // the file dialog is cancelled
    EXPECT_TRUE(view.shown.empty());
    press(ctl::LOAD, {"ten.odt"}, {false});
    EXPECT_EQ(view.last(), "Yukleme yapilmadi!\n\n\n\n\n\nDikkatli ol bol bol yedek al DATA yi "
                           "kaybedersen emekler bosa gider.");
    EXPECT_EQ(db.playerCount(), 11);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        select(2);
        press(ctl::LOAD, {c.file});
        EXPECT_EQ(view.last(), c.message);
        EXPECT_EQ(view.shown.back().style,
                  c.players == 11 ? MessageStyle::NOTE_WARNING : MessageStyle::NOTE_DONE);
        EXPECT_EQ(db.selected, -1);
        ASSERT_EQ(db.playerCount(), c.players);
        const PlayerRecord last = samplePlayer(c.players - 1);
        EXPECT_EQ(std::memcmp(db.record(c.players - 1), &last, sizeof last), 0);
    }
    EXPECT_EQ(view.texts[ctl::TOTAL] + view.texts[ctl::NAME], "Toplam Oyuncu :10");
    // The C library's reasons come in the locale's own encoding, never converted a second time.
    for (const char* locale : {"tr_TR.UTF-8", "tr_TR.ISO-8859-9"}) {
        ASSERT_TRUE(std::setlocale(LC_ALL, locale)) << locale << ": locales-all missing";
        press(ctl::LOAD, {"missing.odt"});
        EXPECT_EQ(view.last(),
                  "Dosya acilamadi!\nBöyle bir dosya ya da dizin yok\nYukleme Yapilmadi!..");
    }
    std::setlocale(LC_ALL, "C");
}

TEST_F(Editor, AFailedSaveLeavesTheOldFileAndReportsNoSuccess) {
    ASSERT_TRUE(fillEditor(db, 3));
    const std::string old = playerFileBytes(1);
    for (Step step : {CREATE, OPEN_STREAM, WRITE, FLUSH, SYNC, CLOSE, RENAME}) {
        SCOPED_TRACE(step);
        std::filesystem::remove_all("failing");
        std::filesystem::create_directory("failing");
        writeWholeFile("failing/players.odt", old);
        FailingOps ops(step);
        cmd.useFileOps(ops);
        press(ctl::SAVE, {"failing/players.odt"}, {true, true});
        EXPECT_EQ(view.last(), "Kayit yapilamadi!\nNo space left on device\nEski dosya oldugu "
                               "gibi duruyor.");
        EXPECT_EQ(view.shown.back().style, MessageStyle::NOTE_WARNING);
        EXPECT_EQ(view.shown.size(), 3u); // two questions, then the failure only
        EXPECT_TRUE(readWholeFile("failing/players.odt") == old);
        using std::filesystem::directory_iterator; // no temporary left behind:
        EXPECT_EQ(std::distance(directory_iterator("failing"), directory_iterator()), 1);
    }
}

// A fresh editor: attributes need a player, leagues a Yes.
TEST_F(Editor, AFreshEditorOpensNothingWithoutAPlayer) {
    const std::pair<int, const char*> openers[] = {{ctl::TECHNICAL, "teknik"},
                                                   {ctl::PHYSICAL, "Fiziksel"},
                                                   {ctl::MENTAL, "Zihinsel"},
                                                   {ctl::DETAIL, "Oyuncu"}};
    for (const auto& [button, which] : openers) {
        press(button);
        EXPECT_TRUE(view.dialogsRun.empty());
        EXPECT_EQ(view.last(), std::string("Lutfen ilk once oyuncu sec tusuna basin.\nDaha dogrusu "
                                           "SEC tusu.\nDaha sonra secili oyuncu ") +
                                   which + " ozelligi acilacaktir.");
    }
    view.answers = {false, true};
    press(ctl::LEAGUES);
    press(ctl::LEAGUES);
    EXPECT_EQ(view.leagueRuns, 1);
}

TEST_F(Editor, AttributeSaveWritesOnlyTheDialogsOwnBlockAndClosingAsks) {
    ASSERT_TRUE(fillEditor(db, 4));
    select(2);
    PlayerRecord before = *db.record(2);
    // A value the file cannot hold refuses the whole save by its field and range.
    const struct {
        AttributeKind kind;
        int edit;
        const char *typed, *message;
    } refused[] = {
        {AttributeKind::DETAIL, 1058, "6",
         "Oynadigi Pozisyon toplam alani 0 ile 5 arasinda olmali!\nBilgiler kaydedilmedi."},
        {AttributeKind::DETAIL, 1057, "16",
         "1. Pozisyon alani 0 ile 15 arasinda olmali!\nBilgiler kaydedilmedi."},
        {AttributeKind::TECHNICAL, 1033, "0",
         "Bitiricilik alani 1 ile 20 arasinda olmali!\nBilgiler kaydedilmedi."},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.typed);
        ScriptedDialog dialog;
        AttributeForm form(db, c.kind);
        form.open(dialog);
        for (auto& [id, text] : dialog.texts)
            if (id != ctl::HEADER) text = "1"; // valid everywhere: must not be stored either
        dialog.texts[c.edit] = c.typed;
        form.save(dialog);
        EXPECT_EQ(dialog.last(), c.message);
        EXPECT_EQ(std::memcmp(db.record(2), &before, sizeof before), 0);
    }
    // The bounds are kept; a text without digits is 0.
    ScriptedDialog dialog;
    AttributeForm detail(db, AttributeKind::DETAIL);
    detail.open(dialog);
    for (const char* count : {"0", "5"}) {
        dialog.texts[1058] = count;
        dialog.texts[1057] = "15";
        dialog.texts[1062] = "x";
        detail.save(dialog);
        before.position.position_count = std::atoi(count);
        before.position.positions[0] = 15, before.position.positions[4] = 0;
        EXPECT_EQ(std::memcmp(db.record(2), &before, sizeof before), 0);
    }
    EXPECT_TRUE(dialog.shown.empty()); // no message; the dialog stays open

    // Closing asks first (the dialogs' test answers No to it and the dialog stays open).
    ScriptedDialog closing;
    closing.answers = {true};
    EXPECT_TRUE(AttributeForm(db, AttributeKind::MENTAL).close(closing));
    EXPECT_EQ(closing.last(), "Kayit yaptiginizdan emin misiniz?\nPencere kapatilacak!!!!!.");
    press(ctl::MENTAL); // the dialog closed at once keeps the player selected
    EXPECT_EQ(view.dialogsRun, std::vector<AttributeKind>{AttributeKind::MENTAL});
    EXPECT_EQ(db.selected, 2);
}

// Every day of a month, month and year of birth is offered, in order.
TEST_F(Editor, TheDateListsOfferEveryValue) {
    const struct {
        int id, first, last;
    } lists[] = {{ctl::DAY, 1, 31}, {ctl::MONTH, 1, 12}, {ctl::YEAR, 1921, 1999}};
    for (const auto& l : lists) {
        std::vector<std::string> values;
        for (int v = l.first; v <= l.last; ++v)
            values.push_back(std::to_string(v));
        EXPECT_EQ(view.choices[l.id], values) << l.id;
    }
}
