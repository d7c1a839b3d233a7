// Tests that draw: the scripted platform with a real 1024 × 768 GL window, opened once per
// test suite; message boxes are recorded, not shown.
#pragma once

#include <gtest/gtest.h>

#include "platform/test/test_platform.h"

class GlTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        host = new platform::TestPlatform(true);
        platform::setCurrent(host);
        opened = host->openGLWindow(1024, 768);
    }
    static void TearDownTestSuite() {
        host->closeGLWindow();
        // An idle platform stays current for whatever the global objects do at exit.
        static platform::TestPlatform* idle = new platform::TestPlatform(false);
        platform::setCurrent(idle);
        delete host;
    }
    void SetUp() override {
        ASSERT_TRUE(opened) << "no GL window (is DISPLAY set?)";
        host->messageBoxes.clear();
    }

    static inline platform::TestPlatform* host = nullptr;
    static inline bool opened = false;
};
