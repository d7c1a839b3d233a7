// Where both programs find the data set and where the game writes: the installed data beside
// the executable, the build tree's run folder, a veri folder in the working folder, and the
// user's own folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace folders {

using std::filesystem::path;

// The folder holding the running program; empty when the system does not say.
path executableFolder();

// <exe>/../share/menajer: the installed tree's own files, never written by the programs.
path installedTree(const path& exeFolder = executableFolder());

enum class DataSource { NONE, OPTION, INSTALLED, WORKING_FOLDER, BUILD_TREE };

struct DataSet {
    DataSource source = DataSource::NONE;
    path veri; // the data set; when none: --data's folder or the working one's veri
    std::vector<path> lookedIn; // every folder looked at, in order
};

// The data set a program runs on: `option` (--data) when given, else the installed one beside
// the program, else <workingFolder>/veri, else the build tree's run/veri. The working folder
// comes before the build tree so that a build runs on the copy of run/ it is started in.
DataSet findData(const path& option, const path& exeFolder, const path& workingFolder);

// $XDG_DATA_HOME/menajer, or <home>/.local/share/menajer when that variable is unset, empty
// or not absolute; empty when there is no absolute home either.
path userFolder(const char* xdgDataHome, const char* home);
path userFolder(); // from the environment (the password file when HOME is unset)
inline path userData(const path& user) {
    return user / "veri";
}

// Creates <folder>/veri/ekrang and checks that it and <folder> can be written (the game's log
// and screenshots); on failure false with the reason in `why`.
bool prepareRunFolder(const path& folder, std::string* why = nullptr);

// Whether `file` (existing or not) lies inside `folder`, after resolving links and "..".
bool isInside(const path& file, const path& folder);

} // namespace folders
