// Texts in fixed-size fields of the database records: NUL-terminated Windows-1254 bytes whose
// terminator may be missing in a file made elsewhere.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace fixed_text {

// Length of the text in a field of `size` bytes, never reading past the field.
inline std::size_t length(const char* field, std::size_t size) {
    const void* nul = std::memchr(field, 0, size);
    return nul ? std::size_t(static_cast<const char*>(nul) - field) : size;
}

inline std::string_view view(const char* field, std::size_t size) {
    return {field, length(field, size)};
}

inline bool terminated(const char* field, std::size_t size) {
    return std::memchr(field, 0, size) != nullptr;
}

// Keeps at most maxChars characters and makes sure a terminator follows them; bytes after
// the terminator are left alone.
inline void cut(char* field, std::size_t size, std::size_t maxChars) {
    if (maxChars >= size) maxChars = size - 1;
    // A terminator at the limit settles it without a scan: the usual case, and a hot one.
    if (field[maxChars] != '\0' && length(field, size) > maxChars) field[maxChars] = '\0';
}

// Replaces the field with text cut to maxChars characters; the rest of the field is zeroed.
inline void assign(char* field, std::size_t size, std::string_view text, std::size_t maxChars) {
    if (maxChars >= size) maxChars = size - 1;
    if (text.size() > maxChars) text = text.substr(0, maxChars);
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), text.size());
}

} // namespace fixed_text
