#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "../database/database_helpers.h"
#include "database/file_io.h"
#include "editor/editor_commands.h"
#include "editor/editor_ids.h"
#include "scripted_view.h"

namespace {

constexpr const char* kWrongFile = "Version Bigileri Tutmuyor!!!! \nYukleme Yapilmadi!..\n";

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
    std::string shownName() { return view.texts[ctl::NAME]; }
};

std::string utf8(const char* cp1254Text) {
    return cp1254::toUtf8(cp1254Text);
}

} // namespace

TEST_F(Editor, StartsEmpty) {
    EXPECT_EQ(view.rows, 0);
    EXPECT_EQ(db.playerCount(), 0);
    EXPECT_EQ(db.selected, -1);
    EXPECT_EQ(view.choices[ctl::YEAR].size(), 79u); // 1921 to 1999
    EXPECT_TRUE(view.shown.empty());
    EXPECT_FALSE(cmd.command(ctl::CLOSE)); // leaving asks first: not a plain command
}

TEST_F(Editor, ArrowsStayInsideTheDatabase) {
    fill(10);
    const struct {
        const char* typed;
        int button;
        int32_t shows;
    } cases[] = {{"9", ctl::NEXT, 9},     {"0", ctl::PREVIOUS, 0}, {"4", ctl::NEXT, 5},
                 {"4", ctl::PREVIOUS, 3}, {"", ctl::NEXT, 1},      {"7", ctl::SELECT, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " " + std::to_string(c.button));
        type(ctl::TYPED_ID, c.typed);
        press(c.button);
        EXPECT_EQ(db.selected, c.shows);
        if (c.button != ctl::SELECT) {
            EXPECT_EQ(view.texts[ctl::TYPED_ID], std::to_string(c.shows));
        }
        EXPECT_EQ(view.texts[ctl::SHOWN_ID], "Oyuncu id:" + std::to_string(c.shows));
        const PlayerRecord p = samplePlayer(c.shows);
        EXPECT_EQ(shownName(), utf8(p.name));
        EXPECT_EQ(view.texts[ctl::BIRTHPLACE], "İğdır");
        EXPECT_EQ(view.texts[ctl::LANGUAGE], "Türkçe");
        EXPECT_EQ(view.texts[ctl::YEAR], std::to_string(p.birth_year));
        EXPECT_EQ(view.texts[ctl::DAY], std::to_string(p.birth_day));
    }
    EXPECT_TRUE(view.shown.empty());
}

TEST_F(Editor, IdsOutsideTheDatabaseSelectNothing) {
    type(ctl::TYPED_ID, "0");
    press(ctl::SELECT); // any id while the database is empty
    EXPECT_EQ(db.selected, -1);
    EXPECT_EQ(view.last(), "0 numarali oyuncu yok!\nOyuncu secilmedi.");
    fill(10);
    type(ctl::TYPED_ID, "3");
    press(ctl::SELECT);
    const struct {
        const char* typed;
        int button;
    } cases[] = {{"10", ctl::SELECT},
                 {"99999999999", ctl::SELECT},
                 {"12", ctl::NEXT},
                 {"12", ctl::PREVIOUS}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        view.shown.clear();
        type(ctl::TYPED_ID, c.typed);
        press(c.button);
        EXPECT_EQ(db.selected, 3);
        EXPECT_EQ(view.texts[ctl::TYPED_ID], c.typed);
        EXPECT_EQ(shownName(), utf8(samplePlayer(3).name));
        ASSERT_EQ(view.shown.size(), 1u);
        EXPECT_EQ(view.shown[0].style, MessageStyle::NOTE_WARNING);
    }
}

TEST_F(Editor, ModifyOverwritesIdentityAndClearsTheSelection) {
    fill(3);
    press(ctl::MODIFY);
    EXPECT_EQ(view.last(), "Lutfen ilk once oyuncu secin!");
    type(ctl::TYPED_ID, "1");
    press(ctl::SELECT);
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
    type(ctl::TYPED_ID, "2");
    press(ctl::SELECT);
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
    type(ctl::TYPED_ID, "1");
    press(ctl::SELECT);
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
        {"", "", "0 1 2 3 4 5 6 7 8"},
        {"Şü", "", "0 5"},
        {"Ş", "Öz", "0 1 2 3"},
        {"Şükrü", "Öz", "0"},
        {"Şükrüx", "", ""},
        {"", "Öze", "6"},
        {"ş", "", "4"},
        {"A", "Al", ""},
        {"Abdurrah", "Kaya", "7 8"},
        {"Abdurrahm", "", "7"},
        {"Abdurrahim", "K", "8"},
        {"Abdurrahmanx", "", ""},
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
    type(ctl::QUERY_NAME, "");
    type(ctl::QUERY_SURNAME, "");
    press(ctl::SEARCH);
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
    EXPECT_EQ(shownName(), utf8(samplePlayer(7).name));
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

    PlayerDatabase game; // the game's reader takes the editor's file
    ASSERT_TRUE(game.read("saved.odt"));
    ASSERT_EQ(game.playerCount(), 10);
    EXPECT_EQ(std::memcmp(game.record(9), db.record(9), sizeof(PlayerRecord)), 0);

    // A search before the load keeps its rows; the load clears fields and selection.
    press(ctl::SEARCH);
    PlayerRecord extra{};
    ASSERT_TRUE(db.append(extra));
    type(ctl::TYPED_ID, "4");
    press(ctl::SELECT);
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
    std::string tooMany = playerFileBytes(1);
    put32(tooMany, 4, kPlayerCapacity + 1);
    writeWholeFile("many.odt", tooMany);
    const struct {
        const char* file;
        std::string message;
    } cases[] = {
        {"team.odt", kWrongFile},
        {"many.odt", kWrongFile},
        {"missing.odt", "Dosya acilamadi!\nNo such file or directory\nYukleme Yapilmadi!.."}};
    fill(4);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        type(ctl::TYPED_ID, "2");
        press(ctl::SELECT);
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

// Player files made elsewhere: every damage is refused whole and the database stays; texts
// filling their fields come in cut inside them.
TEST_F(Editor, BrokenPlayerFilesKeepTheDatabase) {
    const std::string good = playerFileBytes(2);
    std::vector<std::string> broken = {""};
    for (size_t length : {1, 11, 12, 13, 591, 592, 1171})
        broken.push_back(good.substr(0, length));
    for (size_t length = 17; length < good.size(); length += 61)
        broken.push_back(good.substr(0, length));
    for (int32_t count : {-1, 0x7FFFFFFF, 3}) {
        broken.push_back(good);
        put32(broken.back(), 4, count);
    }
    fill(4);
    const PlayerRecord expected = samplePlayer(3);
    for (const std::string& bytes : broken) {
        SCOPED_TRACE(bytes.size());
        writeWholeFile("broken.odt", bytes);
        EXPECT_FALSE(cmd.loadFile("broken.odt", false));
        EXPECT_EQ(view.last(), kWrongFile);
        ASSERT_EQ(db.playerCount(), 4);
        EXPECT_EQ(std::memcmp(db.record(3), &expected, sizeof expected), 0);
    }

    std::string unterminated = good;
    for (size_t at = 0; at < 5 * kPlayerTextSize; ++at) // every text of player 0 full
        unterminated[kHeaderSize + 4 + at] = 'x';
    writeWholeFile("unterminated.odt", unterminated);
    ASSERT_TRUE(cmd.loadFile("unterminated.odt", false));
    type(ctl::TYPED_ID, "0");
    press(ctl::SELECT);
    EXPECT_EQ(shownName(), std::string(kPlayerTextSize - 1, 'x'));
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
