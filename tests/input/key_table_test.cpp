#include <cstring>
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

// The entries most easily mistyped: keypad order, extended keys, and keys that map nowhere.
TEST(KeyTable, ScanCodesDriveTheirKeyCodes) {
    const Tables t;
    const struct {
        int scan, key;
    } cases[] = {
        {1, 27},    {14, 8},    {15, 9},    {28, 13},   {57, 32},   {11, '0'},  {2, '1'},
        {10, '9'},  {12, '-'},  {13, '='},  {40, '\''}, {41, '`'},  {43, '\\'}, {16, 'q'},
        {25, 'p'},  {30, 'a'},  {38, 'l'},  {44, 'z'},  {50, 'm'},  {42, 128},  {54, 129},
        {29, 130},  {157, 131}, {56, 132},  {184, 133}, {203, 134}, {205, 135}, {200, 136},
        {208, 137}, {59, 138},  {68, 147},  {87, 148},  {88, 149},  {210, 150}, {211, 151},
        {199, 152}, {207, 153}, {201, 154}, {209, 155}, {181, 156}, {55, 157},  {74, 158},
        {78, 159},  {156, 160}, {83, 161},  {82, 162},  {79, 163},  {80, 164},  {81, 165},
        {75, 166},  {76, 167},  {77, 168},  {71, 169},  {72, 170},  {73, 171},  {69, 172},
        {58, 173},  {70, 174},  {183, 175}, {0, 0},     {219, 0},   {220, 0},   {221, 0},
        {84, 0},    {86, 0},    {197, 0},   {255, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(t.scanToKey[c.scan], c.key) << "scan " << c.scan;

    int mapped = 0;
    for (int s = 0; s < SCAN_CODE_COUNT; ++s) {
        if (t.scanToKey[s] == 0) continue;
        ++mapped;
        // One code per physical key: never an upper-case letter or a shifted symbol.
        for (int k = 0; k < KEY_COUNT; ++k)
            EXPECT_NE(t.shifted[k], t.scanToKey[s]);
        EXPECT_EQ(t.keyToScan[t.scanToKey[s]], s) << "scan " << s;
    }
    EXPECT_EQ(mapped, 100);
}

TEST(KeyTable, KeyCodesGiveTheKeyThatTypesThem) {
    const Tables t;
    const struct {
        int key, scan;
    } cases[] = {
        {'!', 2},   {'"', 40},  {'#', 4},  {'^', 7},  {'(', 10}, {')', 11}, {'+', 13},  {'{', 26},
        {'|', 43},  {'<', 51},  {'?', 53}, {'~', 41}, {'A', 30}, {'Z', 44}, {':', 146}, {'@', 145},
        {'_', 147}, {127, 211}, {';', 39}, {'-', 12}, {176, 0},  {0, 0},    {255, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(t.keyToScan[c.key], c.scan) << "key " << c.key;
}

TEST(KeyTable, ShiftedCharactersFollowAUsLayout) {
    const Tables t;
    const char* from = "abz1234567890-=[]\\;',./`";
    const char* to = "ABZ!@#$%^&*()_+{}|:\"<>?~";
    for (size_t i = 0; from[i]; ++i)
        EXPECT_EQ(t.shifted[uint8_t(from[i])], uint8_t(to[i])) << from[i];
    for (int k : {0, int('A'), int('!'), int(' '), 127, 128, 149, 256, 269})
        EXPECT_EQ(t.shifted[k], 0) << k;
}

TEST(KeyTable, Names) {
    const Tables t;
    const struct {
        int key;
        const char* name;
    } cases[] = {
        {0, "NULL"},
        {1, ""},
        {8, "BACKSPACE"},
        {27, "ESC"},
        {31, ""},
        {33, "1"},
        {34, "APOSTROPHE"},
        {40, "9"},
        {42, "8"},
        {43, "EQUALS"},
        {45, "UNDERSCORE"},
        {48, "0"},
        {57, "9"},
        {58, "SEMICOLON"},
        {60, "COMMA"},
        {64, "2"},
        {65, "A"},
        {90, "Z"},
        {91, "LEFT BRKT"},
        {94, "6"},
        {95, "UNDERSCORE"},
        {96, "GRAVE"},
        {97, "A"},
        {122, "Z"},
        {124, "BACKSLASH"},
        {126, "GRAVE"},
        {127, "DELETE"},
        {128, "LEFT SHIFT"},
        {135, "RIGHT ARROW"},
        {138, "F1"},
        {147, "F10"},
        {148, "F11"},
        {149, "F12"},
        {151, "DEL"},
        {155, "PAGE DOWN"},
        {161, "NUM PERIOD"},
        {162, "NUM 0"},
        {171, "NUM 9"},
        {174, "SCROLL LOCK"},
        {175, "PRINT SCRN"},
        {176, "PAUSE"},
        {177, ""},
        {255, ""},
        {256, "MOUSE LEFT"},
        {258, "MOUSE MIDLE"},
        {259, "MOUSE BUTN4"},
        {260, "JOY BUTN 0"},
        {269, "JOY BUTN 9"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(t.names[c.key], c.name) << "key " << c.key;
    for (int k = 0; k < KEY_COUNT; ++k)
        EXPECT_EQ(t.names[k][KEY_NAME_SIZE - 1], 0) << k;
}
