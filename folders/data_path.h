// Where a data name ("veri\gui\dugme") is opened: the data folder and the user's own folder
// the game settles at start-up, and the look-up between them.
#pragma once

#include <string>
#include <string_view>

#include "text/path.h"

struct DataFolders {
    // The folder a data name's leading "veri" stands for: the working folder's "veri" unless the
    // program names another (an installed data set, --data).
    std::string data = "veri";
    // The user's own "veri": a file there is read instead of the data folder's file of the same
    // relative name, whether it is sound or not. Empty: no such folder.
    std::string user;

    // The host path a data name is opened at; other names only change their separators.
    std::string hostPath(std::string_view name) const;
    // Whether a host path is one of the user's own files.
    bool isUserFile(std::string_view path) const;
};
