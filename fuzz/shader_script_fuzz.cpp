// Material scripts through the file path the game uses: the first byte picks the table entry
// (past the entries a reset prepares too), the rest is the script.
#include <string>

#include "fuzz/scratch_file.h"
#include "render/shader_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static ShaderScriptTable* table = new ShaderScriptTable;
    table->reset();
    const int index = data[0] % ShaderScriptTable::SIZE;
    table->parseScript(scratchFile(".gol", data + 1, size - 1).c_str(), index);
    // What drawing asks of the entry before any GL call.
    table->drawCount(index);
    table->nextPass(index);
    return 0;
}
