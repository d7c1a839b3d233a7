#include "database/team_database.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "database/file_io.h"
#include "database/fixed_text.h"

namespace {
constexpr int32_t kFirstRoom = 64;
} // namespace

void TeamDatabase::emptyForRead() {
    count = 0;
    roomFor = 0;
    reserved = 0;
    records.reset();
}

const char* TeamDatabase::missingText() const {
    return db_text::kNotFound;
}

bool TeamDatabase::load(ByteSource& source, LoadReport* report) {
    DatabaseFileHeader header{};
    if (!source.read(&header, sizeof header))
        return refuseLoad(report, LOAD_BAD_VERSION, 0, 0, kTeamFileVersion, db_text::kWrongVersion);
    if (header.version != kTeamFileVersion)
        return refuseLoad(report, LOAD_BAD_VERSION, 0, header.version, kTeamFileVersion,
                          db_text::kWrongVersion);
    if (header.count < 0)
        return refuseLoad(report, LOAD_BAD_COUNT, 4, header.count, 0, db_text::kBadCount);
    const int64_t needed = int64_t(kHeaderSize) + int64_t(kTeamRecordSize) * header.count;
    if (int64_t(source.size()) < needed)
        return refuseLoad(report, LOAD_SHORT_FILE, int64_t(source.size()), int64_t(source.size()),
                          needed, db_text::kShortFile);
    // Every byte of the records is read over, so the array need not be zeroed first.
    if (!allocate(header.count, false))
        return refuseLoad(report, LOAD_NO_MEMORY, 0, 0, 0, db_text::kNoMemory);
    if (!source.read(records.get(), std::size_t(header.count) * kTeamRecordSize)) {
        emptyForRead();
        return refuseLoad(report, LOAD_SHORT_FILE, int64_t(source.position()),
                          int64_t(source.size()), needed, db_text::kShortFile);
    }
    for (int32_t i = 0; i < header.count; ++i) {
        TeamRecord& team = records[i];
        fixed_text::cut(team.name, kTeamNameSize, kTeamNameSize - 1);
        team.squad_size = std::clamp(team.squad_size, 0, kSquadCapacity);
    }
    count = header.count;
    reserved = header.reserved;
    version = kTeamFileVersion;
    if (report) *report = LoadReport{};
    return true;
}

bool TeamDatabase::allocate(int32_t room, bool zeroed) {
    TeamRecord* fresh = zeroed ? new (std::nothrow) TeamRecord[std::max(room, 1)]()
                               : new (std::nothrow) TeamRecord[std::max(room, 1)];
    if (!fresh) return false;
    records.reset(fresh);
    roomFor = room;
    return true;
}

bool TeamDatabase::resize(int32_t n) {
    if (n < 0 || !allocate(n, true)) {
        emptyForRead();
        return false;
    }
    count = n;
    return true;
}

bool TeamDatabase::append(const TeamRecord& team) {
    if (count == roomFor) {
        if (count > INT32_MAX / 2) return false;
        const int32_t room = std::max(kFirstRoom, count * 2);
        std::unique_ptr<TeamRecord[]> old = std::move(records);
        if (!allocate(room, false)) {
            records = std::move(old);
            return false;
        }
        if (count) std::memcpy(records.get(), old.get(), std::size_t(count) * kTeamRecordSize);
    }
    records[count++] = team;
    return true;
}

bool TeamDatabase::write(const char* path) const {
    return write(path, systemFileOps());
}

bool TeamDatabase::write(const char* path, FileOps& ops) const {
    FileWriter out(ops);
    if (!out.open(path)) return false;
    const DatabaseFileHeader header{kTeamFileVersion, count, reserved};
    bool ok = out.write(&header, sizeof header);
    // Records go out as they are, in runs; one whose name is not terminated inside the
    // game's 159 characters goes out as a cut copy.
    for (int32_t first = 0; ok && first < count;) {
        int32_t end = first;
        while (end < count && records[end].name[kTeamNameSize - 1] == '\0')
            ++end;
        if (end > first) {
            ok = out.write(&records[first], std::size_t(end - first) * kTeamRecordSize);
            first = end;
            continue;
        }
        TeamRecord cut = records[first++];
        fixed_text::cut(cut.name, kTeamNameSize, kTeamNameSize - 1);
        ok = out.write(&cut, sizeof cut);
    }
    return ok && out.commit();
}
