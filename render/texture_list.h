// Texture lists (".tex"): which material script fills which entry of a material table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class ShaderScriptTable;

struct TextureListEntry {
    // The table entry to fill; -1 for a line that named no usable entry.
    int32_t index;
    char scriptName[200];
};

class TextureList {
public:
    static constexpr int LINE_LIMIT = 254;

    TextureList() = default;
    virtual ~TextureList() = default;

    // Reads base + ".tex", replacing the entries held. False (after the message and the log
    // line) when the file does not open; the list is then empty.
    bool read(const char* baseName);
    const TextureListEntry& entry(int i) const { return entries[size_t(i)]; }

    // The number of entries actually read.
    int32_t count = 0;

private:
    std::vector<TextureListEntry> entries;
};

// Reads the list, resets the table and parses every entry's script into it, in list order;
// logs the completion even when the list is missing. Returns true.
bool loadMaterials(TextureList& list, const char* baseName, ShaderScriptTable& table);
