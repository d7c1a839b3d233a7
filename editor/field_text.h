// Turning what the user typed into record values, and record texts into what a control shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editor/editor_view.h"

namespace field_text {

// The leading decimal number of a text, as the controls' numbers are read: blanks and a sign
// may come first, a text without digits gives 0, and a number beyond int32 stops at its limit.
int32_t leadingNumber(std::string_view text);

// Typed text (UTF-8) to Windows-1254 in `cp1254Out`. False when a character has no byte in the
// code page; `bad` then holds that character, as typed.
bool toRecordText(const Utf8& typed, std::string& cp1254Out, Utf8& bad);

// Windows-1254 bytes as UTF-8.
Utf8 fromCp1254(std::string_view cp1254);

// A text of the C library (strerror) in the locale's own encoding, as UTF-8; bytes the locale
// cannot decode become '?'.
Utf8 fromLocale(const char* localeText);

// A file's path (the host's, UTF-8) in Windows-1254, for a message's %s: characters the code
// page lacks are left out.
std::string pathInCp1254(const std::string& hostPath);

// printf of a Windows-1254 format and Windows-1254 arguments, handed on as UTF-8.
Utf8 formatCp1254(const char* cp1254Format, ...) __attribute__((format(printf, 1, 2)));

} // namespace field_text
