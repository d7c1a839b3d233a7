#include "app/run_folders.h"

#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/globals.h"
#include "engine/screenshot.h"
#include "platform/platform.h"
#include "text/cp1254.h"

namespace {

namespace fs = std::filesystem;

std::string shown(const fs::path& folder) {
    return cp1254::fromUtf8Lossy(folder.string());
}

void warn(const std::string& text) {
    platform::current().messageBox(text.c_str(), "Menajer", platform::MessageIcon::Warning);
}

// The log and the shots go into `folder`, which becomes the working folder.
bool writeInto(const fs::path& folder) {
    if (!folders::prepareRunFolder(folder) || chdir(folder.c_str()) != 0) return false;
    debugLog.moveTo(folder / "rav3d.htm");
    screenshotFolder = folders::userData(folder) / "ekrang";
    return true;
}

const char* sourceName(folders::DataSource source) {
    switch (source) {
    case folders::DataSource::OPTION:
        return "--data";
    case folders::DataSource::INSTALLED:
        return "kurulu";
    case folders::DataSource::WORKING_FOLDER:
        return "calisma klasoru";
    case folders::DataSource::BUILD_TREE:
        return "derleme agaci";
    case folders::DataSource::NONE:
        break;
    }
    return "yok";
}

} // namespace

DataFolders settleFolders(const Options& options, const fs::path& exe, fs::path here) {
    std::error_code ec;
    if (here.empty()) here = fs::current_path(ec);
    const folders::DataSet set = folders::findData(options.dataFolder, exe, here);
    DataFolders settled;
    settled.data = set.veri.string();

    // A data set of the working folder's or the build tree's own is a game folder: the log
    // and the shots belong beside it, and no other files are read over it.
    const bool gameFolder = set.source == folders::DataSource::WORKING_FOLDER ||
                            set.source == folders::DataSource::BUILD_TREE;
    const fs::path own = set.veri.parent_path();
    const fs::path user = folders::userFolder();
    const bool besideData = gameFolder && writeInto(own);
    const bool inUserFolder = !besideData && writeInto(user);
    if (inUserFolder && !gameFolder) settled.user = folders::userData(user).string();
    if (!besideData && !inUserFolder) {
        debugLog.moveTo("");
        screenshotFolder.clear();
    }

    debugLog.writeParagraph("Veri klasoru (%s) : %s", sourceName(set.source),
                            shown(set.veri).c_str());
    if (gameFolder && !besideData)
        debugLog.writeParagraph("Calisma klasoru yazilamiyor : %s", shown(own).c_str());
    if (inUserFolder) debugLog.writeParagraph("Kullanici klasoru : %s", shown(user).c_str());

    if (set.source == folders::DataSource::NONE) {
        // Each literal in a statement of its own: Clang 14 crashes on them inside the sum.
        std::string text = "Oyunun veri klasörü bulunamadı. Bakılan klasörler:\n"_w;
        for (const fs::path& folder : set.lookedIn) {
            debugLog.writeParagraph("Bakilan klasor : %s", shown(folder).c_str());
            text += "\n" + shown(folder);
        }
        const char* const goesOn = "\n\nOyun, eksik dosyalarla devam ediyor."_w;
        warn(text + goesOn);
    }
    if (!besideData && !inUserFolder) {
        const char* const cannotOpen = "Kullanıcı klasörü açılamadı:\n"_w;
        const char* const goesOn =
            "\n\nOyun, günlük dosyası ve ekran görüntüleri olmadan devam ediyor."_w;
        warn(cannotOpen + shown(user) + goesOn);
    }
    return settled;
}
