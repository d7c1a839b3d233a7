#include "platform/startup_dialog_view.h"

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

constexpr uint32_t kBlack = 0xFF000000;

struct Canvas {
    std::vector<uint32_t> pixels =
        std::vector<uint32_t>(StartupDialogView::kWidth * StartupDialogView::kHeight);
    PixelBuffer buffer{pixels.data(), StartupDialogView::kWidth, StartupDialogView::kHeight};
};

const DialogControl& control(int id) {
    for (const DialogControl& c : StartupDialogView::kControls)
        if (c.id == id) return c;
    return StartupDialogView::kControls[0];
}

int blackPixels(const PixelBuffer& b, int x, int y, int w, int h) {
    int n = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            n += b.at(i, j) == kBlack;
    return n;
}

} // namespace

TEST(StartupDialogView, ControlsKeepTheirTextsAndFitTheWindow) {
    EXPECT_STREQ(control(1).text, "Devam");
    EXPECT_STREQ(control(1004).text, "Monitor Hizini Bekle ( Refresh rate)");
    EXPECT_STREQ(control(1008).text, "Line AntiAnaliz ");
    for (const DialogControl& c : StartupDialogView::kControls) {
        SCOPED_TRACE(c.text);
        EXPECT_GE(c.x, 0);
        EXPECT_LE(c.x + c.w, StartupDialogView::kWidth);
        EXPECT_LE(c.y + c.h, StartupDialogView::kHeight);
        // A check box's text must not run past its own clickable area.
        if (c.kind == DialogControlKind::CheckBox) {
            EXPECT_LE(13 + 4 + textWidth(c.text), c.w);
        }
    }
}

TEST(StartupDialogView, ClicksLandOnTheControlUnderThem) {
    struct Case {
        int x, y, id;
    } cases[] = {
        {172, 256, 1004}, {40, 273, 1008}, {171, 310, 1}, {150, 100, 0}, {5, 240, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StartupDialogView::hitTest(c.x, c.y), c.id) << c.x;
}

TEST(StartupDialogView, TickShowsOnlyInCheckedBoxes) {
    StartupDialogState state;
    state.smoothingBox = true;
    Canvas canvas;
    StartupDialogView::paint(canvas.buffer, state);
    const DialogControl& refresh = control(1004);
    const DialogControl& smooth = control(1008);
    // Inside of the 13-pixel box, border excluded.
    EXPECT_EQ(blackPixels(canvas.buffer, refresh.x + 2, refresh.y + (refresh.h - 13) / 2 + 2, 9, 9),
              0);
    EXPECT_GT(blackPixels(canvas.buffer, smooth.x + 2, smooth.y + (smooth.h - 13) / 2 + 2, 9, 9),
              10);
    // The label is drawn beside the box.
    EXPECT_GT(blackPixels(canvas.buffer, smooth.x + 17, smooth.y, smooth.w - 17, smooth.h), 50);
}
