// Loading and saving a large team file as the editor's club dialog does, each beside the plain
// stdio call that moves the same bytes. Usage: bench_teams TEAM_FILE [ROUNDS].
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

#include "bench/common/side_by_side.h"
#include "database/file_io.h"
#include "database/team_database.h"

namespace {

const char* const FIGURE_OUT = "bench_written.tdt";
const char* const FLOOR_OUT = "bench_floor.tdt";

// A save without fsync and rename, to time the writing apart from the disk.
struct UnsafeOps : FileOps {
    int sync(std::FILE*) override { return 0; }
    int rename(const char* from, const char*) override { return std::remove(from); }
};

bool freadWhole(const char* path, char* into, std::size_t size) {
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    const bool ok = std::fread(into, 1, size, f) == size;
    std::fclose(f);
    return ok;
}

bool fwriteWhole(const char* path, const char* from, std::size_t size, bool sync) {
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    bool ok = std::fwrite(from, 1, size, f) == size;
    if (sync) ok = std::fflush(f) == 0 && fsync(fileno(f)) == 0 && ok;
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_teams TEAM_FILE [ROUNDS]\n");
        return 2;
    }
    const char* path = argv[1];
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 15;
    TeamDatabase db;
    if (!db.read(path)) {
        std::fprintf(stderr, "bench_teams: cannot read %s\n", path);
        return 1;
    }
    const std::size_t size = HEADER_SIZE + TEAM_RECORD_SIZE * std::size_t(db.count);
    std::unique_ptr<char[]> bytes(new char[size]);
    bool ok = freadWhole(path, bytes.get(), size);
    const std::string clubs = std::to_string(db.count) + "-club team file";

    // A fresh database each time, as the dialog loads into one and keeps the old on a refusal.
    const bench::Pair read = bench::sideBySide(
        rounds,
        [&] {
            TeamDatabase fresh;
            ok = fresh.read(path) && ok;
        },
        [&] { ok = freadWhole(path, bytes.get(), size) && ok; });
    bench::ratioRow(("load a " + clubs + " (club dialog)").c_str(), read, 1.3);

    UnsafeOps unsafe;
    const bench::Pair write = bench::sideBySide(
        rounds, [&] { ok = db.write(FIGURE_OUT, unsafe) && ok; },
        [&] { ok = fwriteWhole(FLOOR_OUT, bytes.get(), size, false) && ok; });
    bench::ratioRow("  save it, no fsync, no rename", write, 1.3);

    const bench::Pair synced = bench::sideBySide(
        rounds / 3 + 1, [&] { ok = db.write(FIGURE_OUT) && ok; },
        [&] { ok = fwriteWhole(FLOOR_OUT, bytes.get(), size, true) && ok; }, bench::Clock::WALL);
    bench::ratioRow("  save it as saved (fsync, rename)", synced, 1.3);

    std::remove(FIGURE_OUT);
    std::remove(FLOOR_OUT);
    if (!ok) std::fprintf(stderr, "bench_teams: a read or write failed\n");
    return ok ? 0 : 1;
}
