#include <cstring>

#include "app/app.h"
#include "platform/sdl_platform.h"

int main(int argc, char** argv) {
    // Never freed: the global engine still releases its input devices through it at exit.
    auto* host = new platform::SdlPlatform;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--window") == 0) host->setWindowed(true); // not full screen
    platform::setCurrent(host);
    return menajerMain(nullptr);
}
