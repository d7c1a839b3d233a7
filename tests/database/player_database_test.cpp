#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

#include "database/player_database.h"
#include "database_helpers.h"

namespace {

bool sameRecords(const PlayerDatabase& a, const PlayerDatabase& b) {
    if (a.playerCount() != b.playerCount()) return false;
    for (int32_t i = 0; i < a.playerCount(); ++i)
        if (std::memcmp(a.record(i), b.record(i), sizeof(PlayerRecord)) != 0) return false;
    return true;
}

} // namespace

TEST(PlayerDatabase, WritesHeaderAndEntriesAndReadsThemBack) {
    for (int32_t n : {0, 1, 3, 2100}) { // 2100: two runs of 1024 entries and a part run
        SCOPED_TRACE(n);
        PlayerDatabase editor;
        ASSERT_TRUE(fillEditor(editor, n));
        ASSERT_TRUE(editor.write("players.odt"));
        const std::string bytes = readWholeFile("players.odt");
        EXPECT_EQ(bytes, playerFileBytes(n));

        PlayerDatabase game;
        LoadReport report;
        ASSERT_TRUE(game.read("players.odt", &report));
        EXPECT_TRUE(report.message == nullptr && !game.editorForm());
        EXPECT_TRUE(sameRecords(game, editor));
    }
}

// Where the copies sit is the round trip's check above.
TEST(PlayerDatabase, TrailingCopiesWinOverTheRecordsOwn) {
    // A word of each block, first and last, and where its copy sits in the 580-byte entry.
    const std::pair<std::size_t, std::size_t> words[] = {{268, 424}, {312, 468}, {316, 472},
                                                         {348, 504}, {352, 508}, {396, 552},
                                                         {400, 556}, {420, 576}};
    const std::string file = playerFileBytes(2);
    for (const auto& [field, copy] : words) {
        SCOPED_TRACE(field);
        const std::string changed = patched(file, 12 + 580 + copy, 77);
        PlayerDatabase back;
        ASSERT_TRUE(back.readMemory(changed.data(), changed.size()));
        EXPECT_EQ(get32(back.record(1), field), 77);
        const PlayerRecord first = samplePlayer(0);
        EXPECT_EQ(std::memcmp(back.record(0), &first, sizeof first), 0);
    }
}

TEST(PlayerDatabase, IgnoresMeaninglessBytesAndKeepsTextsInTheirFields) {
    std::string bytes = playerFileBytes(1);
    put32(bytes, 8, int32_t(0xDEADBEEF));
    std::memset(&bytes[12 + 4], 'A', 50); // a name without its terminator
    PlayerDatabase db;
    ASSERT_TRUE(db.readMemory(bytes.data(), bytes.size()));
    EXPECT_EQ(std::string(db.record(0)->name), std::string(49, 'A'));
    EXPECT_STREQ(db.record(0)->surname, "Öztürk"_w);
    // Saved again, the 49 characters read are cut to the 48 a text may have.
    ASSERT_TRUE(db.write("cut.odt"));
    EXPECT_EQ(readWholeFile("cut.odt").substr(12 + 4, 49), std::string(48, 'A') + '\0');
}

TEST(PlayerDatabase, RefusalsLeaveTheEditorAsItWasAndTheGameEmpty) {
    const std::string good = playerFileBytes(2);
    const struct {
        std::string bytes;
        LoadStatus status;
        int64_t offset;
        const char* message;
    } cases[] = {
        {teamFileBytes(2), LOAD_BAD_VERSION, 0, WRONG_VERSION},
        {good.substr(0, 11), LOAD_BAD_VERSION, 0, WRONG_VERSION},
        {patched(good, 4, -1), LOAD_BAD_COUNT, 4, BAD_COUNT},
        {patched(good, 4, 100001), LOAD_BAD_COUNT, 4, BAD_COUNT},
        {good.substr(0, good.size() - 1), LOAD_SHORT_FILE, int64_t(good.size() - 1), SHORT_FILE},
    };
    PlayerDatabase before;
    ASSERT_TRUE(fillEditor(before, 3));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        PlayerDatabase editor;
        ASSERT_TRUE(fillEditor(editor, 3));
        editor.selected = 1;
        PlayerRecord* array = editor.record(0);
        LoadReport report;
        EXPECT_FALSE(editor.readMemory(c.bytes.data(), c.bytes.size(), &report));
        EXPECT_EQ(std::tuple(report.status, report.offset, std::string(report.message)),
                  std::tuple(c.status, c.offset, std::string(c.message)));
        EXPECT_TRUE(sameRecords(editor, before));
        EXPECT_EQ(std::pair(editor.record(0), editor.selected), std::pair(array, 1));

        PlayerDatabase game;
        ASSERT_TRUE(game.readMemory(good.data(), good.size()));
        EXPECT_FALSE(game.readMemory(c.bytes.data(), c.bytes.size()));
        EXPECT_EQ(std::pair(game.playerCount(), game.record(0)),
                  std::pair(0, (PlayerRecord*)nullptr));
    }

    LoadReport report;
    PlayerDatabase game;
    EXPECT_FALSE(game.read("no such file.odt", &report));
    EXPECT_EQ(std::pair(report.status, std::string(report.message)),
              std::pair(LOAD_NOT_FOUND, std::string("DATABASE bulunamadi!!!!!!!!!!!!!!!!")));
    PlayerDatabase editor;
    ASSERT_TRUE(fillEditor(editor, 3));
    EXPECT_FALSE(editor.read(".", &report)); // a folder opens but is no file
    EXPECT_EQ(report.status, LOAD_NOT_FOUND);
    EXPECT_TRUE(sameRecords(editor, before));
}

// What the editor's commands rest on; the commands themselves are tested with the editor.
TEST(PlayerDatabase, AppendAndModifyBounds) {
    PlayerRecord t = samplePlayer(3);
    std::memset(t.surname, 'C', 50); // over-long, unterminated text from a control
    PlayerDatabase game;
    EXPECT_FALSE(game.append(t)); // only the editor's form grows
    PlayerDatabase db;
    ASSERT_TRUE(db.init());
    EXPECT_FALSE(db.modifySelected(t));
    ASSERT_TRUE(db.append(t));
    EXPECT_EQ(std::string(db.record(0)->surname), std::string(48, 'C'));
    db.selected = db.playerCount(); // one past the last
    EXPECT_FALSE(db.modifySelected(t));
    while (db.playerCount() < PLAYER_CAPACITY)
        ASSERT_TRUE(db.append(t));
    EXPECT_FALSE(db.append(t));
}

// A save that fails on any call is the editor's failing-disk test.
TEST(PlayerDatabase, SavingKeepsALinkAndItsTargetsMode) {
    PlayerDatabase db;
    ASSERT_TRUE(fillEditor(db, 2));
    ASSERT_TRUE(db.write("kept.odt"));
    ASSERT_EQ(chmod("kept.odt", 0640), 0);
    unlink("link.odt");
    ASSERT_EQ(symlink("kept.odt", "link.odt"), 0);
    ASSERT_TRUE(fillEditor(db, 3));
    ASSERT_TRUE(db.write("link.odt"));
    struct stat st;
    ASSERT_EQ(lstat("link.odt", &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(stat("kept.odt", &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}
