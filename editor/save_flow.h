// "Kaydet" of a database file, shared by the player and the team files: the Save dialog, the
// installed tree's refusal, the questions, the offered file's folders and the atomic write,
// with every message the user sees on the way. A save never replaces a file of another kind.
#pragma once

#include <functional>
#include <string>

#include "editor/editor_view.h"

// What a file holds, as its first bytes tell.
enum class DataFileKind { PLAYERS, TEAMS, CALENDAR, OTHER };

// The kind of an existing file: a player or team file by its header's version, a calendar by a
// month count its size matches; OTHER for anything else (an empty or short file included).
DataFileKind fileKindOf(const std::string& path);
// The kind the game gives a file of this name: .odt, .tdt or .trh in any case; OTHER for others.
DataFileKind kindOfName(const std::string& path);

struct SaveOptions {
    std::string current;         // the file last loaded or saved; offered first
    std::string proposal;        // the user's own file, offered instead of none or an installed one
    std::string protectedFolder; // nothing inside it is written
    DataFileKind kind;           // PLAYERS or TEAMS: what is written, and the extension it gets
};

// Asks the file dialog for a path (false: cancelled); a path given in is its proposal.
using ChooseSaveFile = std::function<bool(std::string& path)>;
// Writes the whole file atomically; false with errno set.
using WriteDatabase = std::function<bool(const char* path)>;

// The name the file gets: the extension added to a name without one or ending in a dot.
std::string withExtension(std::string path, const char* extension);

// Runs the whole command; true when the file was written, its path then in `saved`.
bool saveDatabase(DialogView& view, const SaveOptions& options, const ChooseSaveFile& choose,
                  const WriteDatabase& write, std::string& saved);
