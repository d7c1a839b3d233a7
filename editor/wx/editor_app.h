// The editor program: one modal main dialog; the program ends when it does.
#pragma once

#include <wx/app.h>
#include <wx/string.h>

#include <string>

#include "editor/club_commands.h"

class EditorApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;

private:
    wxString startFile;        // the player file loaded at the start; empty: none
    std::string protectedTree; // no save goes in here (the installed tree)
    std::string saveProposal;  // what "Kaydet" offers before a file has been used
    ClubFiles clubFiles;       // the club dialog's team files, found the same way
};
