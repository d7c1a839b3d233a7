// Player files in both forms: the game's (exactly the file's records) and the editor's (room
// for every player), where a refused file must leave the database as it was.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "database/player_database.h"

namespace {

constexpr int32_t KEPT_PLAYERS = 3;

// The editor's database before each input: three players, the second selected.
PlayerDatabase& editorDatabase() {
    static PlayerDatabase db;
    if (!db.editorForm()) {
        if (!db.init()) std::abort();
        PlayerRecord r{};
        for (int32_t i = 0; i < KEPT_PLAYERS; ++i) {
            std::snprintf(r.name, sizeof r.name, "Oyuncu%d", i);
            db.append(r);
        }
        db.selected = 1;
    }
    return db;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PlayerDatabase game;
    LoadReport report;
    if (game.readMemory(data, size, &report)) {
        // Every accepted record can be looked up and its texts end inside their fields.
        for (int32_t i = 0; i < game.playerCount(); ++i)
            if (std::strlen(game.record(i)->name) >= PLAYER_TEXT_SIZE) std::abort();
    } else if (!report.message || game.playerCount() != 0) {
        std::abort();
    }

    // An accepted file takes the same path in the editor's form; a refused one must not touch
    // what the editor holds.
    if (report.status == LOAD_OK) return 0;
    PlayerDatabase& editor = editorDatabase();
    PlayerRecord before[KEPT_PLAYERS];
    for (int32_t i = 0; i < KEPT_PLAYERS; ++i)
        before[i] = *editor.record(i);
    if (editor.readMemory(data, size, &report) || editor.playerCount() != KEPT_PLAYERS ||
        editor.selected != 1 || std::memcmp(before, editor.record(0), sizeof before) != 0)
        std::abort();
    return 0;
}
