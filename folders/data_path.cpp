#include "folders/data_path.h"

#include <filesystem>
#include <system_error>

std::string DataFolders::hostPath(std::string_view name) const {
    const bool dataName = isDataName(name);
    const std::string relative = slashedName(dataName ? name.substr(dataPrefix.size()) : name);
    if (!dataName) return relative;
    std::error_code ec;
    if (!user.empty() && std::filesystem::exists(user + '/' + relative, ec))
        return user + '/' + relative;
    return data + '/' + relative;
}

bool DataFolders::isUserFile(std::string_view path) const {
    return !user.empty() && path.size() > user.size() && path.starts_with(user) &&
           path[user.size()] == '/';
}
