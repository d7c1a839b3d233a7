#include <gtest/gtest.h>

#include "input/key_table.h"

namespace {

struct Tables {
    Tables() {
        buildScanCodeToKeyCode(scanToKey);
        buildKeyCodeToScanCode(keyToScan);
        buildShiftedCharacters(shifted);
        buildKeyNames(names);
    }
    int32_t scanToKey[SCAN_CODE_COUNT];
    int32_t keyToScan[SCAN_CODE_COUNT];
    uint8_t shifted[KEY_COUNT];
    char names[KEY_COUNT][KEY_NAME_SIZE];
};

} // namespace

// Which scan code drives which key is checked key by key through the real backend; here the
// tables' agreement with each other.
TEST(KeyTable, OneCodePerPhysicalKey) {
    const Tables t;
    int mapped = 0;
    for (int s = 0; s < SCAN_CODE_COUNT; ++s) {
        const int k = t.scanToKey[s];
        if (k == 0) continue;
        ++mapped;
        EXPECT_EQ(t.keyToScan[k], s) << "scan " << s;
        for (int c = 0; c < KEY_COUNT; ++c)
            EXPECT_NE(t.shifted[c], k) << "scan " << s;
    }
    EXPECT_EQ(mapped, 100);
    for (int windowsKey : {219, 220, 221})
        EXPECT_EQ(t.scanToKey[windowsKey], 0);
}

TEST(KeyTable, ShiftedCharactersAndTheKeysThatTypeThem) {
    const Tables t;
    const char* from = "az1234567890-=[]\\;',./`";
    const char* to = "AZ!@#$%^&*()_+{}|:\"<>?~";
    for (size_t i = 0; from[i]; ++i)
        EXPECT_EQ(t.shifted[uint8_t(from[i])], uint8_t(to[i])) << from[i];
    for (int k : {0, int('A'), int('!'), 127, 128, 256})
        EXPECT_EQ(t.shifted[k], 0) << k;
    const struct {
        int key, scan;
    } cases[] = {{'!', 2},   {'"', 40},  {'^', 7},   {'A', 30},  {'~', 41}, {'|', 43},
                 {':', 146}, {'@', 145}, {'_', 147}, {127, 211}, {176, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(t.keyToScan[c.key], c.scan) << "key " << c.key;
}

TEST(KeyTable, Names) {
    const Tables t;
    const struct {
        int key;
        const char* name;
    } cases[] = {
        {0, "NULL"},
        {1, ""},
        {27, "ESC"},
        {33, "1"},
        {34, "APOSTROPHE"},
        {40, "9"},
        {42, "8"},
        {43, "EQUALS"},
        {58, "SEMICOLON"},
        {64, "2"},
        {65, "A"},
        {95, "UNDERSCORE"},
        {122, "Z"},
        {126, "GRAVE"},
        {127, "DELETE"},
        {147, "F10"},
        {151, "DEL"},
        {171, "NUM 9"},
        {175, "PRINT SCRN"},
        {176, "PAUSE"},
        {177, ""},
        {258, "MOUSE MIDLE"},
        {259, "MOUSE BUTN4"},
        {269, "JOY BUTN 9"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(t.names[c.key], c.name) << "key " << c.key;
}
