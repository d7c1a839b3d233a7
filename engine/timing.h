// A small gate that fires at most `rate` times per second of the engine clock.
#pragma once

struct IntervalTimer {
    float lastFire = 0;
    float unused1 = 0;
    float lastQuery = 0;
    float unused2 = 0;
    float elapsed = 0;

    // 1 (and restart) when more than 1/rate seconds passed since the last firing, else 0.
    int tick(int rate);
};

// Seconds of the engine clock: its milliseconds times 0.001, as float.
float clockSeconds();
