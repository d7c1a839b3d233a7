#include "editor/wx/editor_app.h"

#include <clocale>

#include "editor/wx/main_dialog.h"

bool EditorApp::OnInit() {
    // The toolkit leaves the C locale: the user's language and encoding for the C library's
    // reasons and the file dialogs' own texts; numbers stay as they are.
    std::setlocale(LC_CTYPE, "");
    std::setlocale(LC_MESSAGES, "");
    if (argc > 1) startFile = argv[1];
    return true;
}

int EditorApp::OnRun() {
    PlayerEditorDialog dialog(nullptr);
    if (!dialog.commands().ready()) return 1; // without its memory: the message has been shown
    SetTopWindow(&dialog);
    // A file named on the command line is loaded at once, without the file dialog.
    if (!startFile.empty()) dialog.commands().loadFile(startFile.utf8_string(), false);
    dialog.ShowModal();
    return 0;
}
