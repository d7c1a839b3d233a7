// Where one run of the game reads its data and writes its log and screenshots.
#pragma once

#include <filesystem>

#include "app/options.h"
#include "folders/data_path.h"
#include "folders/folders.h"

// The data set comes from --data, the installed set beside the program, a veri folder in the
// working folder or the build tree's run folder, in that order; rav3d.htm names the one taken.
// A data set of the working folder's or the build tree's own gets the log and the shots beside
// it; every other run writes into the user's folder and reads the user's own files over the
// data set. One message box names the folders looked in when none holds a data set, and one
// says so when no folder can take the log and the shots. Returns the folders data names are
// then opened in.
DataFolders settleFolders(const Options& options,
                          const std::filesystem::path& exeFolder = folders::executableFolder(),
                          std::filesystem::path workingFolder = {}); // empty: the current one
