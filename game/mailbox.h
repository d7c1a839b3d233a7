// The in-game mail service: the mail list, the compose buffers and the new-mail indicator.
#pragma once

#include <cstdint>

#include "engine/timing.h"
#include "game/list_view.h"

class Mailbox {
public:
    static constexpr int COMPOSE_BUFFERS = 10;
    static constexpr int COMPOSE_SIZE = 250;

    Mailbox() = default;
    virtual ~Mailbox() = default;

    // The list at its place, the indicator white and steady, its hot area.
    void init();

    ListView list;
    char compose[COMPOSE_BUFFERS][COMPOSE_SIZE] = {};
    IntervalTimer indicatorTimer;
    uint8_t indicatorColor[3] = {255, 255, 255};
    uint8_t indicatorPhase = 0;
    float hotX = 20;
    float hotY = 0;
    float hotWidth = 170;
    float hotHeight = 18;
};
