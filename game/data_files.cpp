#include "game/data_files.h"

#include "engine/services.h"
#include "folders/data_path.h"
#include "text/cp1254.h"

std::string dataFilePath(const char* name) {
    std::string path = services::dataFolders().hostPath(name);
    services::writeLog("Veri dosyasi : %s", cp1254::fromUtf8Lossy(path).c_str());
    return path;
}

void warnRefused(const LoadReport& report, const std::string& path) {
    if (!services::dataFolders().isUserFile(path)) {
        services::showWarning(report.message);
        return;
    }
    const std::string text = std::string(report.message) + "\n" + cp1254::fromUtf8Lossy(path);
    services::showWarning(text.c_str());
}
