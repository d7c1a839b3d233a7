// Texture lists (".tex") through the file path the game uses.
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/scratch_file.h"
#include "render/texture_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = scratchFile(".tex", data, size);
    static TextureList list;
    list.read(path.substr(0, path.size() - 4).c_str());
    for (int32_t i = 0; i < list.count; ++i) {
        const TextureListEntry& e = list.entry(i);
        if (std::memchr(e.scriptName, 0, sizeof e.scriptName) == nullptr) std::abort();
    }
    return 0;
}
