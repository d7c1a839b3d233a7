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

path installedData(const path& exeFolder) {
    std::error_code ec;
    const path tree = installedTree(exeFolder);
    return !tree.empty() && fs::is_directory(tree / "veri", ec) ? tree / "veri" : path();
}

path buildRunFolder(const path& exeFolder) {
    std::error_code ec;
    if (exeFolder.empty()) return {};
    const path run = (exeFolder.parent_path() / "run").lexically_normal();
    return fs::is_directory(run / "veri", ec) ? run : path();
}

path defaultData(const path& exeFolder) {
    const path run = buildRunFolder(exeFolder);
    return run.empty() ? installedData(exeFolder) : run / "veri";
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

bool prepareUserFolder(const path& user, std::string* why) {
    auto fail = [&](const std::string& reason) {
        if (why) *why = reason;
        return false;
    };
    if (user.empty()) return fail("no home folder");
    std::error_code ec;
    const path shots = userData(user) / "ekrang";
    fs::create_directories(shots, ec);
    if (ec) return fail(ec.message());
    for (const path& folder : {user, shots})
        if (access(folder.c_str(), W_OK | X_OK) != 0)
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
