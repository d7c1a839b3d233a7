#include "folders/data_path.h"

#include <filesystem>
#include <system_error>

std::string hostPath(std::string_view name) {
    const bool data = isDataName(name);
    const std::string relative = slashedName(data ? name.substr(dataPrefix.size()) : name);
    if (!data) return relative;
    std::error_code ec;
    if (!userDataFolder().empty() && std::filesystem::exists(userDataFolder() + '/' + relative, ec))
        return userDataFolder() + '/' + relative;
    return dataFolder() + '/' + relative;
}

bool isUserFile(std::string_view path) {
    const std::string& user = userDataFolder();
    return !user.empty() && path.size() > user.size() && path.starts_with(user) &&
           path[user.size()] == '/';
}
