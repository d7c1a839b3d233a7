// The editor's main dialog: the identity fields, the commands' buttons and the search list.
// Every button goes to EditorCommands; this class only shows.
#pragma once

#include <wx/dialog.h>

#include "editor/club_commands.h"
#include "editor/editor_commands.h"
#include "editor/editor_view.h"

class ResultList;
class wxListCtrl;

class PlayerEditorDialog : public wxDialog, public MainView {
public:
    explicit PlayerEditorDialog(wxWindow* parent);

    EditorCommands& commands() { return editor; }
    // The team files the club dialog opens and offers.
    void useClubFiles(ClubFiles files) { teamFile.files = std::move(files); }
    wxListCtrl* resultList();
    // "Kapat", Escape and the close box alike: ends the dialog only when the user agrees.
    void askToExit();

    Utf8 typed(int id) override;
    void setText(int id, const Utf8& text) override;
    bool message(MessageStyle style, const Utf8& text) override;
    void setSpinRange(int, int, int) override {}
    void addChoice(int comboId, const Utf8& text) override;
    void addColumn(const Utf8& title, int width) override;
    bool chooseFile(FileDialogKind kind, std::string& path) override;
    void showFile(const Utf8& shown) override;
    void showRows(int32_t rows) override;
    int32_t firstSelectedRow() override;
    void runAttributeDialog(AttributeForm& form) override;
    void runLeagueDialogs() override;

private:
    void build();
    void bindCommands();

    EditorCommands editor;
    TeamFileKeeper teamFile; // what every opening of the club dialog starts from
    ResultList* results = nullptr;
};
