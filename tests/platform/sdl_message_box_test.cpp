#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/sdl_platform.h"
#include "text/cp1254.h"

using namespace platform;

// Without a display the box cannot be shown: its text must still reach the user, readable.
TEST(SdlMessageBox, WithoutADisplayTheTextGoesToStandardErrorAsUtf8) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    SdlPlatform p;
    testing::internal::CaptureStderr();
    const int answer =
        p.messageBox("Dosya bulunamadı: şİ"_w, "Zendor Menajer", MessageIcon::Warning);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, 0);
    EXPECT_NE(err.find("Zendor Menajer: Dosya bulunamadı: şİ\n"), std::string::npos) << err;
}
