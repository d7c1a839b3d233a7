// What the editor's commands need of a dialog: control texts by id, message boxes and, for
// the main dialog, the file dialogs, the result list and the dialogs it opens. The toolkit
// holds UTF-8; the commands convert to and from Windows-1254 themselves.
#pragma once

#include <cstdint>
#include <string>

enum class MessageStyle {
    ASK_QUESTION, // Yes/No, question icon: confirmations
    ASK_WARNING,  // Yes/No, warning icon
    NOTE_WARNING, // OK, warning icon: refusals and cancellations
    NOTE_DONE,    // OK, question icon: completions and reminders
};

class DialogView {
public:
    virtual ~DialogView() = default;
    virtual std::string typed(int id) = 0; // UTF-8
    virtual void setText(int id, const std::string& utf8) = 0;
    // True for Yes; OK boxes answer true.
    virtual bool message(MessageStyle style, const std::string& utf8) = 0;
    virtual void setSpinRange(int spinId, int lo, int hi) = 0;
};

enum class FileDialogKind { OPEN, SAVE };
class AttributeForm;

class MainView : public DialogView {
public:
    virtual void addChoice(int comboId, const std::string& utf8) = 0;
    virtual void addColumn(const std::string& utf8, int width) = 0;
    // False when the user cancels; the path is the host's, as the file dialog gives it. On
    // entry it holds the file to offer, or nothing.
    virtual bool chooseFile(FileDialogKind kind, std::string& path) = 0;
    // The result list now has this many rows; their texts come from EditorCommands::rowText.
    virtual void showRows(int32_t rows) = 0;
    virtual int32_t firstSelectedRow() = 0; // -1 when none
    virtual void runAttributeDialog(AttributeForm& form) = 0;
    virtual void runLeagueDialogs() = 0;
};
