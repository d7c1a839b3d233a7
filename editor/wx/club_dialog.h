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

    std::string typed(int id) override;
    void setText(int id, const std::string& utf8) override;
    bool message(MessageStyle style, const std::string& utf8) override;
    void setSpinRange(int, int, int) override {}
    bool chooseFile(FileDialogKind kind, std::string& path) override;
    void showFile(const std::string& utf8Name) override;
    void showSquad(int32_t rows, int32_t selected) override;
    int32_t selectedSquadRow() override;

private:
    void askToLeave();

    ClubCommands clubs;
    SquadList* squad = nullptr;
};
