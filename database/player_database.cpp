#include "database/player_database.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <new>
#include <sys/mman.h>

#include "database/file_io.h"
#include "database/fixed_text.h"

namespace {

using Records = std::unique_ptr<PlayerRecord[], MappingDeleter>;

constexpr std::size_t HUGE_PAGE = std::size_t(2) << 20;
// Entries per stdio call when reading and writing: 1024 entries are a whole number of 4 KiB
// pages, so writes stay page-aligned, and few calls, each of which costs microseconds on a
// virtual machine. On the heap: 594 KB is too much for a stack.
constexpr int32_t CHUNK_ENTRIES = 1024;
using Chunk = std::unique_ptr<unsigned char[]>;

Chunk makeChunk() {
    return Chunk(new (std::nothrow) unsigned char[CHUNK_ENTRIES * PLAYER_ENTRY_SIZE]);
}

// A mapping of its own: zero pages that cost nothing until written, so the editor's 42 MB stay
// out of memory until used, and huge pages where the kernel allows them, so filling the array
// at a load takes twenty faults rather than ten thousand.
Records allocateRecords(int32_t n) {
    const std::size_t bytes = std::size_t(n > 0 ? n : 1) * sizeof(PlayerRecord);
    const bool huge = bytes >= HUGE_PAGE;
    const std::size_t length = huge ? bytes + HUGE_PAGE : bytes;
    void* base = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) return Records();
    uintptr_t at = reinterpret_cast<uintptr_t>(base);
    if (huge) {
        at = (at + HUGE_PAGE - 1) & ~uintptr_t(HUGE_PAGE - 1);
        madvise(reinterpret_cast<void*>(at), bytes, MADV_HUGEPAGE); // only advice
    }
    return Records(reinterpret_cast<PlayerRecord*>(at), MappingDeleter{base, length});
}

char* textField(PlayerRecord& r, int i) {
    char* const fields[] = {r.name, r.surname, r.country, r.language, r.birthplace};
    return fields[i];
}
constexpr int TEXT_FIELDS = 5;

// The fields the editor's main dialog edits: the five texts, each cut to 48 characters, and
// the birth date.
void copyIdentity(PlayerRecord& to, const PlayerRecord& from) {
    PlayerRecord cut = from;
    for (int t = 0; t < TEXT_FIELDS; ++t) {
        fixed_text::cut(textField(cut, t), PLAYER_TEXT_SIZE, PLAYER_TEXT_CHARS);
        std::memcpy(textField(to, t), textField(cut, t), PLAYER_TEXT_SIZE);
    }
    to.birth_day = from.birth_day;
    to.birth_month = from.birth_month;
    to.birth_year = from.birth_year;
}

// One file entry into its record; the trailing copies go over the record's own, so they win.
void unpackEntry(const unsigned char* entry, PlayerRecord& into) {
    unsigned char* bytes = reinterpret_cast<unsigned char*>(&into);
    std::memcpy(bytes, entry, sizeof(PlayerRecord));
    std::size_t at = sizeof(PlayerRecord);
    for (const PlayerBlockCopy& copy : PLAYER_BLOCK_COPIES) {
        std::memcpy(bytes + copy.recordOffset, entry + at, copy.size);
        at += copy.size;
    }
    for (int t = 0; t < TEXT_FIELDS; ++t)
        fixed_text::cut(textField(into, t), PLAYER_TEXT_SIZE, PLAYER_TEXT_SIZE - 1);
}

// A record as its file entry: the texts terminated and cut to 48 characters, then the copies.
// Cut in the entry itself: a second copy of the record costs more than the cutting.
void packEntry(const PlayerRecord& from, unsigned char* entry) {
    constexpr std::size_t TEXT_OFFSETS[TEXT_FIELDS] = {
        offsetof(PlayerRecord, name), offsetof(PlayerRecord, surname),
        offsetof(PlayerRecord, country), offsetof(PlayerRecord, language),
        offsetof(PlayerRecord, birthplace)};
    std::memcpy(entry, &from, sizeof from);
    for (std::size_t at : TEXT_OFFSETS)
        fixed_text::cut(reinterpret_cast<char*>(entry + at), PLAYER_TEXT_SIZE, PLAYER_TEXT_CHARS);
    std::size_t at = sizeof from;
    for (const PlayerBlockCopy& copy : PLAYER_BLOCK_COPIES) {
        std::memcpy(entry + at, entry + copy.recordOffset, copy.size);
        at += copy.size;
    }
}

} // namespace

void MappingDeleter::operator()(PlayerRecord*) const {
    if (base) munmap(base, length);
}

PlayerRecord newPlayerRecord() {
    PlayerRecord r{};
    const int32_t ones[12] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    std::memcpy(&r.technical, ones, sizeof r.technical);
    std::memcpy(&r.mental, ones, sizeof r.mental);
    std::memcpy(&r.physical, ones, sizeof r.physical); // preferred_foot 1 is the right foot
    r.position.position_count = 1;
    return r;
}

void PlayerDatabase::emptyForRead() {
    if (editorForm()) return;
    count = 0;
    records.reset();
}

const char* PlayerDatabase::missingText() const {
    return db_text::NOT_FOUND;
}

bool PlayerDatabase::load(ByteSource& source, LoadReport* report) {
    DatabaseFileHeader header{};
    if (!source.read(&header, sizeof header))
        return refuseLoad(report, LOAD_BAD_VERSION, 0, 0, PLAYER_FILE_VERSION,
                          db_text::WRONG_VERSION);
    if (header.version != PLAYER_FILE_VERSION)
        return refuseLoad(report, LOAD_BAD_VERSION, 0, header.version, PLAYER_FILE_VERSION,
                          db_text::WRONG_VERSION);
    if (header.count < 0 || header.count > PLAYER_CAPACITY)
        return refuseLoad(report, LOAD_BAD_COUNT, 4, header.count, PLAYER_CAPACITY,
                          db_text::BAD_COUNT);
    const int64_t needed = int64_t(HEADER_SIZE) + int64_t(PLAYER_ENTRY_SIZE) * header.count;
    if (int64_t(source.size()) < needed)
        return refuseLoad(report, LOAD_SHORT_FILE, int64_t(source.size()), int64_t(source.size()),
                          needed, db_text::SHORT_FILE);

    Records fresh = allocateRecords(editorForm() ? roomFor : header.count);
    if (!fresh) return refuseLoad(report, LOAD_NO_MEMORY, 0, 0, 0, db_text::NO_MEMORY);
    const Chunk chunk = makeChunk();
    if (!chunk) return refuseLoad(report, LOAD_NO_MEMORY, 0, 0, 0, db_text::NO_MEMORY);
    for (int32_t first = 0; first < header.count; first += CHUNK_ENTRIES) {
        const int32_t n = std::min<int32_t>(CHUNK_ENTRIES, header.count - first);
        if (!source.read(chunk.get(), std::size_t(n) * PLAYER_ENTRY_SIZE))
            return refuseLoad(report, LOAD_SHORT_FILE, int64_t(source.position()),
                              int64_t(source.size()), needed, db_text::SHORT_FILE);
        for (int32_t k = 0; k < n; ++k)
            unpackEntry(chunk.get() + std::size_t(k) * PLAYER_ENTRY_SIZE, fresh[first + k]);
    }

    records = std::move(fresh);
    fileVersion = PLAYER_FILE_VERSION;
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
    const Chunk chunk = makeChunk();
    if (!chunk) {
        errno = ENOMEM;
        return false;
    }
    if (!out.open(path)) return false;
    const DatabaseFileHeader header{PLAYER_FILE_VERSION, count, 0};
    bool ok = out.write(&header, sizeof header);
    for (int32_t first = 0; ok && first < count; first += CHUNK_ENTRIES) {
        const int32_t n = std::min<int32_t>(CHUNK_ENTRIES, count - first);
        for (int32_t k = 0; k < n; ++k)
            packEntry(records[first + k], chunk.get() + std::size_t(k) * PLAYER_ENTRY_SIZE);
        ok = out.write(chunk.get(), std::size_t(n) * PLAYER_ENTRY_SIZE);
    }
    return ok && out.commit();
}

bool PlayerDatabase::init() {
    Records fresh = allocateRecords(PLAYER_CAPACITY);
    if (!fresh) return false;
    records = std::move(fresh);
    roomFor = PLAYER_CAPACITY;
    fileVersion = PLAYER_FILE_VERSION;
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
