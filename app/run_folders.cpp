#include "app/run_folders.h"

#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/globals.h"
#include "engine/screenshot.h"
#include "platform/platform.h"
#include "text/cp1254.h"
#include "text/path.h"

void settleFolders(const Options& options, const std::filesystem::path& exe) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!options.dataFolder.empty()) dataFolder() = fs::absolute(options.dataFolder, ec).string();
    if (!folders::buildRunFolder(exe).empty()) {
        debugLog.moveTo("rav3d.htm");
        screenshotFolder = "veri/ekrang";
        return;
    }
    if (options.dataFolder.empty() && !folders::installedData(exe).empty())
        dataFolder() = folders::installedData(exe).string();

    const fs::path user = folders::userFolder();
    if (folders::prepareUserFolder(user) && chdir(user.c_str()) == 0) {
        debugLog.moveTo(user / "rav3d.htm");
        screenshotFolder = folders::userData(user) / "ekrang";
        userDataFolder() = folders::userData(user).string();
        return;
    }
    debugLog.moveTo("");
    screenshotFolder.clear();
    // Each literal in a statement of its own: Clang 14 crashes on them inside the sum.
    const char* const cannotOpen = "Kullanıcı klasörü açılamadı:\n"_w;
    const char* const goesOn =
        "\n\nOyun, günlük dosyası ve ekran görüntüleri olmadan devam ediyor."_w;
    const std::string text = cannotOpen + cp1254::fromUtf8Lossy(user.string()) + goesOn;
    platform::current().messageBox(text.c_str(), "Menajer", platform::MessageIcon::Warning);
}
