#include "database/team_database.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "database/file_io.h"
#include "database/fixed_text.h"

namespace {
constexpr int32_t FIRST_ROOM = 64;
} // namespace

void TeamDatabase::emptyForRead() {
    count = 0;
    roomFor = 0;
    reserved = 0;
    records.reset();
}

const char* TeamDatabase::missingText() const {
    return db_text::NOT_FOUND;
}

bool TeamDatabase::load(ByteSource& source, LoadReport* report) {
    DatabaseFileHeader header{};
    if (!source.read(&header, sizeof header))
        return refuseLoad(report, LOAD_BAD_VERSION, 0, 0, TEAM_FILE_VERSION,
                          db_text::WRONG_VERSION);
    if (header.version != TEAM_FILE_VERSION)
        return refuseLoad(report, LOAD_BAD_VERSION, 0, header.version, TEAM_FILE_VERSION,
                          db_text::WRONG_VERSION);
    if (header.count < 0)
        return refuseLoad(report, LOAD_BAD_COUNT, 4, header.count, 0, db_text::BAD_COUNT);
    const int64_t needed = int64_t(HEADER_SIZE) + int64_t(TEAM_RECORD_SIZE) * header.count;
    if (int64_t(source.size()) < needed)
        return refuseLoad(report, LOAD_SHORT_FILE, int64_t(source.size()), int64_t(source.size()),
                          needed, db_text::SHORT_FILE);
    // Every byte of the records is read over, so the array need not be zeroed first.
    if (!allocate(header.count, false))
        return refuseLoad(report, LOAD_NO_MEMORY, 0, 0, 0, db_text::NO_MEMORY);
    if (!source.read(records.get(), std::size_t(header.count) * TEAM_RECORD_SIZE)) {
        emptyForRead();
        return refuseLoad(report, LOAD_SHORT_FILE, int64_t(source.position()),
                          int64_t(source.size()), needed, db_text::SHORT_FILE);
    }
    for (int32_t i = 0; i < header.count; ++i) {
        TeamRecord& team = records[i];
        fixed_text::cut(team.name, TEAM_NAME_SIZE, TEAM_NAME_SIZE - 1);
        team.squad_size = std::clamp(team.squad_size, 0, SQUAD_CAPACITY);
    }
    count = header.count;
    reserved = header.reserved;
    version = TEAM_FILE_VERSION;
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
        const int32_t room = std::max(FIRST_ROOM, count * 2);
        std::unique_ptr<TeamRecord[]> old = std::move(records);
        if (!allocate(room, false)) {
            records = std::move(old);
            return false;
        }
        if (count) std::memcpy(records.get(), old.get(), std::size_t(count) * TEAM_RECORD_SIZE);
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
    const DatabaseFileHeader header{TEAM_FILE_VERSION, count, reserved};
    bool ok = out.write(&header, sizeof header);
    // Records go out as they are, in runs; one whose name is not terminated inside the
    // game's 159 characters goes out as a cut copy.
    for (int32_t first = 0; ok && first < count;) {
        int32_t end = first;
        while (end < count && records[end].name[TEAM_NAME_SIZE - 1] == '\0')
            ++end;
        if (end > first) {
            ok = out.write(&records[first], std::size_t(end - first) * TEAM_RECORD_SIZE);
            first = end;
            continue;
        }
        TeamRecord cut = records[first++];
        fixed_text::cut(cut.name, TEAM_NAME_SIZE, TEAM_NAME_SIZE - 1);
        ok = out.write(&cut, sizeof cut);
    }
    return ok && out.commit();
}
