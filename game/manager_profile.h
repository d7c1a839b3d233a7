// The registered manager, filled once when a registration completes.
#pragma once

#include <cstdint>

class ManagerProfile {
public:
    static constexpr int NAME_SIZE = 150;

    ManagerProfile() = default;
    virtual ~ManagerProfile() = default;

    void clear() { *this = ManagerProfile{}; }

    char firstName[NAME_SIZE] = {};
    char surname[NAME_SIZE] = {};
    int32_t birthDay = 0;
    int32_t birthMonth = 0; // 1 to 12
    int32_t birthYear = 0;
};
