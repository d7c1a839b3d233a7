#include "database/team_database.h"

#include <new>

#include "database/file_io.h"
#include "database/fixed_text.h"

void TeamDatabase::emptyForRead() {
    count = 0;
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
    if (!resize(header.count))
        return refuseLoad(report, LOAD_NO_MEMORY, 0, 0, 0, db_text::kNoMemory);
    for (int32_t i = 0; i < header.count; ++i) {
        TeamRecord& team = records[i];
        if (!source.read(&team, sizeof team)) {
            emptyForRead();
            return refuseLoad(report, LOAD_SHORT_FILE, int64_t(source.position()),
                              int64_t(source.size()), needed, db_text::kShortFile);
        }
        fixed_text::cut(team.name, kTeamNameSize, kTeamNameSize - 1);
        if (team.squad_size < 0) team.squad_size = 0;
        if (team.squad_size > kSquadCapacity) team.squad_size = kSquadCapacity;
    }
    version = kTeamFileVersion;
    if (report) *report = LoadReport{};
    return true;
}

bool TeamDatabase::resize(int32_t n) {
    if (n < 0) return false;
    records.reset(new (std::nothrow) TeamRecord[n > 0 ? n : 1]());
    count = records ? n : 0;
    return records != nullptr;
}

bool TeamDatabase::write(const char* path) const {
    FileWriter out;
    if (!out.open(path)) return false;
    const DatabaseFileHeader header{kTeamFileVersion, count, 0};
    bool ok = out.write(&header, sizeof header);
    for (int32_t i = 0; ok && i < count; ++i) {
        TeamRecord team = records[i];
        fixed_text::cut(team.name, kTeamNameSize, kTeamNameSize - 1);
        ok = out.write(&team, sizeof team);
    }
    return ok && out.commit();
}
