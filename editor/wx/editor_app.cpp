#include "editor/wx/editor_app.h"

#include <clocale>

#include "editor/wx/main_dialog.h"
#include "folders/folders.h"

namespace {

// Where the installed game reads the user's own player file; empty without a home folder.
std::filesystem::path userPlayerFile() {
    const std::filesystem::path user = folders::userFolder();
    return user.empty() ? user : folders::userData(user) / "database" / "oyuncu.odt";
}

} // namespace

bool EditorApp::OnInit() {
    // The toolkit leaves the C locale: the user's language and encoding for the C library's
    // reasons and the file dialogs' own texts; numbers stay as they are.
    std::setlocale(LC_CTYPE, "");
    std::setlocale(LC_MESSAGES, "");
    const std::filesystem::path installed = folders::installedData();
    const int first = argc > 1 && argv[1] == "--" ? 2 : 1;
    if (argc > first)
        startFile = argv[first];
    else if (!installed.empty()) {
        // The file the game reads: the user's own when there is one.
        std::error_code ec;
        const std::filesystem::path own = userPlayerFile();
        const bool hasOwn = !own.empty() && std::filesystem::exists(own, ec);
        startFile =
            wxString::FromUTF8((hasOwn ? own : installed / "database" / "oyuncu.odt").string());
    }
    return true;
}

int EditorApp::OnRun() {
    PlayerEditorDialog dialog(nullptr);
    if (!dialog.commands().ready()) return 1; // without its memory: the message has been shown
    SetTopWindow(&dialog);
    // The installed data set belongs to the package; the user's files live elsewhere.
    if (!folders::installedData().empty()) {
        dialog.commands().protectFolder(folders::installedTree().string());
        dialog.commands().proposeSaveFile(userPlayerFile().string());
    }
    // A file named on the command line is loaded at once, without the file dialog.
    if (!startFile.empty()) dialog.commands().loadFile(startFile.utf8_string(), false);
    dialog.ShowModal();
    return 0;
}
