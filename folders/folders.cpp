#include "folders/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace folders {

namespace fs = std::filesystem;

path executableFolder() {
    std::error_code ec;
    const path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? path() : exe.parent_path();
}

path installedTree(const path& exeFolder) {
    if (exeFolder.empty()) return {};
    return (exeFolder.parent_path() / "share" / "menajer").lexically_normal();
}

DataSet findData(const path& option, const path& exeFolder, const path& workingFolder) {
    std::error_code ec;
    if (!option.empty()) {
        const path veri = fs::absolute(option, ec).lexically_normal();
        return {fs::is_directory(veri, ec) ? DataSource::OPTION : DataSource::NONE, veri, {veri}};
    }
    DataSet set;
    auto found = [&](DataSource source, const path& veri) {
        set.lookedIn.push_back(veri);
        set.veri = veri;
        if (fs::is_directory(veri, ec)) set.source = source;
        return set.source != DataSource::NONE;
    };
    if (!exeFolder.empty() && found(DataSource::INSTALLED, installedTree(exeFolder) / "veri"))
        return set;
    if (!workingFolder.empty() && found(DataSource::WORKING_FOLDER, workingFolder / "veri"))
        return set;
    if (!exeFolder.empty() && found(DataSource::BUILD_TREE,
                                    (exeFolder.parent_path() / "run" / "veri").lexically_normal()))
        return set;
    if (!workingFolder.empty()) set.veri = workingFolder / "veri";
    return set;
}

path userFolder(const char* xdgDataHome, const char* home) {
    if (xdgDataHome && path(xdgDataHome).is_absolute()) return path(xdgDataHome) / "menajer";
    if (home && path(home).is_absolute()) return path(home) / ".local" / "share" / "menajer";
    return {};
}

path userFolder() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* entry = getpwuid(getuid());
        home = entry ? entry->pw_dir : nullptr;
    }
    return userFolder(std::getenv("XDG_DATA_HOME"), home);
}

bool prepareRunFolder(const path& folder, std::string* why) {
    auto fail = [&](const std::string& reason) {
        if (why) *why = reason;
        return false;
    };
    if (folder.empty()) return fail("no home folder");
    std::error_code ec;
    const path shots = userData(folder) / "ekrang";
    fs::create_directories(shots, ec);
    if (ec) return fail(ec.message());
    for (const path& f : {folder, shots})
        if (access(f.c_str(), W_OK | X_OK) != 0)
            return fail(std::error_code(errno, std::generic_category()).message());
    return true;
}

bool isInside(const path& file, const path& folder) {
    std::error_code ec;
    const path f = fs::weakly_canonical(fs::absolute(file, ec), ec);
    const path root = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    if (ec || root.empty()) return false;
    auto [r, _] = std::mismatch(root.begin(), root.end(), f.begin(), f.end());
    return r == root.end();
}

} // namespace folders
