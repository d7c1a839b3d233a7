// The program's global log writes "rav3d.htm" in the working folder as the program starts, so a
// test program linking the globals enters a temporary folder of its own before they are built.
#include "tests/support/test_seam.h"

namespace {

struct EnterTestFolder {
    EnterTestFolder() { testFolder(); }
} enterTestFolder __attribute__((init_priority(101)));

} // namespace
