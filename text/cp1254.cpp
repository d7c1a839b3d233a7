#include "text/cp1254.h"

namespace cp1254 {

static void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

std::string toUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (char c : text) appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
    return out;
}

bool fromUtf8(std::string_view utf8, std::string& out, std::size_t* badOffset) {
    out.clear();
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t start = i;
        const long cp = decodeUtf8(utf8, i);
        const int b = cp < 0 ? -1 : fromUnicode(char32_t(cp));
        if (b < 0) {
            if (badOffset) *badOffset = start;
            return false;
        }
        out += static_cast<char>(b);
    }
    return true;
}

std::string fromUtf8Lossy(std::string_view utf8) {
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const long cp = decodeUtf8(utf8, i);
        const int b = cp < 0 ? -1 : fromUnicode(char32_t(cp));
        if (b >= 0) out += static_cast<char>(b);
    }
    return out;
}

} // namespace cp1254
