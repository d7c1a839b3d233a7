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
    // The player file of the data set the game would read, found in the game's order.
    namespace fs = std::filesystem;
    std::error_code ec;
    const folders::DataSet set =
        folders::findData({}, folders::executableFolder(), fs::current_path(ec));
    fs::path file = set.veri / "database" / "oyuncu.odt";
    if (set.source == folders::DataSource::INSTALLED) {
        // The installed data set belongs to the package; the user's files live elsewhere.
        protectedTree = folders::installedTree().string();
        saveProposal = userPlayerFile().string();
        if (!saveProposal.empty() && fs::exists(saveProposal, ec)) file = saveProposal;
    } else if (set.source != folders::DataSource::NONE) {
        saveProposal = file.string();
    }
    const int first = argc > 1 && argv[1] == "--" ? 2 : 1;
    if (argc > first)
        startFile = argv[first];
    else if (set.source != folders::DataSource::NONE && fs::exists(file, ec))
        startFile = wxString::FromUTF8(file.string());
    return true;
}

int EditorApp::OnRun() {
    PlayerEditorDialog dialog(nullptr);
    if (!dialog.commands().ready()) return 1; // without its memory: the message has been shown
    SetTopWindow(&dialog);
    if (!protectedTree.empty()) dialog.commands().protectFolder(protectedTree);
    if (!saveProposal.empty()) dialog.commands().proposeSaveFile(saveProposal);
    // A file named on the command line is loaded at once, without the file dialog.
    if (!startFile.empty()) dialog.commands().loadFile(startFile.utf8_string(), false);
    dialog.ShowModal();
    return 0;
}
