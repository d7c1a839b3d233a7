// Data files are named with backslashes ("veri\gui\dugme"); the host wants '/'.
#pragma once

#include <string>
#include <string_view>

inline std::string hostPath(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}
