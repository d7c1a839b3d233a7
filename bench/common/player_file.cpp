#include "bench/common/player_file.h"

#include <cstdint>
#include <cstdio>

#include "database/player_database.h"

namespace bench {

bool makePlayerFile(const char* path) {
    const char* const names[] = {"Mehmet", "Mert", "Ahmet", "Ali", "Emre", "Murat", "Kaan"};
    const char* const surnames[] = {"Kaya", "Kara", "Demir", "Yilmaz", "Celik", "Aydin", "Kurt"};
    PlayerDatabase db;
    if (!db.init()) return false;
    PlayerRecord r = newPlayerRecord();
    uint32_t seed = 12345;
    for (int32_t i = 0; i < PLAYER_CAPACITY; ++i) {
        seed = seed * 1103515245u + 12345u;
        std::snprintf(r.name, sizeof r.name, "%s", names[(seed >> 8) % 7]);
        std::snprintf(r.surname, sizeof r.surname, "%s", surnames[(seed >> 16) % 7]);
        db.append(r);
    }
    return db.write(path);
}

} // namespace bench
