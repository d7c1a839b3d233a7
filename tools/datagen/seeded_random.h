// A small random generator with its own arithmetic, so a seed gives the same numbers with
// every compiler and standard library.
#pragma once

#include <cstdint>

class SeededRandom {
public:
    explicit SeededRandom(uint64_t seed) : state(seed) {}

    uint64_t next() {
        // SplitMix64
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 to n - 1.
    int below(int n) { return int(next() % uint64_t(n)); }
    // lo to hi inclusive.
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    // 0 to 1.
    float unit() { return float(next() >> 40) / float(1 << 24); }

private:
    uint64_t state;
};
