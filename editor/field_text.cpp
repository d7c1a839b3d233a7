#include "editor/field_text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <utility>

#include "text/cp1254.h"

namespace field_text {

int32_t leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT32_MAX) {
            value = INT32_MAX + int64_t(negative);
            break;
        }
    }
    return int32_t(negative ? -value : value);
}

bool toRecordText(const Utf8& typed, std::string& out, Utf8& bad) {
    const std::string_view utf8 = typed.bytes();
    std::size_t at = 0;
    if (cp1254::fromUtf8(utf8, out, &at)) return true;
    std::size_t end = at;
    cp1254::decodeUtf8(utf8, end);
    bad = Utf8(std::string(utf8.substr(at, end - at)));
    out.clear();
    return false;
}

Utf8 fromCp1254(std::string_view cp1254) {
    return Utf8(cp1254::toUtf8(cp1254));
}

Utf8 fromLocale(const char* text) {
    std::string out;
    std::mbstate_t state{};
    for (std::size_t left = std::strlen(text); left > 0;) {
        wchar_t wide;
        const std::size_t n = std::mbrtowc(&wide, text, left, &state);
        if (n == std::size_t(-1) || n == std::size_t(-2)) {
            out += '?';
            state = {};
            ++text, --left;
            continue;
        }
        const auto cp = char32_t(wide);
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xC0 | (cp >> 6));
            out += char(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += char(0xE0 | (cp >> 12));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xF0 | (cp >> 18));
            out += char(0x80 | ((cp >> 12) & 0x3F));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        }
        text += n, left -= n;
    }
    return Utf8(std::move(out));
}

std::string pathInCp1254(const std::string& path) {
    return cp1254::fromUtf8Lossy(path);
}

Utf8 formatCp1254(const char* format, ...) {
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(n > 0 ? std::size_t(n) : 0, '\0');
    if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return fromCp1254(text);
}

} // namespace field_text
