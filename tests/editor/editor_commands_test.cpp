#include <cerrno>
#include <cstring>
#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "../database/database_helpers.h"
#include "database/file_io.h"
#include "database/file_names.h"
#include "editor/attribute_form.h"
#include "editor/editor_commands.h"
#include "editor/editor_ids.h"
#include "editor/editor_view.h"
#include "text/path.h"

namespace {

constexpr const char* kTakeOffered = "="; // a scripted file name: the one the dialog offers
constexpr const char* kWrongFile = "Version Bigileri Tutmuyor!!!! \nYukleme Yapilmadi!..\n";

struct Shown {
    MessageStyle style;
    std::string text;
};

// Dialogs without a toolkit: controls are a map of texts, questions take their answers from a
// queue, and everything shown is recorded.
template <class View> struct Scripted : View {
    std::map<int, std::string> texts;
    std::vector<Shown> shown;
    std::deque<bool> answers; // for the Yes/No questions, in order

    std::string typed(int id) override { return texts[id]; }
    void setText(int id, const std::string& utf8) override { texts[id] = utf8; }
    void setSpinRange(int, int, int) override {}
    bool message(MessageStyle style, const std::string& utf8) override {
        shown.push_back({style, utf8});
        if (style != MessageStyle::ASK_QUESTION && style != MessageStyle::ASK_WARNING) return true;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << utf8;
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    std::string last() const { return shown.empty() ? std::string() : shown.back().text; }
};

using ScriptedDialog = Scripted<DialogView>;

struct ScriptedView : Scripted<MainView> {
    std::deque<std::string> files; // an empty name cancels the file dialog
    std::vector<std::string> offered;
    std::vector<FileDialogKind> fileDialogs;
    int32_t rows = 0;
    int32_t selectedRow = -1;
    int leagueRuns = 0;
    // Plays the user inside an attribute dialog; none: the dialog is closed at once.
    std::function<void(AttributeForm&, ScriptedDialog&)> inDialog;
    std::vector<AttributeKind> dialogsRun;

    void addChoice(int, const std::string&) override {}
    void addColumn(const std::string&, int) override {}
    bool chooseFile(FileDialogKind kind, std::string& path) override {
        fileDialogs.push_back(kind);
        offered.push_back(path);
        if (files.empty() || files.front() != kTakeOffered)
            path = files.empty() ? "" : files.front();
        if (!files.empty()) files.pop_front();
        return !path.empty();
    }
    void showRows(int32_t n) override { rows = n; }
    int32_t firstSelectedRow() override { return selectedRow; }
    void runAttributeDialog(AttributeForm& form) override {
        dialogsRun.push_back(form.kind());
        ScriptedDialog dialog;
        form.open(dialog);
        if (inDialog) inDialog(form, dialog);
    }
    void runLeagueDialogs() override { ++leagueRuns; }
};

struct Editor : ::testing::Test {
    ScriptedView view;
    EditorCommands cmd{view};
    PlayerDatabase& db = cmd.database();

    void SetUp() override { ASSERT_TRUE(cmd.start()); }

    // Sample players 0 to n - 1 with every field as the sample has it.
    void fill(int32_t n) {
        for (int32_t i = 0; i < n; ++i) {
            ASSERT_TRUE(db.append(samplePlayer(i)));
            *db.record(i) = samplePlayer(i);
        }
    }
    void press(int id) { ASSERT_TRUE(cmd.command(id)); }
    void type(int id, const std::string& utf8) { view.texts[id] = utf8; }
    void select(int32_t id) {
        type(ctl::TYPED_ID, std::to_string(id));
        press(ctl::SELECT);
    }
    std::string shownName() { return view.texts[ctl::NAME]; }
    // The values a dialog shows on opening, in its rows' order.
    std::string opened(AttributeKind kind) {
        std::string values;
        view.inDialog = [&](AttributeForm& form, ScriptedDialog& dialog) {
            for (int i = 0; i < form.layout().rowCount; ++i)
                values += (i ? " " : "") + dialog.texts[form.layout().rows[i].edit];
        };
        cmd.openAttributes(kind);
        view.inDialog = nullptr;
        return values;
    }
};

} // namespace

TEST_F(Editor, SelectionStaysInsideTheDatabase) {
    type(ctl::TYPED_ID, "0");
    press(ctl::SELECT); // any id while the database is empty
    EXPECT_EQ(db.selected, -1);
    EXPECT_EQ(view.last(), "0 numarali oyuncu yok!\nOyuncu secilmedi.");
    fill(10);
    // Refused ids keep the player shown before and say so once.
    const struct {
        const char* typed;
        int button;
        int32_t shows;
        bool refused;
    } cases[] = {{"9", ctl::NEXT, 9, false},   {"0", ctl::PREVIOUS, 0, false},
                 {"4", ctl::NEXT, 5, false},   {"4", ctl::PREVIOUS, 3, false},
                 {"", ctl::NEXT, 1, false},    {"7", ctl::SELECT, 7, false},
                 {"10", ctl::SELECT, 7, true}, {"99999999999", ctl::SELECT, 7, true},
                 {"12", ctl::NEXT, 7, true},   {"12", ctl::PREVIOUS, 7, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " " + std::to_string(c.button));
        view.shown.clear();
        type(ctl::TYPED_ID, c.typed);
        press(c.button);
        EXPECT_EQ(db.selected, c.shows);
        EXPECT_EQ(view.texts[ctl::TYPED_ID], c.refused ? c.typed : std::to_string(c.shows));
        EXPECT_EQ(view.texts[ctl::SHOWN_ID], "Oyuncu id:" + std::to_string(c.shows));
        const PlayerRecord p = samplePlayer(c.shows);
        EXPECT_EQ(shownName(), cp1254::toUtf8(p.name));
        EXPECT_EQ(view.texts[ctl::BIRTHPLACE], "İğdır");
        EXPECT_EQ(view.texts[ctl::LANGUAGE], "Türkçe");
        EXPECT_EQ(view.texts[ctl::YEAR], std::to_string(p.birth_year));
        EXPECT_EQ(view.texts[ctl::DAY], std::to_string(p.birth_day));
        ASSERT_EQ(view.shown.size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(view.shown[0].style, MessageStyle::NOTE_WARNING);
        }
    }
}

TEST_F(Editor, ModifyOverwritesIdentityAndClearsTheSelection) {
    fill(3);
    press(ctl::MODIFY);
    EXPECT_EQ(view.last(), "Lutfen ilk once oyuncu secin!");
    select(1);
    const std::string longName(49, 'x');
    type(ctl::NAME, longName);
    type(ctl::COUNTRY, "Güney Kore");
    type(ctl::YEAR, "1980abc");
    view.shown.clear();
    press(ctl::MODIFY);
    EXPECT_TRUE(view.shown.empty());
    EXPECT_EQ(db.selected, -1);
    const PlayerRecord& r = *db.record(1);
    EXPECT_EQ(std::string(r.name), longName.substr(0, 48));
    EXPECT_STREQ(r.country, "Güney Kore"_w);
    EXPECT_EQ(r.birth_year, 1980);
    EXPECT_EQ(r.id, 1);
    const PlayerRecord old = samplePlayer(1);
    EXPECT_EQ(std::memcmp(&r.technical, &old.technical, 424 - 268), 0);
    EXPECT_EQ(shownName(), longName); // the fields keep their text
    press(ctl::MODIFY);
    EXPECT_EQ(view.last(), "Lutfen ilk once oyuncu secin!");
    EXPECT_EQ(view.shown.back().style, MessageStyle::NOTE_DONE);
}

TEST_F(Editor, ClearEmptiesTheFieldsButKeepsTheTypedId) {
    fill(3);
    select(2);
    press(ctl::CLEAR);
    EXPECT_EQ(db.selected, -1);
    EXPECT_EQ(view.texts[ctl::SHOWN_ID], "Oyuncu id: -");
    EXPECT_EQ(view.texts[ctl::TYPED_ID], "2");
    for (int id : {ctl::NAME, ctl::SURNAME, ctl::BIRTHPLACE, ctl::LANGUAGE, ctl::COUNTRY,
                   ctl::MONTH, ctl::DAY, ctl::YEAR})
        EXPECT_EQ(view.texts[id], "") << id;
}

TEST_F(Editor, CharactersWithoutATurkishByteAreRefusedByName) {
    fill(2);
    select(1);
    type(ctl::SURNAME, "Yılmaz中");
    view.shown.clear();
    press(ctl::MODIFY);
    ASSERT_EQ(view.shown.size(), 1u);
    EXPECT_EQ(view.last(),
              "Oyuncu Soyadi alanindaki \"中\" karakteri Turkce kod sayfasinda yok!\nIslem "
              "yapilmadi.");
    EXPECT_STREQ(db.record(1)->surname, samplePlayer(1).surname);
    EXPECT_EQ(db.selected, 1);
    press(ctl::ADD); // refused before the question
    EXPECT_EQ(db.playerCount(), 2);
    type(ctl::QUERY_NAME, "€ü😀");
    press(ctl::SEARCH);
    EXPECT_NE(view.last().find("\"😀\""), std::string::npos);
    EXPECT_EQ(view.texts[ctl::FOUND], "Bulunan 0");
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
    EXPECT_EQ(view.texts[ctl::SHOWN_ID], "Oyuncu id:0");
    EXPECT_EQ(view.last(), "Eklendi!");
    press(ctl::ADD);
    EXPECT_EQ(view.texts[ctl::SHOWN_ID], "Oyuncu id:1");
    ASSERT_EQ(db.playerCount(), 2);
    const PlayerRecord fresh = newPlayerRecord();
    for (int32_t i = 0; i < 2; ++i) {
        const PlayerRecord& r = *db.record(i);
        EXPECT_EQ(r.id, i);
        EXPECT_STREQ(r.name, "Ümit"_w);
        EXPECT_EQ(r.birth_day, 30);
        EXPECT_EQ(r.birth_year, 0); // the year was left empty
        EXPECT_STREQ(r.language, "Türkçe"_w);
        EXPECT_EQ(std::memcmp(&r.technical, &fresh.technical, 424 - 268), 0);
    }
    select(1);
    const std::string ones12 = "1 1 1 1 1 1 1 1 1 1 1 1";
    EXPECT_EQ(opened(AttributeKind::TECHNICAL), ones12);
    EXPECT_EQ(opened(AttributeKind::PHYSICAL), "1 1 1 1 1 1 1 1 1");
    EXPECT_EQ(opened(AttributeKind::MENTAL), ones12);
    EXPECT_EQ(opened(AttributeKind::DETAIL), "1 0 0 0 0 0");
}

TEST_F(Editor, AddAtCapacityIsRefused) {
    const PlayerRecord p = samplePlayer(0);
    while (db.playerCount() < kPlayerCapacity)
        ASSERT_TRUE(db.append(p));
    press(ctl::ADD); // no question is asked
    EXPECT_EQ(db.playerCount(), kPlayerCapacity);
    EXPECT_EQ(view.shown.back().style, MessageStyle::NOTE_WARNING);
    EXPECT_EQ(view.last(), "Database dolu: en fazla 100000 oyuncu olabilir!\nEklenemedi!");
}

TEST_F(Editor, SearchMatchesBytePrefixesCaseSensitively) {
    const char* names[][2] = {{"Şükrü", "Öz"},
                              {"ŞÜKRÜ", "Öz"},
                              {"Şu", "Öz"},
                              {"Ş", "Öz"},
                              {"şükrü", "Öz"},
                              {"Şükrü", "Al"},
                              {"Ali", "Özen"},
                              // Beyond the eight bytes compared in one step.
                              {"Abdurrahman", "Kaya"},
                              {"Abdurrahim", "Kaya"}};
    for (auto& n : names) {
        PlayerRecord r{};
        std::string name, surname;
        ASSERT_TRUE(cp1254::fromUtf8(n[0], name));
        ASSERT_TRUE(cp1254::fromUtf8(n[1], surname));
        std::strcpy(r.name, name.c_str());
        std::strcpy(r.surname, surname.c_str());
        ASSERT_TRUE(db.append(r));
    }
    const struct {
        const char *name, *surname, *ids;
    } cases[] = {
        {"Şü", "", "0 5"},        {"Ş", "Öz", "0 1 2 3"},
        {"Şükrü", "Öz", "0"},     {"Şükrüx", "", ""},
        {"", "Öze", "6"},         {"ş", "", "4"},
        {"A", "Al", ""},          {"Abdurrah", "Kaya", "7 8"},
        {"Abdurrahm", "", "7"},   {"Abdurrahim", "K", "8"},
        {"Abdurrahmanx", "", ""}, {"", "", "0 1 2 3 4 5 6 7 8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "/" + c.surname);
        type(ctl::QUERY_NAME, c.name);
        type(ctl::QUERY_SURNAME, c.surname);
        press(ctl::SEARCH);
        std::string ids;
        for (int32_t row = 0; row < view.rows; ++row)
            ids += (row ? " " : "") + cmd.rowText(row, 2);
        EXPECT_EQ(ids, c.ids);
        EXPECT_EQ(view.texts[ctl::FOUND], "Bulunan Oyuncu : " + std::to_string(view.rows));
    }
    EXPECT_EQ(cmd.rowText(1, 0), "ŞÜKRÜ");
    EXPECT_EQ(cmd.rowText(6, 1), "Özen");
}

TEST_F(Editor, DoubleClickSelectsTheListedPlayer) {
    fill(10);
    press(ctl::SEARCH);
    view.selectedRow = -1;
    cmd.listActivated(); // no row selected: nothing
    EXPECT_TRUE(view.shown.empty());
    view.selectedRow = 7;
    cmd.listActivated();
    EXPECT_EQ(db.selected, 7);
    EXPECT_EQ(view.texts[ctl::SHOWN_ID], "Oyuncu id:7");
    EXPECT_EQ(shownName(), cp1254::toUtf8(samplePlayer(7).name));
    EXPECT_EQ(view.last(), "Oyuncu Secim olarak yuklendi!\nistediginiz baska bir oyuncuyu gene "
                           "listeden secebilirsiniz.\nArama yapabilirsiniz!");

    // A row left from a larger file selects nothing once a smaller one is loaded.
    writeWholeFile("three.odt", playerFileBytes(3));
    ASSERT_TRUE(cmd.loadFile("three.odt", false));
    cmd.listActivated();
    EXPECT_EQ(db.selected, -1);
    EXPECT_EQ(view.last(), "7 numarali oyuncu yok!\nOyuncu secilmedi.");
    EXPECT_EQ(cmd.rowText(7, 2), "7"); // the list still shows the old rows
}

// "Kaydet" offers the user's file in folders it makes; the game's lookup then reads it first.
TEST_F(Editor, ARenameSavedIntoTheUsersFolderIsWhatTheGameReads) {
    std::filesystem::create_directories("installed/database");
    writeWholeFile("installed/database/oyuncu.odt", playerFileBytes(3));
    ASSERT_TRUE(cmd.loadFile("installed/database/oyuncu.odt", false));
    select(1);
    type(ctl::NAME, "Özgür");
    press(ctl::MODIFY);
    cmd.proposeSaveFile("home/menajer/veri/database/oyuncu.odt");
    view.files = {kTakeOffered};
    view.answers = {true};
    press(ctl::SAVE);
    EXPECT_EQ(view.offered.back(), "home/menajer/veri/database/oyuncu.odt");
    EXPECT_EQ(view.last(), "Kayit yapildi!");

    dataFolder() = "installed";
    userDataFolder() = "home/menajer/veri";
    PlayerDatabase game;
    const std::string path = hostPath(kPlayerFileName);
    dataFolder() = "veri";
    userDataFolder().clear();
    EXPECT_EQ(path, "home/menajer/veri/database/oyuncu.odt");
    ASSERT_TRUE(game.read(path.c_str()));
    EXPECT_STREQ(game.record(1)->name, "Özgür"_w);
    EXPECT_STREQ(game.record(2)->name, samplePlayer(2).name);
}

TEST_F(Editor, SaveThenLoadGivesTheSameDatabase) {
    fill(10);
    view.files = {"saved"};
    view.answers = {true};
    press(ctl::SAVE);
    EXPECT_EQ(view.shown[0].text,
              "Su anda saved.odt dosyayi kaydetmek istiyor musunuz?\n Dikkatli olun ve bol bol "
              "yedek alin.");
    EXPECT_EQ(view.last(), "Kayit yapildi!");
    EXPECT_EQ(view.fileDialogs.back(), FileDialogKind::SAVE);

    // A search before the load keeps its rows; the load clears fields and selection.
    press(ctl::SEARCH);
    PlayerRecord extra{};
    ASSERT_TRUE(db.append(extra));
    select(4);
    view.files = {"saved.odt"};
    view.answers = {true};
    press(ctl::LOAD);
    EXPECT_EQ(view.shown[view.shown.size() - 2].text,
              "Su anda saved.odt dosyayi yuklemek istiyor musunuz?");
    EXPECT_EQ(view.last(), "Yukleme Tamamlandi!");
    EXPECT_EQ(db.playerCount(), 10);
    EXPECT_EQ(db.selected, -1);
    EXPECT_EQ(view.texts[ctl::TOTAL], "Toplam Oyuncu :10");
    EXPECT_EQ(view.texts[ctl::SHOWN_ID], "Oyuncu id: -");
    EXPECT_EQ(shownName(), "");
    EXPECT_EQ(view.texts[ctl::FOUND], "Bulunan Oyuncu : 10");
    for (int32_t i = 0; i < 10; ++i) {
        const PlayerRecord expected = samplePlayer(i);
        EXPECT_EQ(std::memcmp(db.record(i), &expected, sizeof expected), 0) << i;
    }
}

TEST_F(Editor, RefusedLoadsKeepTheDatabase) {
    writeWholeFile("team.odt", teamFileBytes(3));
    writeWholeFile("many.odt", patched(playerFileBytes(1), 4, kPlayerCapacity + 1));
    writeWholeFile("short.odt", playerFileBytes(2).substr(0, 591)); // cut in the second player
    const struct {
        const char* file;
        std::string message;
    } cases[] = {
        {"team.odt", kWrongFile},
        {"many.odt", kWrongFile},
        {"short.odt", kWrongFile},
        {"missing.odt", "Dosya acilamadi!\nNo such file or directory\nYukleme Yapilmadi!.."}};
    fill(4);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        select(2);
        view.files = {c.file};
        view.answers = {true};
        press(ctl::LOAD);
        EXPECT_EQ(view.last(), c.message);
        EXPECT_EQ(view.shown.back().style, MessageStyle::NOTE_WARNING);
        EXPECT_EQ(db.selected, -1);
        ASSERT_EQ(db.playerCount(), 4);
        const PlayerRecord expected = samplePlayer(3);
        EXPECT_EQ(std::memcmp(db.record(3), &expected, sizeof expected), 0);
    }
}

TEST_F(Editor, CancelledOrDeclinedFileCommandsTouchNothing) {
    fill(2);
    writeWholeFile("kept.odt", "old");
    press(ctl::SAVE); // file dialog cancelled
    press(ctl::LOAD);
    EXPECT_TRUE(view.shown.empty());
    view.files = {"kept.odt", "kept.odt"};
    view.answers = {false, false};
    press(ctl::SAVE);
    EXPECT_EQ(view.last(), "Kayit yapilmadi!");
    press(ctl::LOAD);
    EXPECT_EQ(view.last(), "Yukleme yapilmadi!\n\n\n\n\n\nDikkatli ol bol bol yedek al DATA yi "
                           "kaybedersen emekler bosa gider.");
    EXPECT_EQ(readWholeFile("kept.odt"), "old");
    EXPECT_EQ(db.playerCount(), 2);
    // The installed data set is refused before any question, however the path reaches it.
    std::filesystem::create_directories("installed/veri");
    writeWholeFile("installed/veri/players.odt", "old");
    cmd.protectFolder("installed");
    view.files = {"other/../installed/veri/players"};
    view.shown.clear();
    press(ctl::SAVE);
    ASSERT_EQ(view.shown.size(), 1u);
    EXPECT_EQ(view.last(), "Kurulu oyunun dosyalarina kayit yapilamaz:\n"
                           "other/../installed/veri/players.odt\nKayit yapilmadi! Baska bir "
                           "klasore kaydedin.");
    EXPECT_EQ(readWholeFile("installed/veri/players.odt"), "old");
}

namespace {

enum Step { CREATE, OPEN_STREAM, WRITE, FLUSH, SYNC, CLOSE, RENAME };

// The system's calls, but the chosen step fails as a full disk would; a write fails midway,
// after the header went through.
struct FailingOps : FileOps {
    Step failing;
    int writes = 0;
    explicit FailingOps(Step s) : failing(s) {}
    int fail() {
        errno = ENOSPC;
        return -1;
    }
    int createTemporary(char* p) override {
        return failing == CREATE ? fail() : FileOps::createTemporary(p);
    }
    std::FILE* openStream(int fd) override {
        return failing == OPEN_STREAM ? (fail(), nullptr) : FileOps::openStream(fd);
    }
    std::size_t write(const void* d, std::size_t n, std::FILE* f) override {
        return failing == WRITE && ++writes == 2 ? (fail(), 0) : FileOps::write(d, n, f);
    }
    int flush(std::FILE* f) override { return failing == FLUSH ? fail() : FileOps::flush(f); }
    int sync(std::FILE* f) override { return failing == SYNC ? fail() : FileOps::sync(f); }
    int close(std::FILE* f) override {
        const int r = FileOps::close(f);
        return failing == CLOSE ? fail() : r;
    }
    int rename(const char* a, const char* b) override {
        return failing == RENAME ? fail() : FileOps::rename(a, b);
    }
};

} // namespace

TEST_F(Editor, AFailedSaveLeavesTheOldFileAndReportsNoSuccess) {
    fill(3);
    const std::string old = playerFileBytes(1);
    for (Step step : {CREATE, OPEN_STREAM, WRITE, FLUSH, SYNC, CLOSE, RENAME}) {
        SCOPED_TRACE(step);
        std::filesystem::remove_all("failing");
        std::filesystem::create_directory("failing");
        writeWholeFile("failing/players.odt", old);
        FailingOps ops(step);
        cmd.useFileOps(ops);
        view.shown.clear();
        view.files = {"failing/players.odt"};
        view.answers = {true};
        press(ctl::SAVE);
        EXPECT_EQ(view.last(), "Kayit yapilamadi!\nNo space left on device\nEski dosya oldugu "
                               "gibi duruyor.");
        EXPECT_EQ(view.shown.back().style, MessageStyle::NOTE_WARNING);
        for (const auto& shown : view.shown)
            EXPECT_NE(shown.text, "Kayit yapildi!");
        EXPECT_TRUE(readWholeFile("failing/players.odt") == old);
        int files = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("failing"))
            ++files;
        EXPECT_EQ(files, 1); // no temporary left behind
    }
}

TEST_F(Editor, AttributesNeedASelectedPlayer) {
    const char* which[] = {"teknik", "Fiziksel", "Zihinsel", "Oyuncu"};
    const AttributeKind kinds[] = {AttributeKind::TECHNICAL, AttributeKind::PHYSICAL,
                                   AttributeKind::MENTAL, AttributeKind::DETAIL};
    for (int k = 0; k < kAttributeKinds; ++k) {
        view.shown.clear();
        press(attributeLayout(kinds[k]).opener);
        EXPECT_TRUE(view.dialogsRun.empty());
        EXPECT_EQ(view.last(), std::string("Lutfen ilk once oyuncu sec tusuna basin.\nDaha dogrusu "
                                           "SEC tusu.\nDaha sonra secili oyuncu ") +
                                   which[k] + " ozelligi acilacaktir.");
        EXPECT_EQ(view.shown.back().style, MessageStyle::NOTE_WARNING);
    }
}

TEST_F(Editor, AttributeSaveWritesOnlyTheDialogsOwnBlock) {
    fill(4);
    select(2);
    PlayerRecord before = *db.record(2);
    ScriptedDialog dialog;
    AttributeForm technical(db, AttributeKind::TECHNICAL);
    technical.open(dialog);
    dialog.texts[1055] = "15"; // "Uzun Sut:"
    technical.save(dialog);
    before.technical.long_shots = 15;
    EXPECT_EQ(std::memcmp(db.record(2), &before, sizeof before), 0);
    EXPECT_EQ(get32(db.record(2), 308), 15);
    EXPECT_TRUE(dialog.shown.empty()); // no message; the dialog stays open

    AttributeForm detail(db, AttributeKind::DETAIL);
    detail.open(dialog);
    dialog.texts[1058] = "7";           // counts above 5 are the user's to decide
    dialog.texts[1062] = "99999999999"; // beyond int32: stops at the limit
    dialog.texts[1057] = "x";           // no digits: 0
    detail.save(dialog);
    const PositionBlock& p = db.record(2)->position;
    EXPECT_EQ(p.position_count, 7);
    EXPECT_EQ(p.positions[0], 0);
    EXPECT_EQ(p.positions[4], INT32_MAX);
    EXPECT_EQ(std::memcmp(&db.record(2)->technical, &before.technical, 400 - 268), 0);
}

TEST_F(Editor, ClosingAnAttributeDialogWithoutSavingLosesTheChange) {
    fill(4);
    select(1);
    const std::string first = opened(AttributeKind::MENTAL);
    view.inDialog = [](AttributeForm& form, ScriptedDialog& dialog) {
        dialog.texts[1055] = "20";
        dialog.answers = {false, true};
        EXPECT_FALSE(form.close(dialog));
        EXPECT_TRUE(form.close(dialog));
        EXPECT_EQ(dialog.last(), "Kayit yaptiginizdan emin misiniz?\nPencere kapatilacak!!!!!.");
        EXPECT_EQ(dialog.shown.back().style, MessageStyle::ASK_WARNING);
    };
    cmd.openAttributes(AttributeKind::MENTAL);
    EXPECT_EQ(opened(AttributeKind::MENTAL), first);
    EXPECT_EQ(db.selected, 1);
}

TEST_F(Editor, LeaguesAndExitAsk) {
    view.answers = {false, true, false, true};
    press(ctl::LEAGUES);
    EXPECT_EQ(view.leagueRuns, 0);
    EXPECT_EQ(view.shown.back().style, MessageStyle::ASK_WARNING);
    press(ctl::LEAGUES);
    EXPECT_EQ(view.leagueRuns, 1);
    EXPECT_FALSE(cmd.exit());
    EXPECT_TRUE(cmd.exit());
    EXPECT_EQ(view.last(), "Cikmak istiyor musunuz?");
}
