// Writes the demo data set's generated files into the given veri/ folder.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "font_picture.h"
#include "material_pictures.h"

namespace {

constexpr const char* kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

bool makeFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        std::fprintf(stderr, "datagen: cannot create %s: %s\n", folder.c_str(),
                     ec.message().c_str());
    return !ec;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: datagen VERI_FOLDER\n");
        return 2;
    }
    const std::filesystem::path veri(argv[1]);
    if (!makeFolder(veri / "ekrang") || !makeFolder(veri / "fnt")) return 1;
    if (!fontpicture::write(kFont, (veri / "fnt" / "cr.bmp").c_str())) return 1;
    if (!materialpictures::write(veri)) return 1;
    return 0;
}
