#include <gtest/gtest.h>

#include <string>

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

// Every key a scan code reaches has a name, and a shifted character shares its key's name.
TEST(KeyTable, ReachableKeysAreNamedAndShiftedCharactersShareTheirKeysName) {
    char names[KEY_COUNT][KEY_NAME_SIZE];
    int32_t scanToKey[SCAN_CODE_COUNT];
    uint8_t shifted[KEY_COUNT];
    buildKeyNames(names);
    buildScanCodeToKeyCode(scanToKey);
    buildShiftedCharacters(shifted);
    for (int s = 0; s < SCAN_CODE_COUNT; ++s)
        EXPECT_TRUE(scanToKey[s] == 0 || names[scanToKey[s]][0]) << "scan " << s;
    for (int c = 0; c < 128; ++c)
        EXPECT_TRUE(!shifted[c] || std::string(names[shifted[c]]) == names[c]) << c;
}
