// Every command of the editor's main dialog, without a toolkit: the dialog hands each button
// here and shows what the commands write through MainView.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "database/player_database.h"
#include "editor/attribute_form.h"
#include "editor/editor_view.h"

class FileOps;

class EditorCommands {
public:
    explicit EditorCommands(MainView& view);
    EditorCommands(const EditorCommands&) = delete;
    EditorCommands& operator=(const EditorCommands&) = delete;

    // Dialog initialisation: combos, list columns, the empty database. False when the
    // database's memory cannot be had (the message has been shown): the program must end.
    bool start();
    bool ready() const { return found != nullptr && db.editorForm(); }
    // Runs the command bound to a main-dialog control; false for an id without one.
    bool command(int id);

    void selectTyped(); // "Sec"
    void step(int by);  // the arrows: -1 previous, +1 next
    void clear();       // "Bosalt : Sifirla"
    void modify();      // "Degistir"
    void load();        // "Yukle"
    // Reads a player file as a confirmed "Yukle" does; `announce` shows the completion
    // notice. Refusals are always shown.
    bool loadFile(const std::string& path, bool announce);
    void save();          // "Kaydet"
    void add();           // "Ekle"
    void search();        // "Ara"
    void listActivated(); // double-click in the result list
    void openAttributes(AttributeKind kind);
    void leagues(); // "LIGLER"
    // "Kapat", Escape and the close box: true when the user wants to leave.
    bool exit();

    // A result row's column (0 name, 1 surname, 2 id).
    Utf8 rowText(int32_t row, int column) const;
    int32_t rows() const { return foundCount; }

    PlayerDatabase& database() { return db; }
    // The file last loaded or saved (the host's path); empty before either.
    const std::string& file() const { return currentFile; }
    // Where saving reaches the disk; the system's calls unless a caller needs others.
    void useFileOps(FileOps& ops) { fileOps = &ops; }
    // The file "Kaydet" offers (the one the game reads). Its missing folders exist only while
    // the file dialog is open and after a save into them.
    void proposeSaveFile(std::string path) { saveProposal = std::move(path); }
    // "Kaydet" refuses any file inside this folder (the installed data set).
    void protectFolder(std::string folder) { protectedFolder = std::move(folder); }

private:
    struct FoundRow {
        int32_t id;
        char name[PLAYER_TEXT_SIZE];
        char surname[PLAYER_TEXT_SIZE];
    };

    void showPlayer(int32_t index);
    bool selectIndex(int32_t index); // false and a message when outside the database
    bool readIdentity(PlayerRecord& into);
    // A control's typed text into a record field, in Windows-1254; `label` (Windows-1254) names
    // the field in the refusal of a character the code page lacks.
    bool readText(int id, const char* label, char* field, std::size_t size);
    void showCp1254(int id, std::string_view cp1254); // a Windows-1254 text into a control
    void note(MessageStyle style, const Utf8& text);
    void useFile(const std::string& path);
    // Lists the last search's matches in the database as it now is.
    void findRows();
    void databaseChanged(); // keeps the rows naming the players they show
    bool rowNamesItsPlayer(int32_t row) const;

    MainView& view;
    FileOps* fileOps;
    std::string saveProposal;
    std::string protectedFolder;
    PlayerDatabase db;
    PlayerRecord scratch{};
    // Copies, so a row shows what was found even if the database changes under it.
    std::unique_ptr<FoundRow[]> found;
    int32_t foundCount = 0;
    bool searched = false;
    PlayerRecord query{}; // the last search's name and surname
    std::string currentFile;
};
