#include "editor/wx/attribute_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

#include "editor/editor_ids.h"
#include "editor/field_text.h"
#include "editor/wx/wx_ui.h"
#include "text/cp1254.h"

AttributeDialog::AttributeDialog(wxWindow* parent, AttributeForm& form)
    : wxDialog(parent, wxID_ANY, wxFromCp1254(form.layout().title)), attributes(form) {
    build();
    attributes.open(*this);
    // Each spin starts where its edit stands; a value from elsewhere outside the range
    // stays in the edit until the spin is moved.
    const AttributeLayout& l = attributes.layout();
    for (int i = 0; i < l.rowCount; ++i)
        if (auto* spin = dynamic_cast<wxSpinButton*>(FindWindow(l.rows[i].spin)))
            spin->SetValue(field_text::leadingNumber(typed(l.rows[i].edit).bytes()));
    GetSizer()->SetSizeHints(this); // fitted again to the header with the player's real name
    SetEscapeId(ctl::CLOSE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { askToClose(); }, ctl::CLOSE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { attributes.save(*this); }, l.saveId);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& e) {
        if (e.CanVeto() && !attributes.close(*this))
            e.Veto();
        else if (IsModal())
            EndModal(ctl::CLOSE);
        else
            e.Skip();
    });
}

void AttributeDialog::build() {
    const AttributeLayout& l = attributes.layout();
    const bool family = l.presets;
    auto* frame = groupBox(this, l.frame, wxVERTICAL);
    wxWindow* box = frame->GetStaticBox();
    addLabel(frame, box, l.intro);
    frame->Add(new wxStaticText(box, ctl::HEADER, "Ad: - Soyad: -  id: -"), 0, wxALL, 4);
    if (!family && l.notes[0]) addLabel(frame, box, l.notes[0]);

    auto* grid = new wxFlexGridSizer(family ? 3 : 2, 2, 6);
    wxBoxSizer* slots = nullptr; // the boxed position edits, side by side after one label
    for (int i = 0; i < l.rowCount; ++i) {
        const AttributeRow& row = l.rows[i];
        if (family && l.notes[0] && i == l.rowCount - 1 &&
            attributes.kind() == AttributeKind::PHYSICAL) {
            grid->Add(new wxStaticText(box, wxID_ANY, wxFromCp1254(l.notes[0])));
            grid->AddSpacer(0);
            grid->AddSpacer(0);
        }
        if (!row.box || !slots)
            grid->Add(new wxStaticText(box, wxID_ANY, wxFromCp1254(row.label)), 0,
                      wxALIGN_CENTER_VERTICAL);
        wxStaticBoxSizer* around =
            row.box ? new wxStaticBoxSizer(wxHORIZONTAL, box, wxFromCp1254(row.box)) : nullptr;
        wxWindow* editParent = around ? around->GetStaticBox() : box;
        auto* edit = family ? new wxTextCtrl(editParent, row.edit, "", wxDefaultPosition,
                                             wxSize(50, -1), wxTE_READONLY | wxTE_RIGHT)
                            : new wxTextCtrl(editParent, row.edit, "", wxDefaultPosition,
                                             wxSize(70, -1), 0, wxTextValidator(wxFILTER_DIGITS));
        if (around) {
            around->Add(edit);
            if (!slots) {
                slots = new wxBoxSizer(wxHORIZONTAL);
                grid->Add(slots);
            }
            slots->Add(around, 0, wxRIGHT, 4);
        } else {
            grid->Add(edit, 0, wxALIGN_CENTER_VERTICAL);
        }
        if (!family) continue;
        auto* spin = new wxSpinButton(box, row.spin, wxDefaultPosition, wxDefaultSize,
                                      wxSP_VERTICAL | wxSP_ARROW_KEYS);
        spin->Bind(wxEVT_SPIN, [edit](wxSpinEvent& e) {
            edit->ChangeValue(wxString::Format("%d", e.GetPosition()));
        });
        grid->Add(spin, 0, wxALIGN_CENTER_VERTICAL);
    }
    frame->Add(grid, 0, wxALL, 6);
    if (!family)
        for (int n = 1; n < MAX_ATTRIBUTE_NOTES; ++n)
            if (l.notes[n]) addLabel(frame, box, l.notes[n]);

    auto* save = new wxButton(box, l.saveId, wxFromCp1254(l.saveCaption));
    if (family) {
        auto* presets = groupBox(box, "Otomatik Oyuncu Bilgisi", wxHORIZONTAL);
        for (const PresetButton& p : PRESET_BUTTONS)
            presets->Add(new wxButton(presets->GetStaticBox(), p.id, wxFromCp1254(p.caption)), 0,
                         wxALL, 1);
        frame->Add(presets, 0, wxALL, 4);
    }
    auto* saveRow = new wxBoxSizer(wxHORIZONTAL);
    if (attributes.kind() == AttributeKind::TECHNICAL) addLabel(saveRow, box, l.notes[0]);
    saveRow->Add(save, 0, wxALIGN_CENTER_VERTICAL | wxALL, 6);
    frame->Add(saveRow, 0, wxALIGN_RIGHT);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(frame, 1, wxEXPAND | wxALL, 6);
    wxButton* close;
    if (attributes.kind() == AttributeKind::TECHNICAL) {
        close = new wxButton(this, ctl::CLOSE, "Kapat");
        top->Add(close, 0, wxALIGN_RIGHT | wxALL, 6);
    } else {
        auto* closeBox = groupBox(this, "Kapat", wxHORIZONTAL);
        close = new wxButton(closeBox->GetStaticBox(), ctl::CLOSE, "Kapat");
        closeBox->Add(close, 0, wxALL, 4);
        top->Add(closeBox, 0, wxALIGN_RIGHT | wxALL, 6);
    }
    (l.saveIsDefault ? save : close)->SetDefault();
    SetSizerAndFit(top);
}

void AttributeDialog::askToClose() {
    if (attributes.close(*this) && IsModal()) EndModal(ctl::CLOSE);
}

Utf8 AttributeDialog::typed(int id) {
    return controlText(this, id);
}

void AttributeDialog::setText(int id, const Utf8& text) {
    setControlText(this, id, text);
}

bool AttributeDialog::message(MessageStyle style, const Utf8& text) {
    return showMessage(this, style, text);
}

void AttributeDialog::setSpinRange(int spinId, int lo, int hi) {
    if (auto* spin = dynamic_cast<wxSpinButton*>(FindWindow(spinId))) spin->SetRange(lo, hi);
}
