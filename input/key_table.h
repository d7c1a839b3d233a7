// The tables that tie device scan codes, key codes, shifted characters and key names
// together; the input system builds its copies of them once, at creation.
#pragma once

#include <cstdint>

#include "input/key_code.h"

constexpr int SCAN_CODE_COUNT = 256;
constexpr int KEY_NAME_SIZE = 12;

// Scan code to the KeyCode it drives; 0 where none.
void buildScanCodeToKeyCode(int32_t (&table)[SCAN_CODE_COUNT]);
// KeyCode 0 to 255 to the scan code of the key that types it on a US layout; 0 where none.
void buildKeyCodeToScanCode(int32_t (&table)[SCAN_CODE_COUNT]);
// KeyCode to the character Shift gives on a US layout; 0 where none.
void buildShiftedCharacters(uint8_t (&table)[KEY_COUNT]);
// KeyCode to its printable name; empty where none.
void buildKeyNames(char (&table)[KEY_COUNT][KEY_NAME_SIZE]);
