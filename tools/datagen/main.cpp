// Writes the demo data set's generated files into the given veri/ folder, or a large player
// file for benchmarks.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "backgrounds.h"
#include "font_picture.h"
#include "football_data.h"
#include "gui_pictures.h"
#include "material_pictures.h"
#include "picture_set.h"
#include "pitch_picture.h"

namespace {

constexpr const char* kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kUsage = "usage: datagen VERI_FOLDER [--preview PNG_FOLDER]\n"
                               "       datagen --players N OUT.odt\n"
                               "       datagen calendar YEAR OUT.trh\n";

bool makeFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        std::fprintf(stderr, "datagen: cannot create %s: %s\n", folder.c_str(),
                     ec.message().c_str());
    return !ec;
}

int writePlayers(const char* countText, const char* path) {
    char* end = nullptr;
    const long count = std::strtol(countText, &end, 10);
    if (end == countText || *end || count < 0 || count > 100000) {
        std::fprintf(stderr, "datagen: N must be a number from 0 to 100000\n");
        return 2;
    }
    return footballdata::writePlayerFile(path, int32_t(count)) ? 0 : 1;
}

int writeCalendar(const char* yearText, const char* path) {
    char* end = nullptr;
    const long year = std::strtol(yearText, &end, 10);
    if (end == yearText || *end || year < footballdata::kCalendarFirstYear ||
        year > footballdata::kCalendarLastYear) {
        std::fprintf(stderr, "datagen: YEAR must be a number from %d to %d\n",
                     footballdata::kCalendarFirstYear, footballdata::kCalendarLastYear);
        return 2;
    }
    return footballdata::writeSeasonCalendar(path, int(year)) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--players") == 0) return writePlayers(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "calendar") == 0) return writeCalendar(argv[2], argv[3]);
    const bool preview = argc == 4 && std::strcmp(argv[2], "--preview") == 0;
    if ((argc != 2 && !preview) || argv[1][0] == '-') {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::filesystem::path veri(argv[1]);
    if (!makeFolder(veri / "ekrang") || !makeFolder(veri / "fnt") || !makeFolder(veri / "database"))
        return 1;
    if (!fontpicture::write(kFont, (veri / "fnt" / "cr.bmp").c_str())) return 1;
    if (!footballdata::writeDemoDatabase(veri / "database")) return 1;
    if (!materialpictures::write(veri)) return 1;
    PictureSet pictures(veri, preview ? argv[3] : "");
    if (!backgrounds::write(pictures) || !guipictures::write(pictures) ||
        !pitchpicture::write(pictures))
        return 1;
    if (!pictures.finishPreview()) return 1;
    return 0;
}
