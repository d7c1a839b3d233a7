// Where both programs find the data set and where the game writes: the installed data beside
// the executable, the build tree's run folder, and the user's own folder.
#pragma once

#include <filesystem>
#include <string>

namespace folders {

using std::filesystem::path;

// The folder holding the running program; empty when the system does not say.
path executableFolder();

// <exe>/../share/menajer: the installed tree's own files, never written by the programs.
path installedTree(const path& exeFolder = executableFolder());
// <exe>/../share/menajer/veri when it holds a data set; empty otherwise.
path installedData(const path& exeFolder = executableFolder());
// <build>/run when the program runs from a build tree (<exe>/../run/veri exists); empty otherwise.
path buildRunFolder(const path& exeFolder = executableFolder());
// The data set a program starts on: the build tree's run/veri, else the installed one.
path defaultData(const path& exeFolder = executableFolder());

// $XDG_DATA_HOME/menajer, or <home>/.local/share/menajer when that variable is unset, empty
// or not absolute; empty when there is no absolute home either.
path userFolder(const char* xdgDataHome, const char* home);
path userFolder(); // from the environment (the password file when HOME is unset)
inline path userData(const path& user) {
    return user / "veri";
}

// Creates <user>, <user>/veri and <user>/veri/ekrang and checks they can be written; on failure
// false with the reason in `why`.
bool prepareUserFolder(const path& user, std::string* why = nullptr);

// Whether `file` (existing or not) lies inside `folder`, after resolving links and "..".
bool isInside(const path& file, const path& folder);

} // namespace folders
