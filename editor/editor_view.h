// What the editor's commands need of a dialog: control texts by id, message boxes and, for
// the main dialog, the file dialogs, the result list and the dialogs it opens. The toolkit
// holds UTF-8, always as Utf8; the commands convert to and from Windows-1254 themselves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

// UTF-8 text, as the toolkit shows and gives it. A type of its own, so that Windows-1254 bytes
// (records, "..."_w literals) reach a view only through a named conversion
// (field_text::fromCp1254, field_text::formatCp1254); a source literal is UTF-8 as written and
// becomes one with "..."_u8.
class Utf8 {
public:
    Utf8() = default;
    explicit Utf8(std::string utf8Bytes) : text(std::move(utf8Bytes)) {}

    const std::string& bytes() const { return text; } // UTF-8
    bool empty() const { return text.empty(); }
    Utf8& operator+=(const Utf8& more) {
        text += more.text;
        return *this;
    }
    friend Utf8 operator+(Utf8 a, const Utf8& b) { return a += b; }
    friend bool operator==(const Utf8&, const Utf8&) = default;

private:
    std::string text;
};

// "Kayit yapildi!"_u8: a source literal (UTF-8) as Utf8.
inline Utf8 operator""_u8(const char* utf8, std::size_t size) {
    return Utf8(std::string(utf8, size));
}

enum class MessageStyle {
    ASK_QUESTION, // Yes/No, question icon: confirmations
    ASK_WARNING,  // Yes/No, warning icon
    NOTE_WARNING, // OK, warning icon: refusals and cancellations
    NOTE_DONE,    // OK, question icon: completions and reminders
};

class DialogView {
public:
    virtual ~DialogView() = default;
    virtual Utf8 typed(int id) = 0;
    virtual void setText(int id, const Utf8& text) = 0;
    // True for Yes; OK boxes answer true.
    virtual bool message(MessageStyle style, const Utf8& text) = 0;
    virtual void setSpinRange(int spinId, int lo, int hi) = 0;
};

enum class FileDialogKind { OPEN, SAVE };
class AttributeForm;

class MainView : public DialogView {
public:
    virtual void addChoice(int comboId, const Utf8& text) = 0;
    virtual void addColumn(const Utf8& title, int width) = 0;
    // False when the user cancels; the path is the host's, as the file dialog gives it. A path
    // given in is the dialog's proposal (empty: none).
    virtual bool chooseFile(FileDialogKind kind, std::string& path) = 0;
    // The file last loaded or saved, for the window title (its name only).
    virtual void showFile(const Utf8& /*name*/) {}
    // The result list now has this many rows; their texts come from EditorCommands::rowText.
    virtual void showRows(int32_t rows) = 0;
    virtual int32_t firstSelectedRow() = 0; // -1 when none
    virtual void runAttributeDialog(AttributeForm& form) = 0;
    virtual void runLeagueDialogs() = 0;
};
