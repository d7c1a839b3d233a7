// The about box and the league, club and manager dialogs: layouts for planned features that
// open one another and store nothing.
#pragma once

#include <wx/dialog.h>

class AboutDialog : public wxDialog {
public:
    explicit AboutDialog(wxWindow* parent);
};

class LeagueDialog : public wxDialog {
public:
    explicit LeagueDialog(wxWindow* parent);
};

class ClubDialog : public wxDialog {
public:
    explicit ClubDialog(wxWindow* parent);
};

class ManagerDialog : public wxDialog {
public:
    explicit ManagerDialog(wxWindow* parent);
};

// The program's icon, for the windows and the about box.
class wxIcon;
const wxIcon& programIcon();
