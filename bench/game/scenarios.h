// The screens whose frames are measured, each set up by assigning the game's state as the
// menus and pages would.
#pragma once

#include <span>

struct Scenario {
    const char* name;
    bool (*setUp)(); // false when the game cannot show the screen
};

std::span<const Scenario> scenarios();
