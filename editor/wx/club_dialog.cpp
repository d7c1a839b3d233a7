#include "editor/wx/club_dialog.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

#include "editor/editor_ids.h"
#include "editor/wx/placeholder_dialogs.h"
#include "editor/wx/wx_ui.h"
#include "text/cp1254.h"

// The squad: virtual, its rows come from the commands when drawn.
class SquadList : public wxListCtrl {
public:
    SquadList(wxWindow* parent, ClubCommands& clubs)
        : wxListCtrl(parent, club_ctl::SQUAD, wxDefaultPosition, wxSize(330, 300),
                     wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL | wxLC_NO_SORT_HEADER),
          clubs(clubs) {
        AppendColumn("Sira", wxLIST_FORMAT_RIGHT, 40);
        AppendColumn("ID", wxLIST_FORMAT_RIGHT, 60);
        AppendColumn("Adi Soyadi", wxLIST_FORMAT_LEFT, 210);
    }

    wxString OnGetItemText(long item, long column) const override {
        return wxFromUtf8(clubs.squadText(int32_t(item), int(column)));
    }

private:
    ClubCommands& clubs;
};

namespace {

constexpr const char* TITLE = "Kulup bilgileri :";
constexpr const char* FILE_FILTER = "Takim Database(*.tdt)|*.tdt";

} // namespace

ClubDialog::ClubDialog(wxWindow* parent, const PlayerDatabase& players, TeamFileKeeper& kept)
    : wxDialog(parent, wxID_ANY, TITLE), clubs(*this, players, kept) {
    const PlaceholderLayout l = startLayout(
        this, "Kulup bilgisi", "Kulup id :", {club_ctl::TYPED_ID, "Kulup id:"},
        {club_ctl::ADD, club_ctl::MODIFY, club_ctl::SELECT, club_ctl::PREVIOUS, club_ctl::NEXT},
        {club_ctl::LOAD, "Yükle"_w}, {club_ctl::SAVE, "Kaydet"}, club_ctl::SHOWN_ID,
        club_ctl::TOTAL);
    wxWindow* box = l.identity->GetStaticBox();
    addLabeled(l.identity, box, "Kulup adi :",
               new wxTextCtrl(box, club_ctl::NAME, "", wxDefaultPosition, wxSize(260, -1)));
    auto* shortName =
        new wxTextCtrl(box, club_ctl::SHORT_NAME, "", wxDefaultPosition, wxSize(140, -1));
    shortName->Disable();
    shortName->SetToolTip(wxFromCp1254("Takim dosyasinda kisa ad yeri yok: bu alan kaydedilmez."));
    addLabeled(l.identity, box, "Kulup kisa adi :", shortName);

    l.extra->Add(groupBox(this, "Menajer Ekle", wxVERTICAL), 0, wxEXPAND | wxALL, 4);
    auto* squadBox = groupBox(this, "Oyuncu Ekle :", wxVERTICAL);
    wxWindow* pb = squadBox->GetStaticBox();
    squad = new SquadList(pb, clubs);
    squadBox->Add(squad, 1, wxEXPAND | wxALL, 3);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    addLabeled(row, pb, "Oyuncu id:",
               new wxTextCtrl(pb, club_ctl::PLAYER_ID, "", wxDefaultPosition, wxSize(70, -1), 0,
                              wxTextValidator(wxFILTER_DIGITS)));
    for (const Button b :
         {Button{club_ctl::SQUAD_ADD, "Oyuncu Ekle"}, Button{club_ctl::SQUAD_REMOVE, "Cikar"},
          Button{club_ctl::SQUAD_UP, "Yukari"}, Button{club_ctl::SQUAD_DOWN, "Asagi"}})
        row->Add(narrowButton(pb, b.id, b.caption), 0, wxALL, 2);
    squadBox->Add(row);
    squadBox->Add(new wxStaticText(pb, wxID_ANY,
                                   wxFromCp1254("Bos id: ana pencerede secili oyuncu eklenir.")),
                  0, wxALL, 3);
    l.extra->Add(squadBox, 1, wxEXPAND | wxALL, 4);
    l.extra->Add(groupBox(this, "Kulup bilgileri", wxVERTICAL), 0, wxEXPAND | wxALL, 4);
    addOpener(this, l.extra, "Diger datalar :", club_ctl::MANAGERS, "MENAJER ",
              [](wxWindow* p) { ManagerDialog(p).ShowModal(); });
    finishLayout(this, l);

    for (int id : {club_ctl::ADD, club_ctl::MODIFY, club_ctl::SELECT, club_ctl::LOAD,
                   club_ctl::PREVIOUS, club_ctl::NEXT, club_ctl::SAVE, club_ctl::SQUAD_ADD,
                   club_ctl::SQUAD_REMOVE, club_ctl::SQUAD_UP, club_ctl::SQUAD_DOWN})
        Bind(
            wxEVT_BUTTON, [this, id](wxCommandEvent&) { clubs.command(id); }, id);
    // Bound after the layout's own: closing asks first when something is unsaved.
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { askToLeave(); }, ctl::CLOSE);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& e) {
        if (e.CanVeto() && !clubs.leave())
            e.Veto();
        else if (IsModal())
            EndModal(ctl::CLOSE);
        else
            e.Skip();
    });
    clubs.start();
}

wxListCtrl* ClubDialog::squadList() {
    return squad;
}

void ClubDialog::askToLeave() {
    if (clubs.leave() && IsModal()) EndModal(ctl::CLOSE);
}

Utf8 ClubDialog::typed(int id) {
    return controlText(this, id);
}

void ClubDialog::setText(int id, const Utf8& text) {
    setControlText(this, id, text);
    if (dynamic_cast<wxStaticText*>(FindWindow(id))) Layout();
}

bool ClubDialog::message(MessageStyle style, const Utf8& text) {
    return showMessage(this, style, text);
}

bool ClubDialog::chooseFile(FileDialogKind kind, std::string& path) {
    return chooseDatabaseFile(
        this, kind == FileDialogKind::OPEN ? "Takim Database Yukle" : "Takim Database Kaydet",
        FILE_FILTER, kind, path);
}

void ClubDialog::showFile(const Utf8& shown) {
    SetTitle(wxString(TITLE) + " " + wxFromUtf8(shown));
}

void ClubDialog::showSquad(int32_t rows, int32_t selected) {
    for (long row = -1;
         (row = squad->GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) >= 0;)
        squad->SetItemState(row, 0, wxLIST_STATE_SELECTED);
    squad->SetItemCount(rows);
    if (selected >= 0 && selected < rows) {
        squad->SetItemState(selected, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                            wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        squad->EnsureVisible(selected);
    }
    squad->Refresh();
}

int32_t ClubDialog::selectedSquadRow() {
    return int32_t(squad->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}
