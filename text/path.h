// Data files are named with backslashes ("veri\gui\dugme"); the host wants '/'.
#pragma once

#include <string>
#include <string_view>

// The folder a data name's leading "veri" stands for: the working folder's "veri" unless the
// program names another (an installed data set, --data).
inline std::string& dataFolder() {
    static std::string folder = "veri";
    return folder;
}

inline std::string hostPath(std::string_view name) {
    constexpr std::string_view kData = "veri\\";
    std::string out;
    if (name.starts_with(kData)) {
        out = dataFolder() + '/';
        name.remove_prefix(kData.size());
    }
    const size_t start = out.size();
    out += name;
    for (size_t i = start; i < out.size(); ++i)
        if (out[i] == '\\') out[i] = '/';
    return out;
}
