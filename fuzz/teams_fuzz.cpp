// Team files as the game reads them.
#include <cstdlib>
#include <cstring>

#include "database/team_database.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TeamDatabase teams;
    LoadReport report;
    if (!teams.readMemory(data, size, &report)) {
        if (!report.message || teams.count != 0) std::abort();
        return 0;
    }
    // What the game relies on without checking again.
    for (int32_t i = 0; i < teams.count; ++i) {
        const TeamRecord& t = teams.records[i];
        if (t.squad_size < 0 || t.squad_size > SQUAD_CAPACITY) std::abort();
        if (std::memchr(t.name, 0, TEAM_NAME_SIZE) == nullptr) std::abort();
    }
    return 0;
}
