#include <gtest/gtest.h>

#include <string>

#include "input/key_table.h"

// Which scan code drives which key is checked through the real backend; here the look-up tables
// built around it: the reverse table, shifted characters, and a name for every reachable key.
TEST(KeyTable, ScanCodesShiftedCharactersAndNames) {
    int32_t scanToKey[SCAN_CODE_COUNT], keyToScan[SCAN_CODE_COUNT];
    uint8_t shifted[KEY_COUNT];
    char names[KEY_COUNT][KEY_NAME_SIZE];
    buildScanCodeToKeyCode(scanToKey);
    buildKeyCodeToScanCode(keyToScan);
    buildShiftedCharacters(shifted);
    buildKeyNames(names);
    for (int s = 0; s < SCAN_CODE_COUNT; ++s)
        EXPECT_TRUE(scanToKey[s] == 0 || (keyToScan[scanToKey[s]] == s && names[scanToKey[s]][0]))
            << "scan " << s;
    const char* from = "az1234567890-=[]\\;',./`";
    const char* to = "AZ!@#$%^&*()_+{}|:\"<>?~";
    for (size_t i = 0; from[i]; ++i)
        EXPECT_EQ(shifted[uint8_t(from[i])], uint8_t(to[i])) << from[i];
    for (int k : {0, int('A'), int('!'), 127, 128, 256})
        EXPECT_EQ(shifted[k], 0) << k;
    for (int c = 0; c < 128; ++c) // a shifted character takes its key's name
        EXPECT_TRUE(!shifted[c] || std::string(names[shifted[c]]) == names[c]) << c;
    const int scans[][2] = {{'!', 2},   {'"', 40},  {'^', 7},   {'A', 30},  {'~', 41}, {'|', 43},
                            {':', 146}, {'@', 145}, {'_', 147}, {127, 211}, {176, 0}};
    for (const auto& [key, scan] : scans)
        EXPECT_EQ(keyToScan[key], scan) << "key " << key;
}
