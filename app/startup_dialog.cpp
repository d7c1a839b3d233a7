#include "app/app.h"

#include <iterator>

#include "platform/dialog_font.h"

StartupSettings startupSettings;

namespace {

using platform::DialogControl;
using platform::DialogControlKind;
using platform::PixelBuffer;

constexpr int REFRESH_BOX = 1004;
constexpr int SMOOTHING_BOX = 1008;
constexpr int CONTINUE_COMMAND = platform::DIALOG_OK;

constexpr int PICTURE_WIDTH = 300;
constexpr int PICTURE_HEIGHT = 200;

const DialogControl CONTROLS[] = {
    {CONTINUE_COMMAND, DialogControlKind::Button, "Devam", 11, 297, 320, 26},
    {0, DialogControlKind::Picture, "", 21, 11, PICTURE_WIDTH, PICTURE_HEIGHT},
    {0, DialogControlKind::GroupBox, "Rav Engine Ayarlari:", 11, 216, 317, 76},
    {0, DialogControlKind::GroupBox, "Video Ayari:", 21, 231, 299, 55},
    {REFRESH_BOX, DialogControlKind::CheckBox, "Monitor Hizini Bekle ( Refresh rate)", 35, 247, 274,
     18},
    {SMOOTHING_BOX, DialogControlKind::CheckBox, "Line AntiAnaliz ", 34, 264, 242, 18},
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
    constexpr int BANNER = 44;
    for (int y = 0; y < PICTURE_HEIGHT; ++y) {
        for (int x = 0; x < PICTURE_WIDTH; ++x) {
            uint32_t color;
            if (y < BANNER) {
                color = rgb(10, 20 + y / 2, 60 + y);
            } else {
                const int shade = (y - BANNER) * 50 / (PICTURE_HEIGHT - BANNER);
                const int stripe = (x / 25) % 2 ? 14 : 0;
                color = rgb(20 + shade / 3, 100 + shade + stripe, 30 + shade / 2);
            }
            b.set(x, y, color);
        }
    }
    const uint32_t line = rgb(235, 245, 235);
    const int left = 10, top = BANNER + 10, w = PICTURE_WIDTH - 20;
    const int h = PICTURE_HEIGHT - BANNER - 20, midY = top + h / 2;
    b.frame(left, top, w, h, line);
    b.fill(PICTURE_WIDTH / 2, top, 1, h, line);
    circle(b, PICTURE_WIDTH / 2, midY, 22, line);
    b.fill(PICTURE_WIDTH / 2 - 1, midY - 1, 3, 3, line);
    for (int side = 0; side < 2; ++side) {
        const int boxW = 38, boxH = 70, smallW = 14, smallH = 34;
        b.frame(side ? left + w - boxW : left, midY - boxH / 2, boxW, boxH, line);
        b.frame(side ? left + w - smallW : left, midY - smallH / 2, smallW, smallH, line);
        b.fill(side ? left + w : left - 4, midY - 10, 4, 21, rgb(200, 200, 200));
    }
    const char* title = "ZIRVEGOL MENAJER 04/05";
    const int tx = (PICTURE_WIDTH - platform::textWidth(title, 2)) / 2;
    const int ty = (BANNER - platform::DIALOG_GLYPH_HEIGHT * 2) / 2;
    platform::drawText(b, tx + 2, ty + 2, title, rgb(0, 0, 0), 2);
    platform::drawText(b, tx, ty, title, rgb(255, 204, 40), 2);
}

} // namespace

const platform::DialogContent& startupDialogContent() {
    static uint32_t picture[PICTURE_WIDTH * PICTURE_HEIGHT];
    static const platform::DialogContent content = [] {
        PixelBuffer buffer{picture, PICTURE_WIDTH, PICTURE_HEIGHT};
        paintPicture(buffer);
        return platform::DialogContent{"Rav Engine", 342, 336, CONTROLS, int(std::size(CONTROLS)),
                                       picture};
    }();
    return content;
}

bool startupDialogProc(platform::DialogHandle& dialog, platform::DialogMessage message,
                       int command) {
    switch (message) {
    case platform::DialogMessage::Init:
        dialog.checkButton(SMOOTHING_BOX, true);
        return false;
    case platform::DialogMessage::Command:
        if ((command & 0xFFFF) != CONTINUE_COMMAND) return false;
        startupSettings.waitForRefresh = dialog.isButtonChecked(REFRESH_BOX);
        startupSettings.lineAntialiasing = dialog.isButtonChecked(SMOOTHING_BOX);
        dialog.endDialog();
        return true;
    case platform::DialogMessage::Close:
        // Ends without reading the boxes: both settings stay as they were.
        dialog.endDialog();
        return true;
    }
    return false;
}
