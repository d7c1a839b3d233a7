// Data files are named with backslashes ("veri\gui\dugme"); the host wants '/'.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// The folder a data name's leading "veri" stands for: the working folder's "veri" unless the
// program names another (an installed data set, --data).
inline std::string& dataFolder() {
    static std::string folder = "veri";
    return folder;
}

// The user's own "veri": a file there is read instead of the data folder's file of the same
// relative name, whether it is sound or not. Empty: no such folder.
inline std::string& userDataFolder() {
    static std::string folder;
    return folder;
}

inline std::string hostPath(std::string_view name) {
    constexpr std::string_view kData = "veri\\";
    const bool data = name.starts_with(kData);
    if (data) name.remove_prefix(kData.size());
    std::string relative(name);
    for (char& c : relative)
        if (c == '\\') c = '/';
    if (!data) return relative;
    std::error_code ec;
    if (!userDataFolder().empty() && std::filesystem::exists(userDataFolder() + '/' + relative, ec))
        return userDataFolder() + '/' + relative;
    return dataFolder() + '/' + relative;
}

// Whether a host path is one of the user's own files.
inline bool isUserFile(std::string_view path) {
    const std::string& user = userDataFolder();
    return !user.empty() && path.size() > user.size() && path.starts_with(user) &&
           path[user.size()] == '/';
}
