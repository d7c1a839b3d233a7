// Data files are named with backslashes ("veri\gui\dugme"); the host wants '/'.
#pragma once

#include <string>
#include <string_view>

// The leading folder of every name inside the data set.
inline constexpr std::string_view dataPrefix = "veri\\";

inline bool isDataName(std::string_view name) {
    return name.starts_with(dataPrefix);
}

// The name with '/' for every backslash.
inline std::string slashedName(std::string_view name) {
    std::string host(name);
    for (char& c : host)
        if (c == '\\') c = '/';
    return host;
}
