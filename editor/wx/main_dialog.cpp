#include "editor/wx/main_dialog.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/icon.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

#include "editor/editor_ids.h"
#include "editor/wx/attribute_dialog.h"
#include "editor/wx/club_dialog.h"
#include "editor/wx/placeholder_dialogs.h"
#include "editor/wx/wx_ui.h"
#include "text/cp1254.h"

// The search result list: virtual, so a hundred thousand rows cost nothing until drawn.
class ResultList : public wxListCtrl {
public:
    ResultList(wxWindow* parent, EditorCommands& editor)
        : wxListCtrl(parent, ctl::RESULTS, wxDefaultPosition, wxSize(250, 420),
                     wxLC_REPORT | wxLC_VIRTUAL | wxLC_NO_SORT_HEADER),
          editor(editor) {}

    wxString OnGetItemText(long item, long column) const override {
        return wxFromUtf8(editor.rowText(int32_t(item), int(column)));
    }

private:
    EditorCommands& editor;
};

namespace {

constexpr const char* TITLE = "Oyuncu bilgileri datasi giris programi - DATABASE - Zendor";
constexpr const char* FILE_FILTER = "Oyuncu Database(*.odt)|*.odt";

wxTextCtrl* edit(wxWindow* parent, int id, int width = 150) {
    return new wxTextCtrl(parent, id, "", wxDefaultPosition, wxSize(width, -1));
}

wxComboBox* combo(wxWindow* parent, int id, int width) {
    return new wxComboBox(parent, id, "", wxDefaultPosition, wxSize(width, -1), 0, nullptr,
                          wxCB_DROPDOWN | wxCB_SORT);
}

wxButton* button(wxWindow* parent, int id, const char* caption) {
    return new wxButton(parent, id, wxFromCp1254(caption));
}

} // namespace

PlayerEditorDialog::PlayerEditorDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, TITLE, wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxMINIMIZE_BOX | wxMAXIMIZE_BOX | wxRESIZE_BORDER),
      editor(*this) {
    build();
    SetIcon(programIcon());
    bindCommands();
}

void PlayerEditorDialog::build() {
    auto* columns = new wxBoxSizer(wxHORIZONTAL);

    // Left: the shown player's identity.
    auto* player = groupBox(this, "Oyuncu bilgisi", wxVERTICAL);
    wxWindow* pb = player->GetStaticBox();
    auto* names = groupBox(pb, "Ad Soyad", wxVERTICAL);
    wxWindow* nb = names->GetStaticBox();
    addLabeled(names, nb, "Oyuncu Adi :", edit(nb, ctl::NAME));
    addLabeled(names, nb, "Oyuncu Soyadi:", edit(nb, ctl::SURNAME));
    player->Add(names, 0, wxEXPAND | wxALL, 4);
    auto* origin = groupBox(pb, "Ülke - Dogdugu yer - dil"_w, wxVERTICAL);
    wxWindow* ob = origin->GetStaticBox();
    addLabeled(origin, ob, "Ülke :"_w, edit(ob, ctl::COUNTRY));
    addLabeled(origin, ob, "Dil :", combo(ob, ctl::LANGUAGE, 150));
    addLabeled(origin, ob, "Dogdugu Yer :", edit(ob, ctl::BIRTHPLACE));
    auto* born = groupBox(ob, "Dogdugu Tarih :", wxHORIZONTAL);
    wxWindow* bb = born->GetStaticBox();
    // Labels above their combos keep the box narrow enough for the year's four digits.
    const struct {
        const char* label;
        int id, width;
    } dateParts[] = {{"Gun :", ctl::DAY, 75}, {"Ay : ", ctl::MONTH, 75}, {"Yil : ", ctl::YEAR, 95}};
    for (const auto& part : dateParts) {
        auto* column = new wxBoxSizer(wxVERTICAL);
        addLabel(column, bb, part.label);
        column->Add(combo(bb, part.id, part.width), 0, wxALL, 2);
        born->Add(column);
    }
    origin->Add(born, 0, wxEXPAND | wxALL, 4);
    player->Add(origin, 0, wxEXPAND | wxALL, 4);
    player->Add(button(pb, ctl::ADD, "Ekle"), 0, wxALIGN_RIGHT | wxALL, 4);
    columns->Add(player, 0, wxEXPAND | wxALL, 6);

    // Middle: file, selection and the other dialogs.
    auto* middle = new wxBoxSizer(wxVERTICAL);
    auto* file = groupBox(this, "Veri Kaydet/ Yukle", wxHORIZONTAL);
    file->Add(button(file->GetStaticBox(), ctl::LOAD, "Yukle"), 0, wxALL, 3);
    file->Add(button(file->GetStaticBox(), ctl::SAVE, "Kaydet"), 0, wxALL, 3);
    middle->Add(file, 0, wxEXPAND | wxALL, 3);
    auto* change = groupBox(this, "Oyuncu Degistir", wxVERTICAL);
    wxWindow* cb = change->GetStaticBox();
    addLabeled(change, cb, "Oyuncu ID : ",
               new wxTextCtrl(cb, ctl::TYPED_ID, "", wxDefaultPosition, wxSize(70, -1), 0,
                              wxTextValidator(wxFILTER_DIGITS)));
    auto* arrows = new wxBoxSizer(wxHORIZONTAL);
    for (wxButton* b :
         {button(cb, ctl::PREVIOUS, "<<<<<--------------"), button(cb, ctl::SELECT, "Sec"),
          button(cb, ctl::NEXT, "------------>>>>>")}) {
        b->SetWindowStyle(wxBU_EXACTFIT);
        arrows->Add(b, 0, wxALL, 2);
    }
    change->Add(arrows);
    change->Add(new wxStaticText(cb, ctl::SHOWN_ID, ""), 0, wxALL, 3);
    change->Add(new wxStaticText(cb, ctl::TOTAL, ""), 0, wxALL, 3);
    change->Add(button(cb, ctl::MODIFY, "Degistir"), 0, wxALIGN_RIGHT | wxALL, 3);
    middle->Add(change, 0, wxEXPAND | wxALL, 3);
    auto* fresh = groupBox(this, "Oyuncu Yeni Secim :", wxHORIZONTAL);
    fresh->Add(button(fresh->GetStaticBox(), ctl::CLEAR, "Bosalt : Sifirla"), 0, wxALL, 3);
    middle->Add(fresh, 0, wxEXPAND | wxALL, 3);
    auto* more = groupBox(this, "Secili Oyuncu Diger Ozellikler :", wxVERTICAL);
    auto* grid = new wxGridSizer(2, 2, 2);
    for (AttributeKind kind : {AttributeKind::TECHNICAL, AttributeKind::PHYSICAL,
                               AttributeKind::MENTAL, AttributeKind::DETAIL}) {
        const int id = attributeLayout(kind).opener;
        const char* caption = id == ctl::TECHNICAL  ? "Teknik Ozel."
                              : id == ctl::PHYSICAL ? "Fiziksel Ozel."
                              : id == ctl::MENTAL   ? "Zihinsel Ozel."
                                                    : "Oyuncu Detay Ozel";
        grid->Add(button(more->GetStaticBox(), id, caption), 0, wxEXPAND);
    }
    more->Add(grid, 0, wxEXPAND | wxALL, 3);
    middle->Add(more, 0, wxEXPAND | wxALL, 3);
    auto* bottom = new wxBoxSizer(wxHORIZONTAL);
    auto* other = groupBox(this, "Diger DATABASE Bilgileri", wxHORIZONTAL);
    other->Add(button(other->GetStaticBox(), ctl::LEAGUES, "LIGLER"), 0, wxALL, 3);
    bottom->Add(other, 1, wxEXPAND | wxALL, 3);
    auto* leave = groupBox(this, "Kapat", wxHORIZONTAL);
    leave->Add(button(leave->GetStaticBox(), ctl::CLOSE, "Kapat"), 0, wxALL, 3);
    bottom->Add(leave, 0, wxEXPAND | wxALL, 3);
    middle->Add(bottom, 0, wxEXPAND);
    columns->Add(middle, 0, wxEXPAND | wxALL, 3);

    // Right: the search.
    auto* search = groupBox(this, "Ara", wxVERTICAL);
    wxWindow* sb = search->GetStaticBox();
    addLabeled(search, sb, "Adi :", edit(sb, ctl::QUERY_NAME, 120));
    addLabeled(search, sb, "Soyad", edit(sb, ctl::QUERY_SURNAME, 120));
    auto* run = new wxBoxSizer(wxHORIZONTAL);
    run->Add(button(sb, ctl::SEARCH, "Ara"), 0, wxALL, 3);
    run->Add(new wxStaticText(sb, ctl::FOUND, ""), 1, wxALIGN_CENTER_VERTICAL | wxALL, 3);
    search->Add(run, 0, wxEXPAND);
    results = new ResultList(sb, editor);
    search->Add(results, 1, wxEXPAND | wxALL, 3);
    columns->Add(search, 1, wxEXPAND | wxALL, 6);

    SetSizerAndFit(columns);
}

void PlayerEditorDialog::bindCommands() {
    for (int id : {ctl::SAVE, ctl::ADD, ctl::SELECT, ctl::LOAD, ctl::MODIFY, ctl::NEXT,
                   ctl::PREVIOUS, ctl::CLEAR, ctl::SEARCH, ctl::TECHNICAL, ctl::PHYSICAL,
                   ctl::MENTAL, ctl::DETAIL, ctl::LEAGUES})
        Bind(
            wxEVT_BUTTON, [this, id](wxCommandEvent&) { editor.command(id); }, id);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { askToExit(); }, ctl::CLOSE);
    SetEscapeId(ctl::CLOSE);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& e) {
        if (e.CanVeto() && !editor.exit()) {
            e.Veto();
        } else if (IsModal()) {
            EndModal(ctl::CLOSE);
        } else {
            e.Skip();
        }
    });
    Bind(
        wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { editor.listActivated(); }, ctl::RESULTS);
    // No system menu under this toolkit: the about item sits in the dialog's context menu.
    // A text field keeps its own (cut, copy, paste).
    Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent& e) {
        if (dynamic_cast<wxTextEntry*>(e.GetEventObject())) {
            e.Skip();
            return;
        }
        wxMenu menu;
        menu.Append(ctl::ABOUT, wxFromCp1254("&Kadroed Hakkinda ...(ve Zendor)"));
        PopupMenu(&menu);
    });
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { AboutDialog(this).ShowModal(); }, ctl::ABOUT);
    editor.start();
}

wxListCtrl* PlayerEditorDialog::resultList() {
    return results;
}

void PlayerEditorDialog::askToExit() {
    if (editor.exit() && IsModal()) EndModal(ctl::CLOSE);
}

Utf8 PlayerEditorDialog::typed(int id) {
    return controlText(this, id);
}

void PlayerEditorDialog::setText(int id, const Utf8& text) {
    setControlText(this, id, text);
    if (dynamic_cast<wxStaticText*>(FindWindow(id))) Layout(); // labels may have grown
}

bool PlayerEditorDialog::message(MessageStyle style, const Utf8& text) {
    return showMessage(this, style, text);
}

void PlayerEditorDialog::addChoice(int comboId, const Utf8& text) {
    if (auto* c = dynamic_cast<wxComboBox*>(FindWindow(comboId))) c->Append(wxFromUtf8(text));
}

void PlayerEditorDialog::addColumn(const Utf8& title, int width) {
    results->AppendColumn(wxFromUtf8(title), wxLIST_FORMAT_LEFT, width);
}

bool PlayerEditorDialog::chooseFile(FileDialogKind kind, std::string& path) {
    return chooseDatabaseFile(
        this, kind == FileDialogKind::OPEN ? "Oyuncu Database Yukle" : "Oyuncu Database Kaydet",
        FILE_FILTER, kind, path);
}

void PlayerEditorDialog::showFile(const Utf8& shown) {
    SetTitle(wxString(TITLE) + " - " + wxFromUtf8(shown));
}

void PlayerEditorDialog::showRows(int32_t rows) {
    // A highlight kept by position would now mark another player.
    for (long row = -1;
         (row = results->GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) >= 0;)
        results->SetItemState(row, 0, wxLIST_STATE_SELECTED);
    results->SetItemCount(rows);
    results->Refresh();
}

int32_t PlayerEditorDialog::firstSelectedRow() {
    return int32_t(results->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

void PlayerEditorDialog::runAttributeDialog(AttributeForm& form) {
    AttributeDialog(this, form).ShowModal();
}

void PlayerEditorDialog::runLeagueDialogs() {
    LeagueDialog(this, [this](wxWindow* parent) {
        ClubDialog(parent, editor.database(), teamFile).ShowModal();
    }).ShowModal();
}
