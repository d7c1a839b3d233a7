// Reading and writing a full player file in the editor's database, each beside the plain
// stdio call that moves the same bytes. Usage: bench_database [PLAYER_FILE] [ROUNDS] [ONLY];
// without a file one of 100000 players is written in the working folder first; ONLY (read,
// write or sync) runs one of the three, for a profiler.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

#include "bench/common/player_file.h"
#include "bench/common/side_by_side.h"
#include "database/file_io.h"
#include "database/player_database.h"

namespace {

const char* const MADE_PATH = "bench_players.odt";
const char* const FIGURE_OUT = "bench_written.odt";
const char* const FLOOR_OUT = "bench_floor.odt";
constexpr uintptr_t HUGE_PAGE = uintptr_t(2) << 20;

// A save without its two safety steps, to time the writing apart from the disk: no flush to
// disk, and the temporary is dropped instead of renamed over the old file (a rename over a
// file makes ext4 start writing the new one back at once).
struct UnsafeOps : FileOps {
    int sync(std::FILE*) override { return 0; }
    int rename(const char* from, const char*) override { return std::remove(from); }
};

struct WholeFile {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
};

bool freadWhole(const char* path, WholeFile& into) {
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    const bool ok = std::fread(into.bytes.get(), 1, into.size, f) == into.size;
    std::fclose(f);
    return ok;
}

// The same read into a buffer mapped afresh, as a load fills a fresh record array: the kernel
// zeroes every page the read touches.
bool freadFresh(const char* path, std::size_t size) {
    const std::size_t length = size + HUGE_PAGE;
    void* base = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) return false;
    const uintptr_t at = (reinterpret_cast<uintptr_t>(base) + HUGE_PAGE - 1) & ~(HUGE_PAGE - 1);
    madvise(reinterpret_cast<void*>(at), size, MADV_HUGEPAGE);
    std::FILE* f = std::fopen(path, "rb");
    const bool ok = f && std::fread(reinterpret_cast<void*>(at), 1, size, f) == size;
    if (f) std::fclose(f);
    munmap(base, length);
    return ok;
}

bool fwriteWhole(const char* path, const WholeFile& from, bool sync) {
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    bool ok = std::fwrite(from.bytes.get(), 1, from.size, f) == from.size;
    if (sync) ok = std::fflush(f) == 0 && fsync(fileno(f)) == 0 && ok;
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : MADE_PATH;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 15;
    const std::string only = argc > 3 ? argv[3] : "";
    const auto runs = [&](const char* name) { return only.empty() || only == name; };
    if (argc <= 1 && !bench::makePlayerFile(path)) {
        std::fprintf(stderr, "bench_database: cannot write %s\n", path);
        return 1;
    }
    PlayerDatabase db;
    db.init();
    if (!db.read(path)) {
        std::fprintf(stderr, "bench_database: cannot read %s\n", path);
        return 1;
    }
    WholeFile file;
    file.size = HEADER_SIZE + std::size_t(PLAYER_ENTRY_SIZE) * std::size_t(db.playerCount());
    file.bytes.reset(new char[file.size]);
    freadWhole(path, file);

    bool ok = true;
    if (runs("read")) {
        const bench::Pair read = bench::sideBySide(
            rounds, [&] { ok = db.read(path) && ok; }, [&] { ok = freadWhole(path, file) && ok; });
        bench::ratioRow("read 100000-player file (editor)", read, 1.3);
        const bench::Pair fresh = bench::sideBySide(
            rounds, [&] { ok = db.read(path) && ok; },
            [&] { ok = freadFresh(path, file.size) && ok; });
        bench::ratioRow("  the same, floor into a fresh buffer", fresh, 1.3);
    }

    UnsafeOps unsafe;
    if (runs("write")) {
        const bench::Pair write = bench::sideBySide(
            rounds, [&] { ok = db.write(FIGURE_OUT, unsafe) && ok; },
            [&] { ok = fwriteWhole(FLOOR_OUT, file, false) && ok; });
        bench::ratioRow("write it, no fsync, no rename", write, 1.3);
    }

    if (runs("sync")) {
        const bench::Pair synced = bench::sideBySide(
            rounds / 3 + 1, [&] { ok = db.write(FIGURE_OUT) && ok; },
            [&] { ok = fwriteWhole(FLOOR_OUT, file, true) && ok; }, bench::Clock::WALL);
        bench::ratioRow("write it as saved (fsync, rename)", synced, 1.3);
    }

    std::remove(FIGURE_OUT);
    std::remove(FLOOR_OUT);
    if (!ok) std::fprintf(stderr, "bench_database: a read or write failed\n");
    return ok ? 0 : 1;
}
