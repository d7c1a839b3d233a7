// Where one run of the game reads its data and writes its log and screenshots.
#pragma once

#include <filesystem>

#include "app/options.h"
#include "folders/folders.h"

// From the build tree the working folder serves as before; installed, the data set beside the
// program (or --data) is read and the user's folder becomes the working folder. When that
// folder cannot be made or written, one message box says so and the game runs without log
// and screenshots.
void settleFolders(const Options& options,
                   const std::filesystem::path& exeFolder = folders::executableFolder());
