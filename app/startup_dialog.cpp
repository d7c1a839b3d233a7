#include "app/app.h"

#include <iterator>

#include "platform/dialog_font.h"

StartupSettings startupSettings;

namespace {

using platform::DialogControl;
using platform::DialogControlKind;
using platform::PixelBuffer;

constexpr int kRefreshBox = 1004;
constexpr int kSmoothingBox = 1008;
constexpr int kContinueCommand = platform::kDialogOk;

constexpr int kPictureWidth = 300;
constexpr int kPictureHeight = 200;

const DialogControl kControls[] = {
    {kContinueCommand, DialogControlKind::Button, "Devam", 11, 297, 320, 26},
    {0, DialogControlKind::Picture, "", 21, 11, kPictureWidth, kPictureHeight},
    {0, DialogControlKind::GroupBox, "Rav Engine Ayarlari:", 11, 216, 317, 76},
    {0, DialogControlKind::GroupBox, "Video Ayari:", 21, 231, 299, 55},
    {kRefreshBox, DialogControlKind::CheckBox, "Monitor Hizini Bekle ( Refresh rate)", 35, 247, 274,
     18},
    {kSmoothingBox, DialogControlKind::CheckBox, "Line AntiAnaliz ", 34, 264, 242, 18},
};

uint32_t rgb(int r, int g, int b) {
    return 0xFF000000u | uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
}

void circle(PixelBuffer& b, int cx, int cy, int r, uint32_t color) {
    int x = r, y = 0, err = 1 - r;
    while (x >= y) {
        const int pts[8][2] = {{x, y},   {y, x},   {-y, x}, {-x, y},
                               {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
        for (const auto& p : pts)
            b.set(cx + p[0], cy + p[1], color);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
}

// The game's title in a night-blue banner over a striped pitch, lighter towards the near side.
void paintPicture(PixelBuffer& b) {
    constexpr int kBanner = 44;
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            uint32_t color;
            if (y < kBanner) {
                color = rgb(10, 20 + y / 2, 60 + y);
            } else {
                const int shade = (y - kBanner) * 50 / (kPictureHeight - kBanner);
                const int stripe = (x / 25) % 2 ? 14 : 0;
                color = rgb(20 + shade / 3, 100 + shade + stripe, 30 + shade / 2);
            }
            b.set(x, y, color);
        }
    }
    const uint32_t line = rgb(235, 245, 235);
    const int left = 10, top = kBanner + 10, w = kPictureWidth - 20;
    const int h = kPictureHeight - kBanner - 20, midY = top + h / 2;
    b.frame(left, top, w, h, line);
    b.fill(kPictureWidth / 2, top, 1, h, line);
    circle(b, kPictureWidth / 2, midY, 22, line);
    b.fill(kPictureWidth / 2 - 1, midY - 1, 3, 3, line);
    for (int side = 0; side < 2; ++side) {
        const int boxW = 38, boxH = 70, smallW = 14, smallH = 34;
        b.frame(side ? left + w - boxW : left, midY - boxH / 2, boxW, boxH, line);
        b.frame(side ? left + w - smallW : left, midY - smallH / 2, smallW, smallH, line);
        b.fill(side ? left + w : left - 4, midY - 10, 4, 21, rgb(200, 200, 200));
    }
    const char* title = "ZIRVEGOL MENAJER 04/05";
    const int tx = (kPictureWidth - platform::textWidth(title, 2)) / 2;
    const int ty = (kBanner - platform::kGlyphHeight * 2) / 2;
    platform::drawText(b, tx + 2, ty + 2, title, rgb(0, 0, 0), 2);
    platform::drawText(b, tx, ty, title, rgb(255, 204, 40), 2);
}

} // namespace

const platform::DialogContent& startupDialogContent() {
    static uint32_t picture[kPictureWidth * kPictureHeight];
    static const platform::DialogContent content = [] {
        PixelBuffer buffer{picture, kPictureWidth, kPictureHeight};
        paintPicture(buffer);
        return platform::DialogContent{"Rav Engine", 342, 336, kControls, int(std::size(kControls)),
                                       picture};
    }();
    return content;
}

bool startupDialogProc(platform::DialogHandle& dialog, platform::DialogMessage message,
                       int command) {
    switch (message) {
    case platform::DialogMessage::Init:
        dialog.checkButton(kSmoothingBox, true);
        return false;
    case platform::DialogMessage::Command:
        if ((command & 0xFFFF) != kContinueCommand) return false;
        startupSettings.waitForRefresh = dialog.isButtonChecked(kRefreshBox);
        startupSettings.lineAntialiasing = dialog.isButtonChecked(kSmoothingBox);
        dialog.endDialog();
        return true;
    case platform::DialogMessage::Close:
        // Ends without reading the boxes: both settings stay as they were.
        dialog.endDialog();
        return true;
    }
    return false;
}
