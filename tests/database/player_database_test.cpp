#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "database/player_database.h"
#include "database_helpers.h"
#include "text/cp1254.h"

namespace {

bool sameRecords(const PlayerDatabase& a, const PlayerDatabase& b) {
    if (a.playerCount() != b.playerCount()) return false;
    for (int32_t i = 0; i < a.playerCount(); ++i)
        if (std::memcmp(a.record(i), b.record(i), sizeof(PlayerRecord)) != 0) return false;
    return true;
}

void fillEditor(PlayerDatabase& db, int32_t n) {
    ASSERT_TRUE(db.init());
    for (int32_t i = 0; i < n; ++i)
        ASSERT_TRUE(db.append(samplePlayer(i)));
}

} // namespace

TEST(PlayerDatabase, WritesHeaderAndEntriesAndReadsThemBack) {
    for (int32_t n : {0, 1, 3}) {
        SCOPED_TRACE(n);
        PlayerDatabase editor;
        fillEditor(editor, n);
        ASSERT_TRUE(editor.write("players.odt"));
        const std::string bytes = readWholeFile("players.odt");
        ASSERT_EQ(bytes.size(), 12u + 580u * n);
        EXPECT_EQ(get32(bytes, 0), 2);
        EXPECT_EQ(get32(bytes, 4), n);
        EXPECT_EQ(bytes, playerFileBytes(n));

        PlayerDatabase game;
        LoadReport report;
        ASSERT_TRUE(game.read("players.odt", &report));
        EXPECT_EQ(report.status, LOAD_OK);
        EXPECT_EQ(report.message, nullptr);
        EXPECT_FALSE(game.editorForm());
        EXPECT_TRUE(sameRecords(game, editor));

        PlayerDatabase again;
        fillEditor(again, 5);
        again.selected = 2;
        ASSERT_TRUE(again.read("players.odt"));
        EXPECT_EQ(again.capacity(), kPlayerCapacity);
        EXPECT_EQ(again.selected, -1);
        EXPECT_TRUE(sameRecords(again, editor));
    }
}

// Pins where each block lands in the file, including the order of the trailing copies.
TEST(PlayerDatabase, FieldsLandAtTheirFileOffsets) {
    PlayerRecord r = samplePlayer(0);
    r.technical.long_shots = 1234;
    r.technical.long_throws = 2345;
    r.physical.preferred_foot = 3456;
    r.mental.flair = 4567;
    r.position.positions[4] = 5678;
    r.birth_year = 6789;
    PlayerDatabase db;
    ASSERT_TRUE(db.init());
    ASSERT_TRUE(db.append(r));
    ASSERT_TRUE(db.write("offsets.odt"));
    const std::string f = readWholeFile("offsets.odt");
    const struct {
        std::size_t recordOffset;
        int32_t value;
    } fields[] = {{264, 6789}, {308, 1234}, {312, 2345}, {348, 3456}, {396, 4567}, {420, 5678}};
    for (const auto& field : fields) {
        EXPECT_EQ(get32(f, 12 + field.recordOffset), field.value) << field.recordOffset;
    }
    // Trailing copies: technical at 424, physical at 472, mental at 508, positions at 556.
    EXPECT_EQ(get32(f, 12 + 424 + 40), 1234);
    EXPECT_EQ(get32(f, 12 + 472 + 32), 3456);
    EXPECT_EQ(get32(f, 12 + 508 + 44), 4567);
    EXPECT_EQ(get32(f, 12 + 556 + 20), 5678);
    EXPECT_EQ(std::string(f.data() + 12 + 4), "Şükrü0"_w);
}

TEST(PlayerDatabase, TrailingCopiesWinOverTheRecordsOwn) {
    // One changed word in each trailing copy: the reader must take it, not the record's.
    const struct {
        std::size_t copyOffset;
        std::size_t recordOffset;
    } cases[] = {{424, 268}, {424 + 44, 268 + 44}, {472 + 32, 348},
                 {508, 352}, {556, 400},           {556 + 20, 420}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.copyOffset);
        std::string bytes = playerFileBytes(2);
        put32(bytes, 12 + 580 + c.copyOffset, 77);
        PlayerDatabase db;
        ASSERT_TRUE(db.readMemory(bytes.data(), bytes.size()));
        int32_t got = 0;
        std::memcpy(&got, reinterpret_cast<const char*>(db.record(1)) + c.recordOffset, 4);
        EXPECT_EQ(got, 77);
        EXPECT_EQ(std::memcmp(db.record(0), &playerFileBytes(1)[12], 424), 0);
    }
}

TEST(PlayerDatabase, IgnoresReservedWordPaddingAndBytesAfterTerminators) {
    std::string bytes = playerFileBytes(1);
    put32(bytes, 8, int32_t(0xDEADBEEF));
    bytes[12 + 254] = '\xFF';
    bytes[12 + 255] = '\x7F';
    std::memcpy(&bytes[12 + 54], "Kaya\0xyz", 8);
    PlayerDatabase db;
    ASSERT_TRUE(db.readMemory(bytes.data(), bytes.size()));
    EXPECT_STREQ(db.record(0)->surname, "Kaya");
    EXPECT_STREQ(db.record(0)->name, "Şükrü0"_w);
    EXPECT_EQ(db.record(0)->birth_day, 1);
}

TEST(PlayerDatabase, TextsAreKeptInsideTheirFields) {
    // A name that fills its field without a terminator stays within the field.
    std::string bytes = playerFileBytes(1);
    std::memset(&bytes[12 + 4], 'A', 50);
    PlayerDatabase db;
    ASSERT_TRUE(db.readMemory(bytes.data(), bytes.size()));
    EXPECT_EQ(std::strlen(db.record(0)->name), 49u);
    EXPECT_STREQ(db.record(0)->surname, "Öztürk0"_w);

    // A 48-character name fits with its terminator; longer ones are cut to 48 on append.
    PlayerDatabase editor;
    ASSERT_TRUE(editor.init());
    PlayerRecord r = samplePlayer(0);
    std::memset(r.name, 'B', 48);
    r.name[48] = '\0';
    std::memset(r.surname, 'C', 50);
    ASSERT_TRUE(editor.append(r));
    EXPECT_EQ(std::string(editor.record(0)->name), std::string(48, 'B'));
    EXPECT_EQ(std::string(editor.record(0)->surname), std::string(48, 'C'));
    ASSERT_TRUE(editor.write("long.odt"));
    PlayerDatabase back;
    ASSERT_TRUE(back.read("long.odt"));
    EXPECT_EQ(std::string(back.record(0)->name), std::string(48, 'B'));
}

TEST(PlayerDatabase, RefusalsLeaveTheEditorAsItWasAndTheGameEmpty) {
    const std::string good = playerFileBytes(2);
    auto with = [&](std::size_t offset, int32_t v) {
        std::string b = good;
        put32(b, offset, v);
        return b;
    };
    std::string teamLike = with(0, 1);
    const struct {
        const char* what;
        std::string bytes;
        LoadStatus status;
        int64_t offset;
        const char* message;
    } cases[] = {
        {"team file", teamLike, LOAD_BAD_VERSION, 0,
         "Database dosya versionu tutmuyor oyun bunu okuyamaz!!!"},
        {"shorter than header", good.substr(0, 11), LOAD_BAD_VERSION, 0,
         "Database dosya versionu tutmuyor oyun bunu okuyamaz!!!"},
        {"empty", "", LOAD_BAD_VERSION, 0,
         "Database dosya versionu tutmuyor oyun bunu okuyamaz!!!"},
        {"negative count", with(4, -1), LOAD_BAD_COUNT, 4,
         "Database kayit sayisi tutmuyor oyun bunu okuyamaz!!!"},
        {"count above capacity", with(4, 100001), LOAD_BAD_COUNT, 4,
         "Database kayit sayisi tutmuyor oyun bunu okuyamaz!!!"},
        {"one byte short", good.substr(0, good.size() - 1), LOAD_SHORT_FILE,
         int64_t(good.size() - 1), "Database dosyasi eksik oyun bunu okuyamaz!!!"},
        {"count one too many", with(4, 3), LOAD_SHORT_FILE, int64_t(good.size()),
         "Database dosyasi eksik oyun bunu okuyamaz!!!"},
    };
    PlayerDatabase before;
    fillEditor(before, 3);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PlayerDatabase editor;
        fillEditor(editor, 3);
        editor.selected = 1;
        const PlayerRecord* array = editor.record(0);
        LoadReport report;
        EXPECT_FALSE(editor.readMemory(c.bytes.data(), c.bytes.size(), &report));
        EXPECT_EQ(report.status, c.status);
        EXPECT_EQ(report.offset, c.offset);
        ASSERT_NE(report.message, nullptr);
        EXPECT_STREQ(report.message, c.message);
        EXPECT_TRUE(sameRecords(editor, before));
        EXPECT_EQ(editor.record(0), array);
        EXPECT_EQ(editor.selected, 1);
        EXPECT_EQ(editor.capacity(), kPlayerCapacity);

        PlayerDatabase game;
        ASSERT_TRUE(game.readMemory(good.data(), good.size()));
        EXPECT_FALSE(game.readMemory(c.bytes.data(), c.bytes.size()));
        EXPECT_EQ(game.playerCount(), 0);
        EXPECT_EQ(game.record(0), nullptr);
    }

    LoadReport report;
    PlayerDatabase game;
    EXPECT_FALSE(game.read("no such file.odt", &report));
    EXPECT_EQ(report.status, LOAD_NOT_FOUND);
    EXPECT_STREQ(report.message, "DATABASE bulunamadi!!!!!!!!!!!!!!!!");
    PlayerDatabase editor;
    fillEditor(editor, 3);
    EXPECT_FALSE(editor.read(".", &report)); // a folder opens but is no file
    EXPECT_EQ(report.status, LOAD_NOT_FOUND);
    EXPECT_TRUE(sameRecords(editor, before));
}

TEST(PlayerDatabase, EveryTruncationIsRefusedCleanly) {
    const std::string good = playerFileBytes(2);
    for (std::size_t len = 0; len < good.size(); ++len) {
        PlayerDatabase db;
        ASSERT_FALSE(db.readMemory(good.data(), len)) << len;
        EXPECT_EQ(db.playerCount(), 0);
    }
    // Extra bytes after the last entry are not read.
    const std::string longer = good + "tail";
    PlayerDatabase db;
    EXPECT_TRUE(db.readMemory(longer.data(), longer.size()));
    EXPECT_EQ(db.playerCount(), 2);
}

TEST(PlayerDatabase, EditorCommands) {
    PlayerDatabase db;
    ASSERT_TRUE(db.init());
    EXPECT_EQ(db.playerCount(), 0);
    EXPECT_EQ(db.selected, -1);
    EXPECT_EQ(db.currentId(), -1);

    const PlayerRecord fresh = newPlayerRecord();
    EXPECT_EQ(fresh.technical.long_throws, 1);
    EXPECT_EQ(fresh.physical.goalkeeping, 1);
    EXPECT_EQ(fresh.physical.preferred_foot, FOOT_RIGHT);
    EXPECT_EQ(fresh.mental.flair, 1);
    EXPECT_EQ(fresh.position.position_count, 1);
    EXPECT_EQ(fresh.position.positions[4], 0);

    PlayerRecord t = samplePlayer(0);
    t.id = 99; // append assigns the id itself
    ASSERT_TRUE(db.append(t));
    ASSERT_TRUE(db.append(t));
    EXPECT_EQ(db.record(1)->id, 1);
    EXPECT_EQ(db.currentId(), 1);

    EXPECT_FALSE(db.modifySelected(samplePlayer(5)));
    db.selected = 0;
    EXPECT_EQ(db.currentId(), 0);
    PlayerRecord change = samplePlayer(7);
    std::memset(change.country, 'X', 50); // over-long text from a control
    ASSERT_TRUE(db.modifySelected(change));
    const PlayerRecord& r = *db.record(0);
    EXPECT_STREQ(r.name, change.name);
    EXPECT_EQ(std::string(r.country), std::string(48, 'X'));
    EXPECT_EQ(r.birth_year, change.birth_year);
    EXPECT_EQ(r.id, 0);
    EXPECT_EQ(std::memcmp(&r.technical, &t.technical, 424 - 268), 0); // attributes untouched

    db.selected = 5; // out of range: no record
    EXPECT_FALSE(db.modifySelected(change));

    // The game's form has no room to append into.
    PlayerDatabase game;
    EXPECT_FALSE(game.append(t));
}

TEST(PlayerDatabase, AppendStopsAtCapacity) {
    PlayerDatabase db;
    ASSERT_TRUE(db.init());
    const PlayerRecord r = newPlayerRecord();
    for (int32_t i = 0; i < kPlayerCapacity; ++i)
        ASSERT_TRUE(db.append(r));
    EXPECT_FALSE(db.append(r));
    EXPECT_EQ(db.playerCount(), kPlayerCapacity);
    EXPECT_EQ(db.currentId(), kPlayerCapacity - 1);
}

TEST(PlayerDatabase, FailedWriteKeepsTheOldFile) {
    PlayerDatabase db;
    fillEditor(db, 2);
    ASSERT_TRUE(db.write("kept.odt"));
    EXPECT_FALSE(db.write("no-such-folder/x.odt"));
    EXPECT_FALSE(db.write("kept.odt/x.odt"));
    EXPECT_EQ(readWholeFile("kept.odt"), playerFileBytes(2));
}
