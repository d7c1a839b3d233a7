#include "platform/startup_dialog_view.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "app/app.h"

using namespace platform;

namespace {

const DialogContent& content = startupDialogContent();
const std::span<const DialogControl> controls(content.controls, size_t(content.controlCount));

const DialogControl& control(int id) {
    return *StartupDialogView::find(content, id);
}

} // namespace

// Every control fits the dialog, a check box's text its clickable area, and a click lands on
// a clickable control exactly within its bounds.
TEST(StartupDialogView, LayoutAndHitAreas) {
    for (const DialogControl& c : controls) {
        EXPECT_LE(c.x + c.w, content.width) << c.text;
        EXPECT_LE(c.y + c.h, content.height) << c.text;
        EXPECT_TRUE(c.kind != DialogControlKind::CheckBox || 13 + 4 + textWidth(c.text) <= c.w);
        if (c.id == 0) continue;
        const int right = c.x + c.w - 1, bottom = c.y + c.h - 1;
        EXPECT_EQ(StartupDialogView::hitTest(content, c.x, c.y), c.id) << c.text;
        EXPECT_EQ(StartupDialogView::hitTest(content, right, bottom), c.id) << c.text;
        for (auto [x, y] :
             {std::pair{c.x - 1, c.y}, {c.x, c.y - 1}, {right + 1, bottom}, {right, bottom + 1}})
            EXPECT_NE(StartupDialogView::hitTest(content, x, y), c.id)
                << c.text << " " << x << "," << y;
    }
    EXPECT_EQ(StartupDialogView::hitTest(content, 0, 0), 0);
}

TEST(StartupDialogView, TickShowsOnlyInCheckedBoxes) {
    std::vector<uint32_t> pixels(content.width * content.height);
    PixelBuffer buffer{pixels.data(), content.width, content.height};
    StartupDialogState state(content);
    state.checkButton(1008, true);
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
    // Group boxes show their frame; nothing of the picture spills right of its control.
    for (const DialogControl& c : controls) {
        const int midY = c.y + c.h / 2, right = c.x + c.w;
        if (c.kind == DialogControlKind::GroupBox) {
            EXPECT_NE(buffer.at(c.x, midY), buffer.at(c.x + 3, midY)) << c.text;
        }
        for (int y = c.y; c.kind == DialogControlKind::Picture && y < c.y + c.h; ++y)
            EXPECT_EQ(buffer.at(right, y), buffer.at(right + 1, y)) << y;
    }
}
