// The club dialog: the team file's clubs and their squads. Every button goes to ClubCommands;
// this class only shows.
#pragma once

#include <wx/dialog.h>

#include "editor/club_commands.h"

class SquadList;
class wxListCtrl;

class ClubDialog : public wxDialog, public ClubView {
public:
    ClubDialog(wxWindow* parent, const PlayerDatabase& players, TeamFileKeeper& kept);

    ClubCommands& commands() { return clubs; }
    wxListCtrl* squadList();

    Utf8 typed(int id) override;
    void setText(int id, const Utf8& text) override;
    bool message(MessageStyle style, const Utf8& text) override;
    void setSpinRange(int, int, int) override {}
    bool chooseFile(FileDialogKind kind, std::string& path) override;
    void showFile(const Utf8& shown) override;
    void showSquad(int32_t rows, int32_t selected) override;
    int32_t selectedSquadRow() override;

private:
    void askToLeave();

    ClubCommands clubs;
    SquadList* squad = nullptr;
};
