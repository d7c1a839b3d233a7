// Turning what the user typed into record values, and record texts into what a control shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace field_text {

// The leading decimal number of a text, as the controls' numbers are read: blanks and a sign
// may come first, a text without digits gives 0, and a number beyond int32 stops at its limit.
int32_t leadingNumber(std::string_view text);

// UTF-8 typed text to Windows-1254. False when a character has no byte in the code page;
// `bad` then holds that character, as typed.
bool toRecordText(std::string_view utf8, std::string& out, std::string& bad);

// A text of the C library (strerror) in the locale's own encoding, as UTF-8; bytes the locale
// cannot decode become '?'.
std::string fromLocale(const char* text);

// A file's path (UTF-8) as a message's %s shows it: characters the code page lacks are left out.
std::string shownPath(const std::string& path);

// printf into a Windows-1254 string and hand it on as UTF-8.
std::string utf8(const char* cp1254Format, ...) __attribute__((format(printf, 1, 2)));

} // namespace field_text
