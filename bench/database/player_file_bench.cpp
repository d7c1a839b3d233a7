// Loading and saving a full player file of 100000 players, in both forms of the database.
#include <benchmark/benchmark.h>
#include <cstdio>

#include "database/player_database.h"

namespace {

const char* const kPath = "bench_players.odt";

void writeFullFile() {
    static bool done = false;
    if (done) return;
    PlayerDatabase db;
    db.init();
    PlayerRecord r = newPlayerRecord();
    std::snprintf(r.name, sizeof r.name, "Oyuncu");
    for (int32_t i = 0; i < kPlayerCapacity; ++i)
        db.append(r);
    done = db.write(kPath);
}

void ReadGameForm(benchmark::State& state) {
    writeFullFile();
    for (auto _ : state) {
        PlayerDatabase db;
        benchmark::DoNotOptimize(db.read(kPath));
    }
}

void ReadEditorForm(benchmark::State& state) {
    writeFullFile();
    PlayerDatabase db;
    db.init();
    for (auto _ : state)
        benchmark::DoNotOptimize(db.read(kPath));
}

void WriteFull(benchmark::State& state) {
    writeFullFile();
    PlayerDatabase db;
    db.init();
    db.read(kPath);
    for (auto _ : state)
        benchmark::DoNotOptimize(db.write("bench_players_out.odt"));
    std::remove("bench_players_out.odt");
}

} // namespace

BENCHMARK(ReadGameForm)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadEditorForm)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteFull)->Unit(benchmark::kMillisecond);
