// The wx side of the editor's texts and message boxes: Windows-1254 (const char*) and UTF-8
// (Utf8) become wxString here, and every message box takes the program's name as caption.
#pragma once

#include <string>
#include <wx/string.h>

#include "editor/editor_view.h"

class wxSizer;
class wxStaticBoxSizer;
class wxWindow;

// A Windows-1254 text, or UTF-8 text, as the toolkit's string.
wxString wxFromCp1254(const char* cp1254Text);
wxString wxFromUtf8(const Utf8& text);

bool showMessage(wxWindow* parent, MessageStyle style, const Utf8& text);

class wxButton;

// A button as narrow as its caption allows, with room between the caption and its border.
wxButton* narrowButton(wxWindow* parent, int id, const char* cp1254Caption);

// Dialog-building helpers: a captioned group box, a label before a control, a plain label.
wxStaticBoxSizer* groupBox(wxWindow* parent, const char* cp1254Caption, int orient);
void addLabeled(wxSizer* sizer, wxWindow* parent, const char* cp1254Label, wxWindow* control);
void addLabel(wxSizer* sizer, wxWindow* parent, const char* cp1254Label);

// The Open or Save dialog for a database file, titled and filtered; false when cancelled. A
// path given in is offered (its folder must exist to be opened); out comes the host's path.
// No overwrite prompt: the commands ask once the extension is added.
bool chooseDatabaseFile(wxWindow* parent, const char* cp1254Title, const char* filter,
                        FileDialogKind kind, std::string& path);

// A control's text by id: the value of an edit or combo, else the label.
Utf8 controlText(wxWindow* dialog, int id);
void setControlText(wxWindow* dialog, int id, const Utf8& text);
