#include "app/app.h"
#include "app/options.h"
#include "app/run_folders.h"
#include "engine/services.h"
#include "platform/sdl_platform.h"

int main(int argc, char** argv) {
    Options options;
    if (const int status = parseOptions(argc, argv, options); status >= 0) return status;
    // Never freed: the global engine still releases its input devices through it at exit.
    auto* host = new platform::SdlPlatform;
    host->setWindowed(options.window);
    platform::setCurrent(host);
    static const DataFolders settled = settleFolders(options); // read until the process ends
    services::bindFolders(&settled);
    return menajerMain(nullptr);
}
