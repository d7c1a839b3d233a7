#include "editor/save_flow.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include "editor/field_text.h"
#include "folders/folders.h"

using field_text::shownPath;
using field_text::utf8;

namespace {

// The missing folders of a proposed file, made so that the file dialog can open where the
// file will go, and removed again when the save leaves them empty (cancelled, declined, failed
// or made elsewhere): a save that writes nothing leaves nothing behind.
class ProposedFolders {
public:
    explicit ProposedFolders(const std::filesystem::path& folder) {
        std::error_code ec; // a folder that cannot be made shows in the save's own failure
        for (std::filesystem::path f = folder; !f.empty() && !std::filesystem::exists(f, ec);
             f = f.parent_path()) {
            made.push_back(f);
            if (f == f.parent_path()) break;
        }
        std::filesystem::create_directories(folder, ec);
    }
    ProposedFolders(const ProposedFolders&) = delete;
    ProposedFolders& operator=(const ProposedFolders&) = delete;
    ~ProposedFolders() {
        std::error_code ec; // a folder holding anything is not removed
        for (const std::filesystem::path& f : made)
            std::filesystem::remove(f, ec);
    }

private:
    std::vector<std::filesystem::path> made; // the deepest first
};

} // namespace

std::string withExtension(std::string path, const char* extension) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    const bool named = slash == std::string::npos || slash + 1 < path.size();
    if (named && !path.empty() && path.back() == '.') {
        path.pop_back();
        path += extension;
    } else if (named && (dot == std::string::npos || (slash != std::string::npos && dot < slash))) {
        path += extension;
    }
    return path;
}

bool saveDatabase(DialogView& view, const SaveOptions& o, const ChooseSaveFile& choose,
                  const WriteDatabase& write, std::string& saved) {
    const auto isProtected = [&](const std::string& p) {
        return !o.protectedFolder.empty() && folders::isInside(p, o.protectedFolder);
    };
    // The extension is added before asking about an existing file, so the question is about
    // the file that will be replaced; No goes back to the file dialog. The installed editor
    // offers the user's own file until one outside the installed data set has been used.
    std::string path = o.current;
    std::optional<ProposedFolders> proposedFolders;
    if (!o.proposal.empty() && (path.empty() || isProtected(path))) {
        path = o.proposal;
        proposedFolders.emplace(std::filesystem::path(path).parent_path());
    }
    for (;;) {
        if (!choose(path)) return false;
        path = withExtension(path, o.extension);
        if (isProtected(path)) {
            view.message(MessageStyle::NOTE_WARNING,
                         utf8("Kurulu oyunun dosyalarina kayit yapilamaz:\n%s\nKayit yapilmadi! "
                              "Baska bir klasore kaydedin.",
                              shownPath(path).c_str()));
            return false;
        }
        std::error_code error;
        if (!std::filesystem::exists(path, error) ||
            view.message(MessageStyle::ASK_WARNING,
                         utf8("%s dosyasi zaten var!\nUzerine yazmak istiyor musunuz?",
                              shownPath(path).c_str())))
            break;
    }
    if (!view.message(MessageStyle::ASK_QUESTION,
                      utf8("Su anda %s dosyayi kaydetmek istiyor musunuz?\n Dikkatli olun ve bol "
                           "bol yedek alin.",
                           shownPath(path).c_str()))) {
        view.message(MessageStyle::NOTE_WARNING, "Kayit yapilmadi!");
        return false;
    }
    errno = 0;
    if (!write(path.c_str())) {
        const int error = errno;
        view.message(MessageStyle::NOTE_WARNING,
                     utf8("Kayit yapilamadi!\n") +
                         (error ? field_text::fromLocale(std::strerror(error)) : "?") +
                         utf8("\nEski dosya oldugu gibi duruyor."));
        return false;
    }
    saved = path;
    view.message(MessageStyle::NOTE_DONE, "Kayit yapildi!");
    return true;
}
