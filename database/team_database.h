// The team file: the shared 12-byte header (version 1) and 568-byte club records, read by the
// game into a list in file order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "database/load_report.h"
#include "database/player_record.h"

constexpr std::size_t kTeamNameSize = 160;
constexpr int32_t kSquadCapacity = 100;
constexpr int32_t kTeamFileVersion = 1;
constexpr std::size_t kTeamRecordSize = 568;

struct TeamRecord {
    int32_t reserved; // no reader uses it
    char name[kTeamNameSize];
    int32_t squad_size;
    int32_t squad[kSquadCapacity]; // player ids; entries from squad_size on mean nothing
};

static_assert(sizeof(TeamRecord) == kTeamRecordSize);
static_assert(offsetof(TeamRecord, reserved) == 0);
static_assert(offsetof(TeamRecord, name) == 4);
static_assert(offsetof(TeamRecord, squad_size) == 164);
static_assert(offsetof(TeamRecord, squad) == 168);

class ByteSource;

class TeamDatabase {
public:
    TeamDatabase() = default;
    TeamDatabase(const TeamDatabase&) = delete;
    TeamDatabase& operator=(const TeamDatabase&) = delete;
    virtual ~TeamDatabase() = default;

    // Reads a whole team file (a host path); a refusal leaves the list empty. Every squad_size
    // is cut into 0 to 100 and every name is terminated inside its field.
    bool read(const char* path, LoadReport* report = nullptr);
    bool readMemory(const void* data, std::size_t size, LoadReport* report = nullptr);
    // Makes room for n zeroed records (count n); false when memory runs out.
    bool resize(int32_t n);
    bool write(const char* path) const;

    int32_t version = kTeamFileVersion;
    int32_t count = 0;
    std::unique_ptr<TeamRecord[]> records;

private:
    bool load(ByteSource& source, LoadReport* report);
};
