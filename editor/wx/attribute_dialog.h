// One modal dialog for each attribute block of the selected player, built from its layout.
#pragma once

#include <wx/dialog.h>

#include "editor/attribute_form.h"
#include "editor/editor_view.h"

class AttributeDialog : public wxDialog, public DialogView {
public:
    AttributeDialog(wxWindow* parent, AttributeForm& form);

    Utf8 typed(int id) override;
    void setText(int id, const Utf8& text) override;
    bool message(MessageStyle style, const Utf8& text) override;
    void setSpinRange(int spinId, int lo, int hi) override;

    AttributeForm& form() { return attributes; }
    // "Kapat", Escape and the close box alike: closes only when the user agrees.
    void askToClose();

private:
    void build();
    AttributeForm& attributes;
};
