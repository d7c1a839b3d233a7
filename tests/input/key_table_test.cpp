#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "input/key_table.h"

// Which scan code drives which key is checked key by key through the real backend; here the
// look-up tables built around it.
TEST(KeyTable, ShiftedCharactersAndScanCodes) {
    int32_t scanToKey[SCAN_CODE_COUNT], keyToScan[SCAN_CODE_COUNT];
    uint8_t shifted[KEY_COUNT];
    buildScanCodeToKeyCode(scanToKey);
    buildKeyCodeToScanCode(keyToScan);
    buildShiftedCharacters(shifted);
    for (int s = 0; s < SCAN_CODE_COUNT; ++s)
        EXPECT_TRUE(scanToKey[s] == 0 || keyToScan[scanToKey[s]] == s) << "scan " << s;
    const char* from = "az1234567890-=[]\\;',./`";
    const char* to = "AZ!@#$%^&*()_+{}|:\"<>?~";
    for (size_t i = 0; from[i]; ++i)
        EXPECT_EQ(shifted[uint8_t(from[i])], uint8_t(to[i])) << from[i];
    for (int k : {0, int('A'), int('!'), 127, 128, 256})
        EXPECT_EQ(shifted[k], 0) << k;
    const int scans[][2] = {{'!', 2},   {'"', 40},  {'^', 7},   {'A', 30},  {'~', 41}, {'|', 43},
                            {':', 146}, {'@', 145}, {'_', 147}, {127, 211}, {176, 0}};
    for (const auto& [key, scan] : scans)
        EXPECT_EQ(keyToScan[key], scan) << "key " << key;
}

TEST(KeyTable, NamesFillTheirFields) {
    char names[KEY_COUNT][KEY_NAME_SIZE];
    buildKeyNames(names);
    // clang-format off
    const struct { int key; const char* name; } cases[] = {
        {0, "NULL"}, {1, ""}, {27, "ESC"}, {33, "1"}, {34, "APOSTROPHE"}, {40, "9"}, {42, "8"},
        {43, "EQUALS"}, {58, "SEMICOLON"}, {64, "2"}, {65, "A"}, {95, "UNDERSCORE"}, {122, "Z"},
        {126, "GRAVE"}, {127, "DELETE"}, {147, "F10"}, {151, "DEL"}, {171, "NUM 9"},
        {174, "SCROLL LOCK"}, {176, "PAUSE"}, {177, ""}, {258, "MOUSE MIDLE"},
        {259, "MOUSE BUTN4"}, {269, "JOY BUTN 9"}};
    // clang-format on
    for (const auto& c : cases) {
        char field[KEY_NAME_SIZE] = {}; // the name, then zeros to the end of the field
        std::snprintf(field, sizeof field, "%s", c.name);
        EXPECT_EQ(std::memcmp(names[c.key], field, KEY_NAME_SIZE), 0) << "key " << c.key;
    }
}
