#include "editor/wx/placeholder_dialogs.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/icon.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "editor/editor_ids.h"
#include "editor/wx/wx_ui.h"
#include "text/cp1254.h"

#include "editor/wx/kadroed_icon.xpm"

const wxIcon& programIcon() {
    static const wxIcon icon(kadroed_icon_xpm);
    return icon;
}

namespace {

// The browse buttons of the league and manager dialogs, which have no commands.
constexpr BrowseIds BROWSE{browse_ctl::ADD, browse_ctl::MODIFY, browse_ctl::SELECT,
                           browse_ctl::PREVIOUS, browse_ctl::NEXT};

void addButtons(wxSizer* sizer, wxWindow* parent, std::initializer_list<Button> buttons) {
    for (const Button& b : buttons)
        sizer->Add(new wxButton(parent, b.id, wxFromCp1254(b.caption)), 0, wxALL, 2);
}

wxTextCtrl* edit(wxWindow* parent, int id) {
    return new wxTextCtrl(parent, id, "", wxDefaultPosition, wxSize(140, -1));
}

} // namespace

PlaceholderLayout startLayout(wxDialog* d, const char* identityBox, const char* idLabel,
                              Button idEdit, const BrowseIds& browse, Button load, Button save,
                              int shownId, int totalId) {
    PlaceholderLayout l{new wxBoxSizer(wxVERTICAL), groupBox(d, identityBox, wxVERTICAL),
                        new wxBoxSizer(wxVERTICAL)};
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(l.identity, 0, wxEXPAND | wxALL, 4);
    auto* ids = new wxBoxSizer(wxHORIZONTAL);
    for (const Button label : {Button{shownId, idLabel}, Button{totalId, "Toplam id :"}})
        ids->Add(new wxStaticText(d, label.id, wxFromCp1254(label.caption)), 0,
                 wxALIGN_CENTER_VERTICAL | wxALL, 3);
    left->Add(ids);
    auto* choose = groupBox(d, "Secim bilgileri:", wxHORIZONTAL);
    addLabeled(choose, choose->GetStaticBox(), idEdit.caption,
               new wxTextCtrl(choose->GetStaticBox(), idEdit.id, "", wxDefaultPosition,
                              wxSize(70, -1))); // a number: narrow, so the row fits
    for (const Button& b : {Button{browse.add, "Ekle"}, Button{browse.modify, "Degistir"},
                            Button{browse.select, "Sec"}, Button{browse.previous, "<<<<<<<<<"},
                            Button{browse.next, ">>>>>>>>"}})
        choose->Add(narrowButton(choose->GetStaticBox(), b.id, b.caption), 0, wxALL, 2);
    left->Add(choose, 0, wxEXPAND | wxALL, 4);
    auto* record = groupBox(d, "Kayit", wxHORIZONTAL);
    addButtons(record, record->GetStaticBox(), {load, save});
    left->Add(record, 0, wxALL, 4);
    columns->Add(left);
    columns->Add(l.extra, 0, wxALL, 4);
    l.top->Add(columns);
    return l;
}

void finishLayout(wxDialog* d, const PlaceholderLayout& l) {
    l.top->Add(new wxButton(d, ctl::CLOSE, "Kapat"), 0, wxALIGN_RIGHT | wxALL, 6);
    d->Bind(
        wxEVT_BUTTON, [d](wxCommandEvent&) { d->EndModal(ctl::CLOSE); }, ctl::CLOSE);
    d->SetEscapeId(ctl::CLOSE);
    d->SetSizerAndFit(l.top);
}

void addOpener(wxDialog* d, wxSizer* into, const char* boxCaption, int id, const char* caption,
               std::function<void(wxWindow*)> open) {
    auto* box = groupBox(d, boxCaption, wxVERTICAL);
    box->Add(new wxButton(box->GetStaticBox(), id, wxFromCp1254(caption)), 0, wxALL, 4);
    into->Add(box, 0, wxEXPAND | wxALL, 4);
    d->Bind(
        wxEVT_BUTTON, [d, open](wxCommandEvent&) { open(d); }, id);
}

AboutDialog::AboutDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "Oyuncu Duzenleme Hakkinda") {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(this, wxID_ANY, wxBitmap(programIcon())), 0, wxALL, 10);
    auto* lines = new wxBoxSizer(wxVERTICAL);
    addLabel(lines, this, "Oyuncu Bilgileri Duzenleme Programi v0.1");
    addLabel(lines, this, "Zendor Menajer oyununun oyuncu bilgileri icin.");
    addLabel(lines, this, "Yapan: Zendor yazilim ekibi");
    row->Add(lines, 1, wxALL, 6);
    top->Add(row);
    auto* ok = new wxButton(this, wxID_OK, "TAMAM");
    ok->SetDefault();
    top->Add(ok, 0, wxALIGN_RIGHT | wxALL, 8);
    SetSizerAndFit(top);
}

LeagueDialog::LeagueDialog(wxWindow* parent, std::function<void(wxWindow*)> openClubs)
    : wxDialog(parent, wxID_ANY, "Lig Bilgileri") {
    const PlaceholderLayout l =
        startLayout(this, "Lig bilgisi", "Lig id :", {league_ctl::TYPED_ID, "Lig id:"}, BROWSE,
                    {league_ctl::LOAD, "Yükle"_w}, {league_ctl::SAVE, "Kaydet"});
    wxWindow* box = l.identity->GetStaticBox();
    addLabeled(l.identity, box, "Hangi Ülke  Ligi:"_w, edit(box, league_ctl::COUNTRY));
    addLabeled(l.identity, box, "Lig adi :", edit(box, league_ctl::NAME));
    l.extra->Add(groupBox(this, "Kulup Ekle", wxVERTICAL), 0, wxEXPAND | wxALL, 4);
    addOpener(this, l.extra, "Diger bilgiler", league_ctl::CLUBS, "KULUPLER", std::move(openClubs));
    finishLayout(this, l);
}

ManagerDialog::ManagerDialog(wxWindow* parent) : wxDialog(parent, wxID_ANY, "Menajer Biglisi") {
    const PlaceholderLayout l =
        startLayout(this, "Menajer bilgisi", "Menajer id :", {manager_ctl::TYPED_ID, "Kulup id:"},
                    BROWSE, {manager_ctl::LOAD, "Yükle"_w}, {manager_ctl::SAVE, "Kaydet"});
    wxWindow* box = l.identity->GetStaticBox();
    addLabeled(l.identity, box, "Menajer adi :", edit(box, manager_ctl::NAME));
    addLabeled(l.identity, box, "Menajer Soyadi", edit(box, manager_ctl::SURNAME));
    addLabeled(l.identity, box, "Ülke :"_w, edit(box, manager_ctl::COUNTRY));
    addLabeled(l.identity, box, "Dil :", new wxComboBox(box, manager_ctl::LANGUAGE));
    addLabeled(l.identity, box, "Dogdugu Yer :", edit(box, manager_ctl::BIRTHPLACE));
    auto* date = new wxBoxSizer(wxHORIZONTAL);
    addLabel(date, box, "Dogdugu Tarih :");
    addLabeled(date, box, "Gun :", new wxComboBox(box, manager_ctl::DAY));
    addLabeled(date, box, "Ay : ", new wxComboBox(box, manager_ctl::MONTH));
    addLabeled(date, box, "Yil : ", new wxComboBox(box, manager_ctl::YEAR));
    l.identity->Add(date);
    auto* more = groupBox(this, "Menajer Bigliler", wxVERTICAL);
    wxWindow* m = more->GetStaticBox();
    addLabeled(more, m, "Sevdigi Kulup id:", edit(m, manager_ctl::FAVOURITE_CLUB));
    addLabeled(more, m, "izlendigi Kulup id:", edit(m, manager_ctl::WATCHED_CLUB));
    addLabel(more, m, "Tur : 1= 4-4-2   , 2=3-5-2  , 3=3-4-3  , 4=4-3-3");
    addLabeled(more, m, "Kullandigi Taktik:", edit(m, manager_ctl::TACTIC));
    addLabel(more, m, "Tur : 1= taninmiyor  , 2=orta , 3=iyi  , 4=cok iyi ,5=süper"_w);
    addLabeled(more, m, "itibar :", edit(m, manager_ctl::REPUTATION));
    l.extra->Add(more, 0, wxEXPAND | wxALL, 4);
    finishLayout(this, l);
}
