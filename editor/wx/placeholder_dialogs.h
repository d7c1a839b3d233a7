// The about box and the league and manager dialogs: layouts for planned features that store
// nothing. The club dialog (club_dialog.h) is built on the same frame.
#pragma once

#include <functional>
#include <wx/dialog.h>

class wxBoxSizer;
class wxSizer;
class wxStaticBoxSizer;

class AboutDialog : public wxDialog {
public:
    explicit AboutDialog(wxWindow* parent);
};

// "KULUPLER" calls openClubs with the league dialog as parent.
class LeagueDialog : public wxDialog {
public:
    LeagueDialog(wxWindow* parent, std::function<void(wxWindow*)> openClubs);
};

class ManagerDialog : public wxDialog {
public:
    explicit ManagerDialog(wxWindow* parent);
};

// The program's icon, for the windows and the about box.
class wxIcon;
const wxIcon& programIcon();

struct Button {
    int id;
    const char* caption; // Windows-1254
};

// The browse buttons' ids: "Ekle", "Degistir", "Sec", "<<<<<<<<<" and ">>>>>>>>".
struct BrowseIds {
    int add, modify, select, previous, next;
};

// Identity box, id line, browse and file buttons: the frame the league, club and manager
// dialogs share, every control it creates with the id given. The id line's two labels get
// shownId and totalId. Every caption is Windows-1254.
struct PlaceholderLayout {
    wxBoxSizer* top;
    wxStaticBoxSizer* identity;
    wxBoxSizer* extra; // the column right of the frame
};
PlaceholderLayout startLayout(wxDialog* d, const char* identityBox, const char* idLabel,
                              Button idEdit, const BrowseIds& browse, Button load, Button save,
                              int shownId = wxID_ANY, int totalId = wxID_ANY);
// Adds "Kapat" (which ends the dialog; Escape too) and fits the dialog.
void finishLayout(wxDialog* d, const PlaceholderLayout& l);
// A button in a captioned box that opens the next dialog of the chain (captions Windows-1254).
void addOpener(wxDialog* d, wxSizer* into, const char* boxCaption, int id, const char* caption,
               std::function<void(wxWindow*)> open);
