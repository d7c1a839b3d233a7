// The four attribute dialogs of the selected player: their layouts as data, and what opening,
// saving and closing one does.
#pragma once

#include <cstddef>

class DialogView;
class PlayerDatabase;

enum class AttributeKind { TECHNICAL, PHYSICAL, MENTAL, DETAIL };
constexpr int ATTRIBUTE_KINDS = 4;

// One number field: an edit and, in the family dialogs, the spin beside it.
struct AttributeRow {
    const char* label; // Windows-1254, as every text below
    const char* box;   // a group box around the edit, or null
    int edit;
    int spin;           // 0: a digits-only edit without a spin
    std::size_t offset; // of the int32 field in PlayerRecord
    int lo, hi;         // what a save accepts, and the spin's range
};

constexpr int MAX_ATTRIBUTE_ROWS = 12;
constexpr int MAX_ATTRIBUTE_NOTES = 3;

struct AttributeLayout {
    const char* title;
    const char* frame;
    const char* intro;
    const char* notes[MAX_ATTRIBUTE_NOTES]; // extra lines, null when unused
    int saveId;
    const char* saveCaption;
    bool saveIsDefault;      // else "Kapat" is the default button
    bool presets;            // the five preset buttons of the family dialogs
    int opener;              // main-dialog button that opens it
    const char* noSelection; // warning when nothing is selected
    int rowCount;
    AttributeRow rows[MAX_ATTRIBUTE_ROWS];
};

const AttributeLayout& attributeLayout(AttributeKind kind);

// Preset buttons ("Berbat" ... "super adam"): shown, bound to nothing.
struct PresetButton {
    int id;
    const char* caption;
};
extern const PresetButton PRESET_BUTTONS[5];

class AttributeForm {
public:
    AttributeForm(PlayerDatabase& db, AttributeKind kind) : db(db), which(kind) {}

    AttributeKind kind() const { return which; }
    const AttributeLayout& layout() const { return attributeLayout(which); }
    // Header, spin ranges and the record's values.
    void open(DialogView& view);
    // Every field into the selected record's own block; the dialog stays open. A value outside
    // its row's range is refused with a message, and then nothing is stored.
    void save(DialogView& view);
    // "Kapat": true when the user agrees to close (nothing is saved).
    bool close(DialogView& view);

private:
    PlayerDatabase& db;
    AttributeKind which;
};
