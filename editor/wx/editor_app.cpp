#include "editor/wx/editor_app.h"

#include <clocale>

#include "editor/wx/main_dialog.h"
#include "folders/folders.h"

namespace {

namespace fs = std::filesystem;

// Where the installed game reads the user's own database file; empty without a home folder.
fs::path userFile(const char* name) {
    const fs::path user = folders::userFolder();
    return user.empty() ? user : folders::userData(user) / "database" / name;
}

// A database file of the data set the game would read: the one opened at the start (empty:
// none) and the one "Kaydet" offers. Installed, both are the user's own when there is one.
struct DefaultFile {
    std::string start, proposal;
};
DefaultFile defaultFile(const folders::DataSet& set, const char* name) {
    std::error_code ec;
    fs::path file = set.veri / "database" / name;
    DefaultFile d;
    if (set.source == folders::DataSource::INSTALLED) {
        d.proposal = userFile(name).string();
        if (!d.proposal.empty() && fs::exists(d.proposal, ec)) file = d.proposal;
    } else if (set.source != folders::DataSource::NONE) {
        d.proposal = file.string();
    }
    if (set.source != folders::DataSource::NONE && fs::exists(file, ec)) d.start = file.string();
    return d;
}

} // namespace

bool EditorApp::OnInit() {
    // The toolkit leaves the C locale: the user's language and encoding for the C library's
    // reasons and the file dialogs' own texts; numbers stay as they are.
    std::setlocale(LC_CTYPE, "");
    std::setlocale(LC_MESSAGES, "");
    // The files of the data set the game would read, found in the game's order.
    std::error_code ec;
    const folders::DataSet set =
        folders::findData({}, folders::executableFolder(), fs::current_path(ec));
    // The installed data set belongs to the package; the user's files live elsewhere.
    if (set.source == folders::DataSource::INSTALLED)
        protectedTree = folders::installedTree().string();
    const DefaultFile players = defaultFile(set, "oyuncu.odt");
    const DefaultFile teams = defaultFile(set, "takim.tdt");
    saveProposal = players.proposal;
    clubFiles = {teams.start, teams.proposal, protectedTree};
    const int first = argc > 1 && argv[1] == "--" ? 2 : 1;
    if (argc > first)
        startFile = argv[first];
    else
        startFile = wxString::FromUTF8(players.start);
    return true;
}

int EditorApp::OnRun() {
    PlayerEditorDialog dialog(nullptr);
    if (!dialog.commands().ready()) return 1; // without its memory: the message has been shown
    SetTopWindow(&dialog);
    if (!protectedTree.empty()) dialog.commands().protectFolder(protectedTree);
    if (!saveProposal.empty()) dialog.commands().proposeSaveFile(saveProposal);
    dialog.useClubFiles(clubFiles);
    // A file named on the command line is loaded at once, without the file dialog.
    if (!startFile.empty()) dialog.commands().loadFile(startFile.utf8_string(), false);
    dialog.ShowModal();
    return 0;
}
