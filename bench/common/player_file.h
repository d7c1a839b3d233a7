// The 100000-player file the database and editor benchmarks read when none is given.
#pragma once

namespace bench {

// First names and surnames drawn from short lists that include the benchmarks' query prefixes
// "Me" and "Ka", so a search finds a few thousand rows.
bool makePlayerFile(const char* path);

} // namespace bench
