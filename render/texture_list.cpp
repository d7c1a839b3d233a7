#include "render/texture_list.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/services.h"
#include "folders/data_path.h"
#include "render/shader_script.h"
#include "render/texture_loader.h"

namespace {

constexpr char TEXTURE_COUNT_KEYWORD[] = "NUMTEXTURE";

using Line = char[TextureList::LINE_LIMIT + 2];

bool isLineEnd(char c) {
    return c == '\n' || c == '\r' || c == '\0';
}

// The next line that is neither a comment nor empty (only its first character decides);
// false at the end of the file. A longer line keeps its first LINE_LIMIT characters.
bool readMeaningfulLine(std::FILE* file, Line& line) {
    while (std::fgets(line, TextureList::LINE_LIMIT + 1, file)) {
        if (!std::strchr(line, '\n'))
            for (int c = std::fgetc(file); c != '\n' && c != EOF; c = std::fgetc(file)) {
            }
        if (line[0] != '/' && !isLineEnd(line[0])) return true;
    }
    return false;
}

// A decimal number after optional blanks, saturated to int32; false without digits.
bool readNumber(const char*& p, int32_t& out) {
    char* end = nullptr;
    const long long value = std::strtoll(p, &end, 10);
    if (end == p) return false;
    out = value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : int32_t(value);
    p = end;
    return true;
}

// "NUMTEXTURE n": the count, 0 for a line of another shape or a negative count.
int32_t headerCount(const char* line) {
    const char* p = line + sizeof TEXTURE_COUNT_KEYWORD - 1;
    int32_t count = 0;
    if (std::strncmp(line, TEXTURE_COUNT_KEYWORD, sizeof TEXTURE_COUNT_KEYWORD - 1) != 0 ||
        !readNumber(p, count))
        return 0;
    return count < 0 ? 0 : count;
}

// "index name": an entry without both parts, or with a name too long to hold, gets index -1.
TextureListEntry parseEntry(const char* line) {
    TextureListEntry entry{-1, ""};
    const char* p = line;
    int32_t index = 0;
    if (!readNumber(p, index)) return entry;
    while (*p == ' ' || *p == '\t')
        ++p;
    size_t length = 0;
    while (p[length] && p[length] != ' ' && p[length] != '\t' && !isLineEnd(p[length]))
        ++length;
    if (length == 0 || length >= sizeof entry.scriptName) return entry;
    std::memcpy(entry.scriptName, p, length);
    entry.scriptName[length] = '\0';
    entry.index = index;
    return entry;
}

} // namespace

bool TextureList::read(const char* baseName) {
    entries.clear();
    count = 0;
    char name[texture::MATERIAL_NAME_SIZE];
    std::FILE* file = nullptr;
    if (baseName) {
        const int written = std::snprintf(name, sizeof name, "%s.tex", baseName);
        if (written > 0 && size_t(written) < sizeof name)
            file = std::fopen(services::dataFolders().hostPath(name).c_str(), "r");
    }
    if (!file) {
        services::showWarning("Doku dosyasi bulunamadi!");
        services::writeLog("Doku Dosyasi Bulunamadi!");
        return false;
    }
    Line line;
    const int32_t wanted = readMeaningfulLine(file, line) ? headerCount(line) : 0;
    // The array grows with the lines actually there, whatever the header claims.
    for (int32_t i = 0; i < wanted && readMeaningfulLine(file, line); ++i)
        entries.push_back(parseEntry(line));
    std::fclose(file);
    count = int32_t(entries.size());
    return true;
}

bool loadMaterials(TextureList& list, const char* baseName, ShaderScriptTable& table) {
    list.read(baseName);
    table.reset();
    for (int32_t i = 0; i < list.count; ++i) {
        const TextureListEntry& entry = list.entry(i);
        if (entry.index >= 0 && entry.index < ShaderScriptTable::SIZE)
            table.parseScript(entry.scriptName, entry.index);
    }
    services::writeLog("Golge doku yuklemesi bitti..");
    return true;
}
