#include "input/key_table.h"

#include <cstdio>
#include <cstring>

#include "platform/scan_code.h"

namespace {

struct KeySource {
    KeyCode code;
    platform::ScanCode scanCode;
};

// Every key that polling drives, with its device scan code.
constexpr KeySource SOURCES[] = {
    {KEY_BACKSPACE, platform::SCAN_BACKSPACE},
    {KEY_TAB, platform::SCAN_TAB},
    {KEY_ENTER, platform::SCAN_ENTER},
    {KEY_ESCAPE, platform::SCAN_ESCAPE},
    {KEY_SPACE, platform::SCAN_SPACE},
    {'\'', platform::SCAN_APOSTROPHE},
    {',', platform::SCAN_COMMA},
    {'-', platform::SCAN_MINUS},
    {'.', platform::SCAN_PERIOD},
    {'/', platform::SCAN_SLASH},
    {'0', platform::SCAN_0},
    {'1', platform::SCAN_1},
    {'2', platform::SCAN_2},
    {'3', platform::SCAN_3},
    {'4', platform::SCAN_4},
    {'5', platform::SCAN_5},
    {'6', platform::SCAN_6},
    {'7', platform::SCAN_7},
    {'8', platform::SCAN_8},
    {'9', platform::SCAN_9},
    {';', platform::SCAN_SEMICOLON},
    {'=', platform::SCAN_EQUALS},
    {'[', platform::SCAN_LEFT_BRACKET},
    {'\\', platform::SCAN_BACKSLASH},
    {']', platform::SCAN_RIGHT_BRACKET},
    {'`', platform::SCAN_GRAVE},
    {'q', platform::SCAN_Q},
    {'w', platform::SCAN_W},
    {'e', platform::SCAN_E},
    {'r', platform::SCAN_R},
    {'t', platform::SCAN_T},
    {'y', platform::SCAN_Y},
    {'u', platform::SCAN_U},
    {'i', platform::SCAN_I},
    {'o', platform::SCAN_O},
    {'p', platform::SCAN_P},
    {'a', platform::SCAN_A},
    {'s', platform::SCAN_S},
    {'d', platform::SCAN_D},
    {'f', platform::SCAN_F},
    {'g', platform::SCAN_G},
    {'h', platform::SCAN_H},
    {'j', platform::SCAN_J},
    {'k', platform::SCAN_K},
    {'l', platform::SCAN_L},
    {'z', platform::SCAN_Z},
    {'x', platform::SCAN_X},
    {'c', platform::SCAN_C},
    {'v', platform::SCAN_V},
    {'b', platform::SCAN_B},
    {'n', platform::SCAN_N},
    {'m', platform::SCAN_M},
    {KEY_LEFT_SHIFT, platform::SCAN_LEFT_SHIFT},
    {KEY_RIGHT_SHIFT, platform::SCAN_RIGHT_SHIFT},
    {KEY_LEFT_CTRL, platform::SCAN_LEFT_CTRL},
    {KEY_RIGHT_CTRL, platform::SCAN_RIGHT_CTRL},
    {KEY_LEFT_ALT, platform::SCAN_LEFT_ALT},
    {KEY_RIGHT_ALT, platform::SCAN_RIGHT_ALT},
    {KEY_LEFT_ARROW, platform::SCAN_LEFT},
    {KEY_RIGHT_ARROW, platform::SCAN_RIGHT},
    {KEY_UP_ARROW, platform::SCAN_UP},
    {KEY_DOWN_ARROW, platform::SCAN_DOWN},
    {KEY_F1, platform::SCAN_F1},
    {KEY_F2, platform::SCAN_F2},
    {KEY_F3, platform::SCAN_F3},
    {KEY_F4, platform::SCAN_F4},
    {KeyCode(KEY_F1 + 4), platform::SCAN_F5},
    {KeyCode(KEY_F1 + 5), platform::SCAN_F6},
    {KeyCode(KEY_F1 + 6), platform::SCAN_F7},
    {KeyCode(KEY_F1 + 7), platform::SCAN_F8},
    {KeyCode(KEY_F1 + 8), platform::SCAN_F9},
    {KeyCode(KEY_F1 + 9), platform::SCAN_F10},
    {KEY_F11, platform::SCAN_F11},
    {KEY_F12, platform::SCAN_F12},
    {KEY_INSERT, platform::SCAN_INSERT},
    {KEY_DEL, platform::SCAN_DELETE},
    {KEY_HOME, platform::SCAN_HOME},
    {KEY_END, platform::SCAN_END},
    {KEY_PAGE_UP, platform::SCAN_PAGE_UP},
    {KEY_PAGE_DOWN, platform::SCAN_PAGE_DOWN},
    {KEY_NUM_SLASH, platform::SCAN_NUM_SLASH},
    {KEY_NUM_STAR, platform::SCAN_NUM_STAR},
    {KEY_NUM_MINUS, platform::SCAN_NUM_MINUS},
    {KEY_NUM_PLUS, platform::SCAN_NUM_PLUS},
    {KEY_NUM_ENTER, platform::SCAN_NUM_ENTER},
    {KEY_NUM_PERIOD, platform::SCAN_NUM_PERIOD},
    {KEY_NUM_0, platform::SCAN_NUM_0},
    {KeyCode(KEY_NUM_0 + 1), platform::SCAN_NUM_1},
    {KeyCode(KEY_NUM_0 + 2), platform::SCAN_NUM_2},
    {KeyCode(KEY_NUM_0 + 3), platform::SCAN_NUM_3},
    {KeyCode(KEY_NUM_0 + 4), platform::SCAN_NUM_4},
    {KeyCode(KEY_NUM_0 + 5), platform::SCAN_NUM_5},
    {KeyCode(KEY_NUM_0 + 6), platform::SCAN_NUM_6},
    {KeyCode(KEY_NUM_0 + 7), platform::SCAN_NUM_7},
    {KeyCode(KEY_NUM_0 + 8), platform::SCAN_NUM_8},
    {KeyCode(KEY_NUM_0 + 9), platform::SCAN_NUM_9},
    {KEY_NUM_LOCK, platform::SCAN_NUM_LOCK},
    {KEY_CAPS_LOCK, platform::SCAN_CAPS_LOCK},
    {KEY_SCROLL_LOCK, platform::SCAN_SCROLL_LOCK},
    {KEY_PRINT_SCREEN, platform::SCAN_PRINT_SCREEN},
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
    table[uint8_t(':')] = platform::SCAN_COLON;
    table[uint8_t('@')] = platform::SCAN_AT;
    table[uint8_t('_')] = platform::SCAN_UNDERLINE;
    table[KEY_DELETE] = platform::SCAN_DELETE;
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
