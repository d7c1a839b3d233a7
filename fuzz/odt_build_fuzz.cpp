// The CSV input of "odt build": the first byte picks the kind of file to build, the rest is
// the CSV.
#include "fuzz/scratch_file.h"
#include "tools/odt/odt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static const char* const outputs[] = {"out.odt", "out.tdt", "out.trh"};
    std::string csv = scratchFile(".csv", data + 1, size - 1);
    std::string out = csv.substr(0, csv.rfind('/') + 1) + outputs[data[0] % 3];
    char* argv[] = {csv.data(), out.data()};
    const int status = runBuild(2, argv);
    if (status != EXIT_OK && status != EXIT_BAD_FILE) std::abort();
    std::remove(out.c_str());
    return 0;
}
