// The in-memory player database, indexed by player id. The game's form holds exactly the
// file's records; the editor's form (after init) always has room for PLAYER_CAPACITY.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "database/database_file.h"
#include "database/player_record.h"

class FileOps;

struct PlayerRecord;

// Unmaps the anonymous mapping a record array lives in.
struct MappingDeleter {
    void* base = nullptr;
    std::size_t length = 0;
    void operator()(PlayerRecord*) const;
};

class PlayerDatabase : public DatabaseFile {
public:
    PlayerDatabase() = default;
    PlayerDatabase(const PlayerDatabase&) = delete;
    PlayerDatabase& operator=(const PlayerDatabase&) = delete;
    virtual ~PlayerDatabase() = default;

    // A read (DatabaseFile) refused leaves the editor's form exactly as it was and the game's
    // form empty.
    // Every text is written terminated and cut to 48 characters.
    bool write(const char* path) const;
    bool write(const char* path, FileOps& ops) const;

    // Turns this into the editor's form: empty, nothing selected, a fresh array of
    // PLAYER_CAPACITY records. False (and nothing changed) when memory runs out.
    bool init();
    // Adds a player at index count with id count: the template's texts and birth date, every
    // other field at its starting value (newPlayerRecord). False when full.
    bool append(const PlayerRecord& player);
    // Overwrites the selected record's texts and birth date; false when nothing is selected.
    bool modifySelected(const PlayerRecord& player);

    int32_t playerCount() const { return count; }
    // The selected record's id, else the last record's; -1 when there is neither.
    int32_t currentId() const;

    int32_t version() const { return fileVersion; }
    int32_t capacity() const { return roomFor; }
    bool editorForm() const { return roomFor != 0; }
    // Null outside 0 to count - 1, so squad ids from a team file can be looked up unchecked.
    PlayerRecord* record(int32_t index);
    const PlayerRecord* record(int32_t index) const;

    int32_t selected = -1; // editor: index of the selected record, -1 for none

private:
    void emptyForRead() override; // the game's form only
    const char* missingText() const override;
    bool load(ByteSource& source, LoadReport* report) override;

    int32_t fileVersion = PLAYER_FILE_VERSION;
    int32_t count = 0;
    int32_t roomFor = 0;
    std::unique_ptr<PlayerRecord[], MappingDeleter> records;
};
