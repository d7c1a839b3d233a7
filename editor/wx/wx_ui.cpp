#include "editor/wx/wx_ui.h"

#include <algorithm>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textentry.h>

#include "text/cp1254.h"

wxString wxFromCp1254(const char* cp1254Text) {
    return wxString::FromUTF8(cp1254::toUtf8(cp1254Text));
}

wxString wxFromUtf8(const Utf8& text) {
    return wxString::FromUTF8(text.bytes().data(), text.bytes().size());
}

bool showMessage(wxWindow* parent, MessageStyle style, const Utf8& text) {
    long flags = 0;
    switch (style) {
    case MessageStyle::ASK_QUESTION:
        flags = wxYES_NO | wxICON_QUESTION;
        break;
    case MessageStyle::ASK_WARNING:
        flags = wxYES_NO | wxICON_WARNING;
        break;
    case MessageStyle::NOTE_WARNING:
        flags = wxOK | wxICON_WARNING;
        break;
    case MessageStyle::NOTE_DONE:
        flags = wxOK | wxICON_QUESTION;
        break;
    }
    wxMessageDialog box(parent, wxFromUtf8(text), wxTheApp->GetAppName(), flags);
    if (flags & wxYES_NO)
        box.SetYesNoLabels(wxFromCp1254("Evet"), wxFromCp1254("Hayır"_w));
    else
        box.SetOKLabel(wxFromCp1254("Tamam"));
    const int answer = box.ShowModal();
    return answer == wxID_YES || answer == wxID_OK;
}

wxButton* narrowButton(wxWindow* parent, int id, const char* caption) {
    constexpr int PADDING = 6; // each side of the caption
    auto* b = new wxButton(parent, id, wxFromCp1254(caption), wxDefaultPosition, wxDefaultSize,
                           wxBU_EXACTFIT);
    const wxSize best = b->GetBestSize();
    b->SetMinSize(wxSize(std::max(best.x, b->GetTextExtent(b->GetLabel()).x + 2 * PADDING), -1));
    return b;
}

wxStaticBoxSizer* groupBox(wxWindow* parent, const char* caption, int orient) {
    return new wxStaticBoxSizer(orient, parent, wxFromCp1254(caption));
}

void addLabel(wxSizer* sizer, wxWindow* parent, const char* label) {
    auto* box = dynamic_cast<wxBoxSizer*>(sizer);
    const int align = box && box->GetOrientation() == wxVERTICAL ? 0 : wxALIGN_CENTER_VERTICAL;
    sizer->Add(new wxStaticText(parent, wxID_ANY, wxFromCp1254(label)), 0, align | wxALL, 3);
}

void addLabeled(wxSizer* sizer, wxWindow* parent, const char* label, wxWindow* control) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    addLabel(row, parent, label);
    row->Add(control, 1, wxALIGN_CENTER_VERTICAL | wxALL, 2);
    sizer->Add(row, 0, wxEXPAND);
}

Utf8 controlText(wxWindow* dialog, int id) {
    wxWindow* w = dialog->FindWindow(id);
    if (!w) return {};
    if (auto* entry = dynamic_cast<wxTextEntry*>(w)) return Utf8(entry->GetValue().utf8_string());
    if (auto* label = dynamic_cast<wxStaticText*>(w))
        return Utf8(label->GetLabelText().utf8_string());
    return Utf8(w->GetLabel().utf8_string());
}

void setControlText(wxWindow* dialog, int id, const Utf8& text) {
    wxWindow* w = dialog->FindWindow(id);
    if (!w) return;
    if (auto* entry = dynamic_cast<wxTextEntry*>(w))
        entry->ChangeValue(wxFromUtf8(text));
    else if (auto* label = dynamic_cast<wxStaticText*>(w))
        label->SetLabelText(wxFromUtf8(text));
    else
        w->SetLabel(wxFromUtf8(text));
}

bool chooseDatabaseFile(wxWindow* parent, const char* title, const char* filter,
                        FileDialogKind kind, std::string& path) {
    const bool open = kind == FileDialogKind::OPEN;
    const wxFileName proposal(wxString::FromUTF8(path)); // the host path: UTF-8
    wxFileDialog dialog(parent, wxFromCp1254(title), proposal.GetPath(), proposal.GetFullName(),
                        filter, open ? wxFD_OPEN : wxFD_SAVE);
    if (dialog.ShowModal() != wxID_OK) return false;
    path = dialog.GetPath().utf8_string();
    // GTK selects a file given by name only once its folder is read; the name is known sooner.
    if (path.empty() && !dialog.GetFilename().empty())
        path = wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath().utf8_string();
    return !path.empty();
}
