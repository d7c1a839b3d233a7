// The changes of a device's buttons that the game has not been shown yet. The game samples
// buttons once a poll, so a press that begins and ends between two polls would never be seen:
// here each read shows one change per button at most, the rest wait for the next reads. A
// press of any length is thus one read down, then one read up.
#pragma once

#include <cstdint>

namespace platform {

template <int N> class ButtonChanges {
public:
    // The device's events were not the game's: the next reads take the device's state.
    void reset() {
        for (int b = 0; b < N; ++b)
            shown[b] = waiting[b] = 0;
    }
    // A button event: down or up; repeats of the state it already has are ignored.
    void change(int button, bool down) {
        if (button < 0 || button >= N) return;
        const bool now = (shown[button] ^ waiting[button]) & 1;
        if (down == now) return;
        // Past eight waiting presses one is dropped whole, so that a burst never lags the game
        // by more than that.
        if (++waiting[button] > MOST_WAITING) waiting[button] -= 2;
    }
    // The state to report for a button whose device reads `now`: the next waiting change, else
    // the device's own state (which also heals events that never came).
    bool read(int button, bool now) {
        if (button < 0 || button >= N) return now;
        if (waiting[button] > 0) {
            shown[button] ^= 1;
            --waiting[button];
        } else {
            shown[button] = now;
        }
        return shown[button];
    }

private:
    static constexpr uint8_t MOST_WAITING = 16;
    uint8_t shown[N] = {};
    uint8_t waiting[N] = {};
};

} // namespace platform
