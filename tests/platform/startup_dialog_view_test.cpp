#include "platform/startup_dialog_view.h"

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

const DialogControl& control(int id) {
    for (const DialogControl& c : StartupDialogView::kControls)
        if (c.id == id) return c;
    return StartupDialogView::kControls[0];
}

} // namespace

TEST(StartupDialogView, TextsHitAreasAndLayout) {
    EXPECT_STREQ(control(1).text, "Devam");
    EXPECT_STREQ(control(1004).text, "Monitor Hizini Bekle ( Refresh rate)");
    EXPECT_STREQ(control(1008).text, "Line AntiAnaliz ");
    for (const DialogControl& c : StartupDialogView::kControls) {
        EXPECT_LE(c.x + c.w, StartupDialogView::kWidth) << c.text;
        EXPECT_LE(c.y + c.h, StartupDialogView::kHeight) << c.text;
        // A check box's text must not run past its own clickable area.
        EXPECT_TRUE(c.kind != DialogControlKind::CheckBox || 13 + 4 + textWidth(c.text) <= c.w);
    }
    struct Case {
        int x, y, id;
    } cases[] = {{172, 256, 1004}, {40, 273, 1008}, {171, 310, 1}, {150, 100, 0}, {5, 240, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(StartupDialogView::hitTest(c.x, c.y), c.id) << c.x << "," << c.y;
}

TEST(StartupDialogView, TickShowsOnlyInCheckedBoxes) {
    std::vector<uint32_t> pixels(StartupDialogView::kWidth * StartupDialogView::kHeight);
    PixelBuffer buffer{pixels.data(), StartupDialogView::kWidth, StartupDialogView::kHeight};
    StartupDialogState state;
    state.smoothingBox = true;
    StartupDialogView::paint(buffer, state);
    auto blackPixels = [&](int x, int y, int w, int h) {
        int n = 0;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                n += buffer.at(i, j) == 0xFF000000u;
        return n;
    };
    // Inside of the 13-pixel box, border excluded.
    auto tickPixels = [&](const DialogControl& c) {
        return blackPixels(c.x + 2, c.y + (c.h - 13) / 2 + 2, 9, 9);
    };
    EXPECT_EQ(tickPixels(control(1004)), 0);
    EXPECT_GT(tickPixels(control(1008)), 10);
    const DialogControl& label = control(1008);
    EXPECT_GT(blackPixels(label.x + 17, label.y, label.w - 17, label.h), 50);
}
