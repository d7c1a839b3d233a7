// Counts heap allocations while switched on: every operator new in the process, and malloc,
// calloc, realloc, strdup and fopen called from the program's own code (linked with --wrap
// for them; the drivers' own allocations are not the program's).
#pragma once

#include <cstdint>

namespace alloccount {

void start();
// Allocations since start().
int64_t stop();
// With BENCH_ALLOC_TRACE set, the first allocations counted print their call stacks.
void traceFromEnvironment();
// Calls `watcher` with the path of every file the program's code opens with fopen.
void watchOpens(void (*watcher)(const char* path));

} // namespace alloccount
