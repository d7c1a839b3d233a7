// The editor program: one modal main dialog; the program ends when it does.
#pragma once

#include <wx/app.h>
#include <wx/string.h>

class EditorApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;

private:
    wxString startFile; // optional player file named on the command line
};
