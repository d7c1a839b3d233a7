#include "input/key_table.h"

#include <cstdio>
#include <cstring>

namespace {

struct KeySource {
    KeyCode code;
    uint8_t scanCode;
};

// Every key that polling drives, with its device scan code.
constexpr KeySource SOURCES[] = {
    {KEY_BACKSPACE, 14},
    {KEY_TAB, 15},
    {KEY_ENTER, 28},
    {KEY_ESCAPE, 1},
    {KEY_SPACE, 57},
    {'\'', 40},
    {',', 51},
    {'-', 12},
    {'.', 52},
    {'/', 53},
    {'0', 11},
    {'1', 2},
    {'2', 3},
    {'3', 4},
    {'4', 5},
    {'5', 6},
    {'6', 7},
    {'7', 8},
    {'8', 9},
    {'9', 10},
    {';', 39},
    {'=', 13},
    {'[', 26},
    {'\\', 43},
    {']', 27},
    {'`', 41},
    {'q', 16},
    {'w', 17},
    {'e', 18},
    {'r', 19},
    {'t', 20},
    {'y', 21},
    {'u', 22},
    {'i', 23},
    {'o', 24},
    {'p', 25},
    {'a', 30},
    {'s', 31},
    {'d', 32},
    {'f', 33},
    {'g', 34},
    {'h', 35},
    {'j', 36},
    {'k', 37},
    {'l', 38},
    {'z', 44},
    {'x', 45},
    {'c', 46},
    {'v', 47},
    {'b', 48},
    {'n', 49},
    {'m', 50},
    {128, 42},
    {129, 54},
    {130, 29},
    {131, 157},
    {132, 56},
    {133, 184},
    {134, 203},
    {135, 205},
    {136, 200},
    {137, 208},
    {138, 59},
    {139, 60},
    {140, 61},
    {141, 62},
    {142, 63},
    {143, 64},
    {144, 65},
    {145, 66},
    {146, 67},
    {147, 68},
    {148, 87},
    {149, 88},
    {150, 210},
    {151, 211},
    {152, 199},
    {153, 207},
    {154, 201},
    {155, 209},
    {156, 181},
    {157, 55},
    {158, 74},
    {159, 78},
    {160, 156},
    {161, 83},
    {162, 82},
    {163, 79},
    {164, 80},
    {165, 81},
    {166, 75},
    {167, 76},
    {168, 77},
    {169, 71},
    {170, 72},
    {171, 73},
    {172, 69},
    {173, 58},
    {174, 70},
    {175, 183},
};

// Unshifted and shifted character of each symbol key of a US layout.
constexpr const char* SHIFT_PAIRS[] = {"1!",  "2@", "3#",  "4$", "5%", "6^", "7&",
                                       "8*",  "9(", "0)",  "-_", "=+", "[{", "]}",
                                       "\\|", ";:", "'\"", ",<", ".>", "/?", "`~"};

struct KeyName {
    KeyCode code;
    const char* name;
};

// Names of the base keys; shifted characters take the name of the key that types them.
constexpr KeyName NAMES[] = {
    {0, "NULL"},          {8, "BACKSPACE"},     {9, "TAB"},           {13, "ENTER"},
    {27, "ESC"},          {32, "SPACE"},        {'\'', "APOSTROPHE"}, {',', "COMMA"},
    {'-', "UNDERSCORE"},  {'.', "PERIOD"},      {'/', "SLASH"},       {';', "SEMICOLON"},
    {'=', "EQUALS"},      {'[', "LEFT BRKT"},   {'\\', "BACKSLASH"},  {']', "RIGHT BRKT"},
    {'`', "GRAVE"},       {127, "DELETE"},      {128, "LEFT SHIFT"},  {129, "RIGHT SHIFT"},
    {130, "LEFT CTRL"},   {131, "RIGHT CTRL"},  {132, "LEFT ALT"},    {133, "RIGHT ALT"},
    {134, "LEFT ARROW"},  {135, "RIGHT ARROW"}, {136, "UP ARROW"},    {137, "DOWN ARROW"},
    {148, "F11"},         {149, "F12"},         {150, "INSERT"},      {151, "DEL"},
    {152, "HOME"},        {153, "END"},         {154, "PAGE UP"},     {155, "PAGE DOWN"},
    {156, "NUM SLASH"},   {157, "NUM STAR"},    {158, "NUM MINUS"},   {159, "NUM PLUS"},
    {160, "NUM ENTER"},   {161, "NUM PERIOD"},  {172, "NUM LOCK"},    {173, "CAPS LOCK"},
    {174, "SCROLL LOCK"}, {175, "PRINT SCRN"},  {176, "PAUSE"},       {256, "MOUSE LEFT"},
    {257, "MOUSE RIGHT"}, {258, "MOUSE MIDLE"}, {259, "MOUSE BUTN4"},
};

void setName(char (&field)[KEY_NAME_SIZE], const char* name) {
    std::strncpy(field, name, KEY_NAME_SIZE - 1);
    field[KEY_NAME_SIZE - 1] = 0;
}

} // namespace

void buildScanCodeToKeyCode(int32_t (&table)[SCAN_CODE_COUNT]) {
    std::memset(table, 0, sizeof table);
    for (const KeySource& s : SOURCES)
        table[s.scanCode] = s.code;
}

void buildKeyCodeToScanCode(int32_t (&table)[SCAN_CODE_COUNT]) {
    std::memset(table, 0, sizeof table);
    for (const KeySource& s : SOURCES)
        if (s.code < SCAN_CODE_COUNT) table[s.code] = s.scanCode;
    for (int c = 'a'; c <= 'z'; ++c)
        table[c - 'a' + 'A'] = table[c];
    for (const char* pair : SHIFT_PAIRS)
        table[uint8_t(pair[1])] = table[uint8_t(pair[0])];
    // Keys of their own on some keyboards.
    table[uint8_t(':')] = 146;
    table[uint8_t('@')] = 145;
    table[uint8_t('_')] = 147;
    table[KEY_DELETE] = 211;
}

void buildShiftedCharacters(uint8_t (&table)[KEY_COUNT]) {
    std::memset(table, 0, sizeof table);
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = uint8_t(c - 'a' + 'A');
    for (const char* pair : SHIFT_PAIRS)
        table[uint8_t(pair[0])] = uint8_t(pair[1]);
}

void buildKeyNames(char (&table)[KEY_COUNT][KEY_NAME_SIZE]) {
    std::memset(table, 0, sizeof table);
    for (const KeyName& n : NAMES)
        setName(table[n.code], n.name);
    for (int d = 0; d <= 9; ++d) {
        std::snprintf(table['0' + d], KEY_NAME_SIZE, "%d", d);
        std::snprintf(table[KEY_NUM_0 + d], KEY_NAME_SIZE, "NUM %d", d);
        std::snprintf(table[KEY_JOY_BUTTON0 + d], KEY_NAME_SIZE, "JOY BUTN %d", d);
    }
    for (int c = 'a'; c <= 'z'; ++c)
        std::snprintf(table[c], KEY_NAME_SIZE, "%c", c - 'a' + 'A');
    for (int f = 1; f <= 10; ++f)
        std::snprintf(table[KEY_F1 + f - 1], KEY_NAME_SIZE, "F%d", f);
    uint8_t shifted[KEY_COUNT];
    buildShiftedCharacters(shifted);
    for (int c = 0; c < 128; ++c)
        if (shifted[c]) setName(table[shifted[c]], table[c]);
}
