// The club dialog's commands, without a toolkit: a team file loaded, browsed, changed and
// saved, each club's squad checked against the player database the main dialog holds.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "database/team_database.h"
#include "editor/editor_ids.h"
#include "editor/editor_view.h"

class FileOps;
class PlayerDatabase;

class ClubView : public DialogView {
public:
    // As MainView::chooseFile, for team files.
    virtual bool chooseFile(FileDialogKind kind, std::string& path) = 0;
    // The file last loaded or saved, for the title: its name when it is the user's own file,
    // else its whole path, so that the installed demo file shows as such.
    virtual void showFile(const Utf8& /*shown*/) {}
    // The squad list now has this many rows (texts from ClubCommands::squadText), `selected`
    // highlighted (-1: none).
    virtual void showSquad(int32_t rows, int32_t selected) = 0;
    virtual int32_t selectedSquadRow() = 0; // -1 when none
};

// Where the editor finds and keeps team files: from the data set the game would read, the
// user's own file over the installed one (installed), or that data set's own file (a build tree
// or a veri folder in the working folder); start is empty when there is no such file.
struct ClubFiles {
    std::string start;           // opened with the dialog the first time
    std::string proposal;        // what "Kaydet" offers (the user's own file)
    std::string protectedFolder; // the installed tree: never saved into
};

// The team file as last loaded or saved, kept while the editor runs: every opening of the club
// dialog starts from it, and only a load or a save changes it. Changes the user leaves unsaved
// stay in the closed dialog.
struct TeamFileKeeper {
    ClubFiles files;
    TeamDatabase teams;
    std::string file;  // empty until a file has been loaded
    bool whole = true; // false when there was no room for the copy: file is read again
};

class ClubCommands {
public:
    ClubCommands(ClubView& view, const PlayerDatabase& players, TeamFileKeeper& kept);
    ClubCommands(const ClubCommands&) = delete;
    ClubCommands& operator=(const ClubCommands&) = delete;

    // Shows the kept team file, or loads files.start when none has been loaded yet.
    void start();
    bool command(int id); // false for an id without a command

    void load();
    bool loadFile(const std::string& path, bool announce);
    void save();
    void selectTyped();
    void step(int by);
    void modify(); // "Degistir"
    void add();    // "Ekle"
    void addPlayer();
    void removePlayer();
    void movePlayer(int by);
    // "Kapat", Escape and the close box: true when the dialog may close.
    bool leave();

    Utf8 squadText(int32_t row, int column) const; // place, id, name
    const TeamDatabase& teams() const { return *db; }
    int32_t selected() const { return current; }
    bool changed() const { return dirty; }
    const std::string& file() const { return currentFile; }
    void useFileOps(FileOps& ops) { fileOps = &ops; }

private:
    bool selectIndex(int32_t index);
    void showTotal();
    void showSquad(int32_t highlight);
    bool readName(std::string& cp1254Name); // "Kulup adi :" in Windows-1254, or a refusal
    void showFile(const std::string& path); // the file in the title, and offered by "Kaydet"
    void show(const std::string& path);     // a whole database just taken: its first club
    void keep();                            // the dialog's database becomes the kept one
    TeamRecord* club() {
        return current >= 0 && current < db->count ? &db->records[current] : nullptr;
    }
    int32_t clubHolding(int32_t playerId) const; // another club whose squad lists the player
    bool squadsCheckOut();
    std::string playerNameCp1254(int32_t id) const; // "name surname", Windows-1254
    void note(MessageStyle style, const Utf8& text) { view.message(style, text); }

    ClubView& view;
    const PlayerDatabase& players;
    FileOps* fileOps;
    TeamFileKeeper& kept;
    const ClubFiles& files;
    std::unique_ptr<TeamDatabase> db;
    int32_t current = -1;
    bool dirty = false;
    std::string currentFile;
};
