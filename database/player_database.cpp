#include "database/player_database.h"

#include <cstring>

#include "database/file_io.h"
#include "database/fixed_text.h"

namespace {

using Records = std::unique_ptr<PlayerRecord[], FreeDeleter>;

// Zeroed by the allocator, so the editor's 42 MB cost nothing until records are used.
Records allocateRecords(int32_t n) {
    return Records(
        static_cast<PlayerRecord*>(std::calloc(n > 0 ? std::size_t(n) : 1, sizeof(PlayerRecord))));
}

char* textField(PlayerRecord& r, int i) {
    char* const fields[] = {r.name, r.surname, r.country, r.language, r.birthplace};
    return fields[i];
}
constexpr int kTextFields = 5;

// The fields the editor's main dialog edits: the five texts, each cut to 48 characters, and
// the birth date.
void copyIdentity(PlayerRecord& to, const PlayerRecord& from) {
    PlayerRecord cut = from;
    for (int t = 0; t < kTextFields; ++t) {
        fixed_text::cut(textField(cut, t), kPlayerTextSize, kPlayerTextChars);
        std::memcpy(textField(to, t), textField(cut, t), kPlayerTextSize);
    }
    to.birth_day = from.birth_day;
    to.birth_month = from.birth_month;
    to.birth_year = from.birth_year;
}

} // namespace

PlayerRecord newPlayerRecord() {
    PlayerRecord r{};
    const int32_t ones[12] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    std::memcpy(&r.technical, ones, sizeof r.technical);
    std::memcpy(&r.mental, ones, sizeof r.mental);
    std::memcpy(&r.physical, ones, sizeof r.physical); // preferred_foot 1 is the right foot
    r.position.position_count = 1;
    return r;
}

bool PlayerDatabase::read(const char* path, LoadReport* report) {
    ByteSource source;
    if (!source.openFile(path)) {
        emptyGameForm();
        return refuseLoad(report, LOAD_NOT_FOUND, 0, 0, 0, db_text::kNotFound);
    }
    return load(source, report);
}

bool PlayerDatabase::readMemory(const void* data, std::size_t size, LoadReport* report) {
    ByteSource source;
    source.openMemory(data, size);
    return load(source, report);
}

void PlayerDatabase::emptyGameForm() {
    if (editorForm()) return;
    count = 0;
    records.reset();
}

bool PlayerDatabase::load(ByteSource& source, LoadReport* report) {
    emptyGameForm();
    DatabaseFileHeader header{};
    if (!source.read(&header, sizeof header))
        return refuseLoad(report, LOAD_BAD_VERSION, 0, 0, kPlayerFileVersion,
                          db_text::kWrongVersion);
    if (header.version != kPlayerFileVersion)
        return refuseLoad(report, LOAD_BAD_VERSION, 0, header.version, kPlayerFileVersion,
                          db_text::kWrongVersion);
    if (header.count < 0 || header.count > kPlayerCapacity)
        return refuseLoad(report, LOAD_BAD_COUNT, 4, header.count, kPlayerCapacity,
                          db_text::kBadCount);
    const int64_t needed = int64_t(kHeaderSize) + int64_t(kPlayerEntrySize) * header.count;
    if (int64_t(source.size()) < needed)
        return refuseLoad(report, LOAD_SHORT_FILE, int64_t(source.size()), int64_t(source.size()),
                          needed, db_text::kShortFile);

    Records fresh = allocateRecords(editorForm() ? roomFor : header.count);
    if (!fresh) return refuseLoad(report, LOAD_NO_MEMORY, 0, 0, 0, db_text::kNoMemory);
    for (int32_t i = 0; i < header.count; ++i) {
        unsigned char entry[kPlayerEntrySize];
        if (!source.read(entry, sizeof entry))
            return refuseLoad(report, LOAD_SHORT_FILE, int64_t(source.position()),
                              int64_t(source.size()), needed, db_text::kShortFile);
        unsigned char* bytes = reinterpret_cast<unsigned char*>(&fresh[i]);
        std::memcpy(bytes, entry, sizeof(PlayerRecord));
        // The trailing copies go over the record's own, so they win.
        std::size_t at = sizeof(PlayerRecord);
        for (const PlayerBlockCopy& copy : kPlayerBlockCopies) {
            std::memcpy(bytes + copy.recordOffset, entry + at, copy.size);
            at += copy.size;
        }
        for (int t = 0; t < kTextFields; ++t)
            fixed_text::cut(textField(fresh[i], t), kPlayerTextSize, kPlayerTextSize - 1);
    }

    records = std::move(fresh);
    fileVersion = kPlayerFileVersion;
    count = header.count;
    selected = -1;
    if (report) *report = LoadReport{};
    return true;
}

bool PlayerDatabase::write(const char* path) const {
    return write(path, systemFileOps());
}

bool PlayerDatabase::write(const char* path, FileOps& ops) const {
    FileWriter out(ops);
    if (!out.open(path)) return false;
    const DatabaseFileHeader header{kPlayerFileVersion, count, 0};
    bool ok = out.write(&header, sizeof header);
    for (int32_t i = 0; ok && i < count; ++i) {
        PlayerRecord r = records[i];
        for (int t = 0; t < kTextFields; ++t)
            fixed_text::cut(textField(r, t), kPlayerTextSize, kPlayerTextChars);
        const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&r);
        ok = out.write(bytes, sizeof r);
        for (const PlayerBlockCopy& copy : kPlayerBlockCopies)
            ok = ok && out.write(bytes + copy.recordOffset, copy.size);
    }
    return ok && out.commit();
}

bool PlayerDatabase::init() {
    Records fresh = allocateRecords(kPlayerCapacity);
    if (!fresh) return false;
    records = std::move(fresh);
    roomFor = kPlayerCapacity;
    fileVersion = kPlayerFileVersion;
    count = 0;
    selected = -1;
    return true;
}

bool PlayerDatabase::append(const PlayerRecord& player) {
    if (count >= roomFor) return false;
    PlayerRecord& r = records[count];
    r = newPlayerRecord();
    copyIdentity(r, player);
    r.id = count;
    ++count;
    return true;
}

bool PlayerDatabase::modifySelected(const PlayerRecord& player) {
    PlayerRecord* r = record(selected);
    if (!r) return false;
    copyIdentity(*r, player);
    return true;
}

int32_t PlayerDatabase::currentId() const {
    if (const PlayerRecord* r = record(selected)) return r->id;
    if (const PlayerRecord* r = record(count - 1)) return r->id;
    return -1;
}

PlayerRecord* PlayerDatabase::record(int32_t index) {
    return index >= 0 && index < count ? &records[index] : nullptr;
}

const PlayerRecord* PlayerDatabase::record(int32_t index) const {
    return index >= 0 && index < count ? &records[index] : nullptr;
}
