// Windows-1254 (Turkish) text: the code page of every text in memory and in files.
// UTF-8 appears only at the SDL and wx boundaries and in source literals.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cp1254 {

// Unicode code point of each byte 0x80..0xFF. Bytes with no character in the code page
// map to the C1 control of the same value, so every byte survives a round trip.
inline constexpr std::array<char32_t, 128> HIGH = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178, // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, // B8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, // C0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, // C8
    0x011E, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, // D0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x0130, 0x015E, 0x00DF, // D8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, // E0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, // E8
    0x011F, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, // F0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0131, 0x015F, 0x00FF, // F8
};

// Code point of one byte.
constexpr char32_t toUnicode(unsigned char byte) {
    return byte < 0x80 ? char32_t(byte) : HIGH[byte - 0x80];
}

// Byte of one code point; -1 when the code page has no such character.
constexpr int fromUnicode(char32_t cp) {
    if (cp < 0x80) return int(cp);
    for (int i = 0; i < 128; ++i)
        if (HIGH[i] == cp) return 0x80 + i;
    return -1;
}

// Decodes one UTF-8 sequence starting at s[i]; advances i. Returns -1 for a malformed
// sequence (i then moves past the offending byte).
constexpr long decodeUtf8(std::string_view s, std::size_t& i) {
    const unsigned char c = static_cast<unsigned char>(s[i++]);
    if (c < 0x80) return c;
    int extra = 0;
    char32_t cp = 0;
    if ((c & 0xE0) == 0xC0) {
        extra = 1;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3;
        cp = c & 0x07;
    } else {
        return -1;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size()) return -1;
        const unsigned char d = static_cast<unsigned char>(s[i]);
        if ((d & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (d & 0x3F);
        ++i;
    }
    constexpr char32_t LEAST_CODE_POINT[4] = {0, 0x80, 0x800, 0x10000};
    if (cp < LEAST_CODE_POINT[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
    return long(cp);
}

// Windows-1254 bytes to UTF-8.
std::string toUtf8(std::string_view cp1254Text);

// UTF-8 to Windows-1254. Returns false on malformed UTF-8 or a character the code page
// lacks; *badOffset (if given) then receives the byte offset of the offending sequence.
bool fromUtf8(std::string_view utf8, std::string& out, std::size_t* badOffset = nullptr);

// Same, but characters without a byte are dropped (for typed text).
std::string fromUtf8Lossy(std::string_view utf8);

namespace detail {

template <std::size_t N> struct Utf8Literal {
    char text[N]{};
    consteval Utf8Literal(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
    }
};

// Deliberately not constexpr: reaching it during constant evaluation is a compile error
// naming the problem.
void literal_has_character_outside_windows_1254();

template <std::size_t N> consteval std::array<char, N> convert(const char (&utf8)[N]) {
    std::array<char, N> out{};
    const std::string_view s(utf8, N - 1);
    std::size_t i = 0, o = 0;
    while (i < s.size()) {
        const long cp = decodeUtf8(s, i);
        const int b = cp < 0 ? -1 : fromUnicode(char32_t(cp));
        if (b < 0) literal_has_character_outside_windows_1254();
        out[o++] = static_cast<char>(b);
    }
    out[o] = '\0';
    return out;
}

template <Utf8Literal L> inline constexpr std::array<char, sizeof(L.text)> CONVERTED =
    convert(L.text);

} // namespace detail
} // namespace cp1254

// "Oyun Seçenekleri"_w: a UTF-8 source literal as NUL-terminated Windows-1254 bytes,
// converted at compile time.
template <cp1254::detail::Utf8Literal L> constexpr const char* operator""_w() {
    return cp1254::detail::CONVERTED<L>.data();
}
