#include "bench/game/scenarios.h"

#include "app/globals.h"
#include "game/game.h"

namespace {

bool startPage() {
    game.menuState = 1;
    game.page = 2;
    return true;
}

bool notYet() {
    return false;
}

const Scenario kScenarios[] = {
    {"start page", startPage},
    {"open drop-down menu", notYet},
    {"registration", notYet},
    {"news, 12 mail rows", notYet},
    {"tactics, 25 names, 11 markers", notYet},
};

} // namespace

std::span<const Scenario> scenarios() {
    return kScenarios;
}
