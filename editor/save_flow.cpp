#include "editor/save_flow.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <strings.h>
#include <vector>

#include "database/calendar_data.h"
#include "database/player_record.h"
#include "database/team_database.h"
#include "editor/field_text.h"
#include "folders/folders.h"

using field_text::formatCp1254;
using field_text::fromCp1254;
using field_text::pathInCp1254;

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

const char* extensionOf(DataFileKind kind) {
    return kind == DataFileKind::PLAYERS ? ".odt" : kind == DataFileKind::TEAMS ? ".tdt" : ".trh";
}

// What a file of the kind is, as the refusals name it (Windows-1254).
const char* kindText(DataFileKind kind) {
    switch (kind) {
    case DataFileKind::PLAYERS:
        return "bir oyuncu dosyasi";
    case DataFileKind::TEAMS:
        return "bir takim dosyasi";
    case DataFileKind::CALENDAR:
        return "bir takvim dosyasi";
    case DataFileKind::OTHER:
        break;
    }
    return "oyunun bir dosyasi degil";
}

const char* savedText(DataFileKind kind) {
    return kind == DataFileKind::PLAYERS ? "Oyuncu dosyasi" : "Takim dosyasi";
}

// The refusal of a path that holds, or by its name would hold, another kind of file; empty
// when the save may go on.
Utf8 otherKindRefusal(const std::string& path, DataFileKind saved) {
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        const DataFileKind held = fileKindOf(path);
        if (held != saved)
            return formatCp1254("%s dosyasi %s!\n%s onun yerine kaydedilemez.\nKayit yapilmadi!",
                                pathInCp1254(path).c_str(), kindText(held), savedText(saved));
    }
    const DataFileKind named = kindOfName(path);
    if (named != DataFileKind::OTHER && named != saved)
        return formatCp1254("%s %snin adi (%s)!\n%s bu adla kaydedilemez.\nKayit yapilmadi!",
                            pathInCp1254(path).c_str(), kindText(named), extensionOf(named),
                            savedText(saved));
    return {};
}

} // namespace

DataFileKind fileKindOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char head[HEADER_SIZE] = {};
    if (!in.read(head, sizeof head)) return DataFileKind::OTHER;
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(path, error);
    int32_t first;
    std::memcpy(&first, head, sizeof first);
    if (!error && first > 0 &&
        size == CALENDAR_HEADER_SIZE + uintmax_t(first) * CALENDAR_BYTES_PER_MONTH)
        return DataFileKind::CALENDAR;
    if (first == PLAYER_FILE_VERSION) return DataFileKind::PLAYERS;
    if (first == TEAM_FILE_VERSION) return DataFileKind::TEAMS;
    return DataFileKind::OTHER;
}

DataFileKind kindOfName(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return DataFileKind::OTHER;
    for (DataFileKind kind : {DataFileKind::PLAYERS, DataFileKind::TEAMS, DataFileKind::CALENDAR})
        if (strcasecmp(path.c_str() + dot, extensionOf(kind)) == 0) return kind;
    return DataFileKind::OTHER;
}

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
        path = withExtension(path, extensionOf(o.kind));
        if (isProtected(path)) {
            view.message(
                MessageStyle::NOTE_WARNING,
                formatCp1254("Kurulu oyunun dosyalarina kayit yapilamaz:\n%s\nKayit yapilmadi! "
                             "Baska bir klasore kaydedin.",
                             pathInCp1254(path).c_str()));
            return false;
        }
        // Replacing a file of another kind would lose it, and the game would refuse what came
        // in its place.
        if (const Utf8 refusal = otherKindRefusal(path, o.kind); !refusal.empty()) {
            view.message(MessageStyle::NOTE_WARNING, refusal);
            return false;
        }
        std::error_code error;
        if (!std::filesystem::exists(path, error) ||
            view.message(MessageStyle::ASK_WARNING,
                         formatCp1254("%s dosyasi zaten var!\nUzerine yazmak istiyor musunuz?",
                                      pathInCp1254(path).c_str())))
            break;
    }
    if (!view.message(
            MessageStyle::ASK_QUESTION,
            formatCp1254("Su anda %s dosyayi kaydetmek istiyor musunuz?\n Dikkatli olun ve bol "
                         "bol yedek alin.",
                         pathInCp1254(path).c_str()))) {
        view.message(MessageStyle::NOTE_WARNING, "Kayit yapilmadi!"_u8);
        return false;
    }
    errno = 0;
    if (!write(path.c_str())) {
        const int error = errno;
        view.message(MessageStyle::NOTE_WARNING,
                     formatCp1254("Kayit yapilamadi!\n") +
                         (error ? field_text::fromLocale(std::strerror(error)) : "?"_u8) +
                         formatCp1254("\nEski dosya oldugu gibi duruyor."));
        return false;
    }
    saved = path;
    view.message(MessageStyle::NOTE_DONE, "Kayit yapildi!"_u8);
    return true;
}
