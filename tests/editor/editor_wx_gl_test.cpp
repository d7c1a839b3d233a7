// The real wx dialogs under a display, answered through wxTEST_DIALOG as a user would.
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/init.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "../database/database_helpers.h"
#include "editor/editor_ids.h"
#include "editor/wx/attribute_dialog.h"
#include "editor/wx/club_dialog.h"
#include "editor/wx/main_dialog.h"
#include "editor/wx/placeholder_dialogs.h"

namespace {

constexpr const char* TITLE = "Oyuncu bilgileri datasi giris programi - DATABASE - Zendor";

// wx failures (a dialog not expected, an assertion) become test failures.
void failOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << func.utf8_string() << ": " << cond.utf8_string() << " " << msg.utf8_string();
}

struct WxEnvironment : ::testing::Environment {
    void SetUp() override {
        static char name[] = "kadroed";
        static char* argv[] = {name, nullptr};
        int argc = 1;
        wxApp::SetInstance(new wxApp);
        ASSERT_TRUE(wxEntryStart(argc, argv));
        ASSERT_TRUE(wxTheApp->CallOnInit());
        wxSetAssertHandler(failOnAssert);
    }
    void TearDown() override { wxEntryCleanup(); }
};
[[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment(new WxEnvironment);

// Plays the user inside a dialog of type D; the answer ends it.
template <class D> class ExpectDialog : public wxExpectModalBase<D, ExpectDialog<D>> {
public:
    explicit ExpectDialog(std::function<int(D*)> act) : act(std::move(act)) {}

protected:
    int OnInvoked(D* dialog) const override { return act(dialog); }

private:
    std::function<int(D*)> act;
};

// Answers one message box after checking its text.
ExpectDialog<wxMessageDialog> messageBox(const std::string& text, int answer) {
    return ExpectDialog<wxMessageDialog>([=](wxMessageDialog* box) {
        EXPECT_EQ(box->GetMessage().utf8_string(), text);
        EXPECT_EQ(box->GetTitle(), "kadroed"); // the program's name as caption
        return answer;
    });
}

void press(wxWindow* dialog, int id) {
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(dialog);
    dialog->ProcessWindowEvent(click);
}

std::string label(wxWindow* dialog, int id) {
    wxWindow* w = dialog->FindWindow(id);
    if (!w) return "<missing>";
    if (auto* t = dynamic_cast<wxStaticText*>(w)) return t->GetLabelText().utf8_string();
    return w->GetLabel().utf8_string();
}

// The file dialog: checks what it offers, then the user types a path (or cancels).
ExpectDialog<wxFileDialog> fileDialog(const char* title, const std::string& offered,
                                      const std::string& typed, int answer = wxID_OK,
                                      const char* filter = "Oyuncu Database(*.odt)|*.odt") {
    return ExpectDialog<wxFileDialog>([=](wxFileDialog* d) {
        EXPECT_EQ(d->GetMessage(), title);
        EXPECT_EQ(d->GetWildcard(), filter);
        EXPECT_FALSE(d->HasFlag(wxFD_OVERWRITE_PROMPT)); // asked once the extension is on
        EXPECT_EQ(wxFileName(d->GetDirectory(), d->GetFilename()).GetFullPath().utf8_string(),
                  offered);
        d->SetPath(wxString::FromUTF8(typed));
        return answer;
    });
}

// Every window of a dialog that runs past its parent's edge, and every button whose caption
// touches its border, by label; empty when none.
std::string crowded(wxWindow* parent) {
    std::string found;
    wxRect room(parent->GetScreenPosition(), parent->GetSize());
    // A box's frame is drawn a pixel inside its edge: a control ends at least a pixel before it.
    if (dynamic_cast<wxStaticBox*>(parent)) room.SetRight(room.GetRight() - 2);
    for (wxWindow* w : parent->GetChildren()) {
        if (!w->IsShown() || w->IsTopLevel()) continue;
        const wxRect r(w->GetScreenPosition(), w->GetSize());
        const std::string name = "\"" + w->GetLabel().utf8_string() + "\" ";
        if (!room.Contains(r)) found += name + "outside; ";
        constexpr int MARGIN = 4; // each side, between a caption and its border
        if (auto* b = dynamic_cast<wxButton*>(w);
            b && b->GetSize().x < b->GetTextExtent(b->GetLabel()).x + 2 * MARGIN)
            found += name + "tight; ";
        found += crowded(w);
    }
    return found;
}

std::string value(wxWindow* dialog, int id) {
    auto* e = dynamic_cast<wxTextEntry*>(dialog->FindWindow(id));
    return e ? e->GetValue().utf8_string() : "<not an edit>";
}

} // namespace

TEST(EditorDialogs, MainDialogHasItsControls) {
    PlayerEditorDialog dialog(nullptr);
    // The combos sort their lists as text.
    auto* day = dynamic_cast<wxComboBox*>(dialog.FindWindow(ctl::DAY));
    ASSERT_TRUE(day);
    EXPECT_EQ(day->GetString(0) + " " + day->GetString(1) + " " + day->GetString(2), "1 10 11");
    EXPECT_EQ(dialog.GetEscapeId(), ctl::CLOSE); // Escape asks like "Kapat"
    // A right click on a text field is left to the field's own menu (cut, copy, paste); the
    // dialog's menu, with the about item, opens elsewhere. An open menu is closed by Escape.
    int menusOpened = 0;
    dialog.Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent&) {
        ++menusOpened;
        wxUIActionSimulator().Char(WXK_ESCAPE);
    });
    for (int id : {ctl::NAME, ctl::QUERY_NAME, ctl::TOTAL}) {
        wxContextMenuEvent click(wxEVT_CONTEXT_MENU, id);
        click.SetEventObject(dialog.FindWindow(id));
        EXPECT_EQ(dialog.FindWindow(id)->ProcessWindowEvent(click), id == ctl::TOTAL) << id;
    }
    EXPECT_EQ(menusOpened, 1);
    wxTEST_DIALOG(EXPECT_FALSE(dialog.Close()), messageBox("Cikmak istiyor musunuz?", wxID_NO));
    wxCommandEvent aboutCommand(wxEVT_MENU, ctl::ABOUT);
    wxTEST_DIALOG(dialog.ProcessWindowEvent(aboutCommand),
                  ExpectDialog<AboutDialog>([](AboutDialog*) { return wxID_OK; }));
}

TEST(EditorDialogs, LoadSearchAndEditAPlayer) {
    const std::string cwd = wxGetCwd().utf8_string(), path = cwd + "/ten.odt";
    writeWholeFile(path, playerFileBytes(10));
    PlayerEditorDialog dialog(nullptr);
    wxTEST_DIALOG(press(&dialog, ctl::LOAD), fileDialog("Oyuncu Database Yukle", "", path),
                  messageBox("Su anda " + path + " dosyayi yuklemek istiyor musunuz?", wxID_YES),
                  messageBox("Yukleme Tamamlandi!", wxID_OK));
    EXPECT_EQ(dialog.GetTitle(), std::string(TITLE) + " - ten.odt");

    // The list is virtual: its rows come from the commands when drawn.
    dynamic_cast<wxTextCtrl*>(dialog.FindWindow(ctl::QUERY_NAME))
        ->ChangeValue(wxString::FromUTF8("Şükrü7"));
    press(&dialog, ctl::SEARCH);
    ASSERT_EQ(dialog.resultList()->GetItemCount(), 1);
    EXPECT_EQ(dialog.resultList()->GetItemText(0, 1).utf8_string(), "Öztürk");
    dialog.resultList()->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    wxListEvent activate(wxEVT_LIST_ITEM_ACTIVATED, ctl::RESULTS);
    wxTEST_DIALOG(dialog.resultList()->ProcessWindowEvent(activate),
                  wxExpectAny(wxID_OK)); // the commands' tests check its text
    EXPECT_EQ(value(&dialog, ctl::NAME), "Şükrü7");
    EXPECT_EQ(label(&dialog, ctl::SHOWN_ID), "Oyuncu id:7");
    wxTEST_DIALOG(press(&dialog, ctl::SAVE),
                  fileDialog("Oyuncu Database Kaydet", path, "", wxID_CANCEL));

    // An attribute dialog saves into the selected player.
    PlayerDatabase& db = dialog.commands().database();
    std::strcpy(db.record(7)->name, "Abdulkerim Muhammed Mustafa Şükrü Öztürkoğulları"_w); // 48
    dynamic_cast<wxTextCtrl*>(dialog.FindWindow(ctl::TYPED_ID))->ChangeValue("7");
    press(&dialog, ctl::SELECT);
    wxTEST_DIALOG(
        press(&dialog, ctl::TECHNICAL), ExpectDialog<AttributeDialog>([](AttributeDialog* d) {
            EXPECT_EQ(label(d, ctl::HEADER), "Oyuncu adi :: Abdulkerim Muhammed Mustafa Şükrü "
                                             "Öztürkoğulları  Soyad :: Öztürk id:: 7");
            wxWindow* header = d->FindWindow(ctl::HEADER); // not cut off by its frame
            EXPECT_GE(header->GetSize().x, header->GetBestSize().x);
            EXPECT_LE(header->GetRect().GetRight(), header->GetParent()->GetClientSize().x);
            EXPECT_EQ(value(d, technical_ctl::LONG_SHOTS), "20");
            EXPECT_TRUE(
                dynamic_cast<wxButton*>(d->FindWindow(technical_ctl::SAVE))->IsThisEnabled());
            dynamic_cast<wxTextCtrl*>(d->FindWindow(technical_ctl::LONG_SHOTS))->ChangeValue("15");
            press(d, preset_ctl::SUPERB); // bound to nothing
            EXPECT_EQ(value(d, technical_ctl::LONG_SHOTS), "15");
            press(d, technical_ctl::SAVE);
            press(d, ctl::CLOSE); // answered No below: stays open
            return ctl::CLOSE;
        }),
        wxExpectAny(wxID_NO)); // the commands' tests check its text
    EXPECT_EQ(db.record(7)->technical.long_shots, 15);
    EXPECT_EQ(db.record(7)->technical.long_throws, 1);
}

// The installed program's end-to-end test renames a club and saves its team file through these
// dialogs; here the load and the squad list.
TEST(EditorDialogs, ClubDialogLoadsATeamFileAndListsASquad) {
    const std::string cwd = wxGetCwd().utf8_string(), teams = cwd + "/six.tdt";
    writeWholeFile(cwd + "/twenty.odt", playerFileBytes(20));
    writeWholeFile(teams, teamFileBytes(6));
    PlayerEditorDialog dialog(nullptr);
    ASSERT_TRUE(dialog.commands().loadFile(cwd + "/twenty.odt", false));
    const auto league = ExpectDialog<LeagueDialog>(
        [](LeagueDialog* d) { return press(d, league_ctl::CLUBS), ctl::CLOSE; });
    const auto clubs = ExpectDialog<ClubDialog>([&](ClubDialog* d) {
        wxWindow* shortName = d->FindWindow(club_ctl::SHORT_NAME);
        EXPECT_FALSE(shortName->IsThisEnabled());
        EXPECT_EQ(shortName->GetToolTipText(),
                  "Takim dosyasinda kisa ad yeri yok: bu alan kaydedilmez.");
        press(d, club_ctl::LOAD);
        EXPECT_EQ(label(d, club_ctl::TOTAL), "Toplam id : 6");
        dynamic_cast<wxTextCtrl*>(d->FindWindow(club_ctl::TYPED_ID))->ChangeValue("3");
        press(d, club_ctl::SELECT);
        EXPECT_EQ(d->squadList()->GetItemCount(), 3);
        EXPECT_EQ(d->squadList()->GetItemText(2, 2).utf8_string(), "Şükrü9 Öztürk");
        press(d, club_ctl::MANAGERS);
        return ctl::CLOSE;
    });
    wxTEST_DIALOG(
        press(&dialog, ctl::LEAGUES),
        messageBox("Bu bolum hazir degil genede bakmak istiyor musunuz?\nSadece sematik olarak "
                   "gelecekte neler yapilacagi yazilidir.",
                   wxID_YES),
        league, clubs,
        fileDialog("Takim Database Yukle", "", teams, wxID_OK, "Takim Database(*.tdt)|*.tdt"),
        wxExpectAny(wxID_YES), messageBox("Yukleme Tamamlandi!", wxID_OK),
        ExpectDialog<ManagerDialog>([](ManagerDialog*) { return ctl::CLOSE; }));
}

// Nothing of the three record dialogs runs past its edge or its box, a long club name and a
// full squad list included, and each browse button is bound in the club dialog.
TEST(EditorDialogs, RecordDialogsKeepTheirControlsInside) {
    const std::string cwd = wxGetCwd().utf8_string();
    std::string teams = teamFileBytes(3);
    std::memset(&teams[12 + 568 + 4], 'W', 159); // club 1: the longest name
    writeWholeFile(cwd + "/long.tdt", teams);
    PlayerDatabase players;
    TeamFileKeeper kept{{cwd + "/long.tdt", "", ""}, {}, {}};
    ClubDialog clubs(nullptr, players, kept);
    ManagerDialog managers(nullptr);
    LeagueDialog leagues(nullptr, [](wxWindow*) {});
    for (wxWindow* d : std::initializer_list<wxWindow*>{&clubs, &managers, &leagues}) {
        d->Show();
        EXPECT_EQ(crowded(d), "") << d->GetLabel().utf8_string();
    }
    // The browse buttons step the club dialog: ">>>>>>>>" twice, "<<<<<<<<<" once.
    for (int id : {club_ctl::NEXT, club_ctl::NEXT, club_ctl::PREVIOUS})
        press(&clubs, id);
    EXPECT_EQ(label(&clubs, club_ctl::SHOWN_ID), "Kulup id : 1");
    EXPECT_EQ(value(&clubs, club_ctl::NAME), std::string(159, 'W'));
    EXPECT_EQ(clubs.GetTitle(), "Kulup bilgileri : " + cwd + "/long.tdt");
}
