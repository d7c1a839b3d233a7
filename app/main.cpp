#include "app/app.h"
#include "platform/sdl_platform.h"

int main() {
    // Never freed: the global engine still releases its input devices through it at exit.
    auto* host = new platform::SdlPlatform;
    platform::setCurrent(host);
    return menajerMain(nullptr);
}
