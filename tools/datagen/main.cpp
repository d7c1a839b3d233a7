// Writes the demo data set's generated files into the given veri/ folder, the programs' icons,
// or a large player file for benchmarks.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "tools/datagen/backgrounds.h"
#include "tools/datagen/font_picture.h"
#include "tools/datagen/football_data.h"
#include "tools/datagen/gui_pictures.h"
#include "tools/datagen/icons.h"
#include "tools/datagen/material_pictures.h"
#include "tools/datagen/picture_set.h"
#include "tools/datagen/pitch_picture.h"

namespace {

constexpr const char* FONT = MENAJER_FONT; // found by the build
constexpr const char* USAGE =
    "usage: menajer-datagen VERI_FOLDER [--preview PNG_FOLDER]\n"
    "       menajer-datagen --players N OUT.odt\n"
    "       menajer-datagen --teams N OUT.tdt\n"
    "       menajer-datagen --icons FOLDER\n"
    "       menajer-datagen calendar YEAR OUT.trh\n"
    "\n"
    "  VERI_FOLDER [--preview PNG_FOLDER]  write the demo data set (the same bytes\n"
    "                                      on every run), with PNG previews\n"
    "  --players N OUT.odt                 write a player file of N generated players\n"
    "  --teams N OUT.tdt                   write a team file of N clubs of 25\n"
    "  --icons FOLDER                      draw the programs' icons as\n"
    "                                      FOLDER/<n>x<n>/apps/*.png\n"
    "  calendar YEAR OUT.trh               write the season from 1 June YEAR to\n"
    "                                      31 May YEAR+1 (YEAR 1900 to 2100)\n"
    "  --help                              print this help and exit\n"
    "  --version                           print the version and exit\n"
    "\n"
    "Exit status: 0 done, 1 a file cannot be written, 2 a wrong command line.\n";

bool makeFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        std::fprintf(stderr, "menajer-datagen: cannot create %s: %s\n", folder.c_str(),
                     ec.message().c_str());
    return !ec;
}

int writePlayers(const char* countText, const char* path) {
    char* end = nullptr;
    const long count = std::strtol(countText, &end, 10);
    if (end == countText || *end || count < 0 || count > 100000) {
        std::fprintf(stderr, "menajer-datagen: N must be a number from 0 to 100000\n");
        return 2;
    }
    return footballdata::writePlayerFile(path, int32_t(count)) ? 0 : 1;
}

int writeTeams(const char* countText, const char* path) {
    char* end = nullptr;
    const long count = std::strtol(countText, &end, 10);
    if (end == countText || *end || count < 0 || count > footballdata::MAX_TEAMS) {
        std::fprintf(stderr, "menajer-datagen: N must be a number from 0 to %d\n",
                     footballdata::MAX_TEAMS);
        return 2;
    }
    return footballdata::writeTeamFile(path, int32_t(count)) ? 0 : 1;
}

int writeCalendar(const char* yearText, const char* path) {
    char* end = nullptr;
    const long year = std::strtol(yearText, &end, 10);
    if (end == yearText || *end || year < footballdata::CALENDAR_FIRST_YEAR ||
        year > footballdata::CALENDAR_LAST_YEAR) {
        std::fprintf(stderr, "menajer-datagen: YEAR must be a number from %d to %d\n",
                     footballdata::CALENDAR_FIRST_YEAR, footballdata::CALENDAR_LAST_YEAR);
        return 2;
    }
    return footballdata::writeSeasonCalendar(path, int(year)) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) return std::fputs(USAGE, stdout), 0;
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
        return std::puts("menajer-datagen " MENAJER_VERSION), 0;
    if (argc == 4 && std::strcmp(argv[1], "--players") == 0) return writePlayers(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "--teams") == 0) return writeTeams(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "calendar") == 0) return writeCalendar(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "--icons") == 0) return icons::write(argv[2]) ? 0 : 1;
    const bool preview = argc == 4 && std::strcmp(argv[2], "--preview") == 0;
    if ((argc != 2 && !preview) || argv[1][0] == '-') {
        if (argc > 1 && argv[1][0] == '-')
            std::fprintf(stderr, "menajer-datagen: unknown option '%s'; see --help\n", argv[1]);
        else
            std::fputs("menajer-datagen: wrong arguments; see --help\n", stderr);
        return 2;
    }
    const std::filesystem::path veri(argv[1]);
    if (!makeFolder(veri / "ekrang") || !makeFolder(veri / "fnt") || !makeFolder(veri / "database"))
        return 1;
    if (!fontpicture::write(FONT, (veri / "fnt" / "cr.bmp").c_str())) return 1;
    if (!footballdata::writeDemoDatabase(veri / "database")) return 1;
    if (!materialpictures::write(veri)) return 1;
    PictureSet pictures(veri, preview ? argv[3] : "");
    if (!backgrounds::write(pictures) || !guipictures::write(pictures) ||
        !pitchpicture::write(pictures))
        return 1;
    if (!pictures.finishPreview()) return 1;
    return 0;
}
