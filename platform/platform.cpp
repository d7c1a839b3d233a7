#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

static Platform* currentPlatform = nullptr;

Platform& current() {
    if (!currentPlatform) {
        std::fputs("platform: used before a platform was set\n", stderr);
        std::abort();
    }
    return *currentPlatform;
}

void setCurrent(Platform* platform) {
    currentPlatform = platform;
}

} // namespace platform
