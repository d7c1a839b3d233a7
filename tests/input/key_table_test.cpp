#include <gtest/gtest.h>

#include <set>

#include "input/key_table.h"

// Which scan code drives which key is checked through the real backend for one key of each
// kind; here the whole table: no two scan codes may drive the same key.
TEST(KeyTable, EveryScanCodeDrivesAKeyOfItsOwn) {
    int32_t scanToKey[SCAN_CODE_COUNT];
    buildScanCodeToKeyCode(scanToKey);
    std::set<int32_t> keys;
    for (int s = 0; s < SCAN_CODE_COUNT; ++s)
        EXPECT_TRUE(scanToKey[s] == 0 || keys.insert(scanToKey[s]).second) << "scan " << s;
}
