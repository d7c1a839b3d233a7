// The team file: the shared 12-byte header (version 1) and 568-byte club records, read by the
// game into a list in file order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "database/database_file.h"
#include "database/player_record.h"

constexpr std::size_t TEAM_NAME_SIZE = 160;
constexpr int32_t SQUAD_CAPACITY = 100;
constexpr int32_t TEAM_FILE_VERSION = 1;
constexpr std::size_t TEAM_RECORD_SIZE = 568;

struct TeamRecord {
    int32_t reserved; // no reader uses it
    char name[TEAM_NAME_SIZE];
    int32_t squad_size;
    int32_t squad[SQUAD_CAPACITY]; // player ids; entries from squad_size on mean nothing
};

static_assert(sizeof(TeamRecord) == TEAM_RECORD_SIZE);
static_assert(offsetof(TeamRecord, reserved) == 0);
static_assert(offsetof(TeamRecord, name) == 4);
static_assert(offsetof(TeamRecord, squad_size) == 164);
static_assert(offsetof(TeamRecord, squad) == 168);

class FileOps;

class TeamDatabase : public DatabaseFile {
public:
    TeamDatabase() = default;
    TeamDatabase(const TeamDatabase&) = delete;
    TeamDatabase& operator=(const TeamDatabase&) = delete;
    virtual ~TeamDatabase() = default;

    // A read (DatabaseFile) refused leaves the list empty; every squad_size is cut into 0 to
    // 100 and every name is terminated inside its field. Every other byte is kept as read, the
    // header's reserved word included, so an unchanged list writes the same bytes back.
    // Makes room for n zeroed records (count n); false when memory runs out.
    bool resize(int32_t n);
    // Adds a record at index count, making room as needed; false when memory runs out.
    bool append(const TeamRecord& team);
    bool write(const char* path) const;
    bool write(const char* path, FileOps& ops) const;

    int32_t version = TEAM_FILE_VERSION;
    int32_t count = 0;
    int32_t reserved = 0; // the header's third word
    std::unique_ptr<TeamRecord[]> records;

private:
    bool allocate(int32_t room, bool zeroed);

    int32_t roomFor = 0;
    void emptyForRead() override;
    const char* missingText() const override;
    bool load(ByteSource& source, LoadReport* report) override;
};
