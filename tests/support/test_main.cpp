// Every test program runs its tests in a temporary folder of its own, removed at exit, so no
// test writes into the build tree; listing the tests writes nothing.
#include <gtest/gtest.h>

#include "tests/support/test_seam.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (!GTEST_FLAG_GET(list_tests)) testFolder();
    return RUN_ALL_TESTS();
}
