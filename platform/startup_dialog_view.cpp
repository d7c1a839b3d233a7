#include "platform/startup_dialog_view.h"

namespace platform {

namespace {

constexpr uint32_t kFace = 0xFFD4D0C8;
constexpr uint32_t kLight = 0xFFFFFFFF;
constexpr uint32_t kShadow = 0xFF808080;
constexpr uint32_t kDark = 0xFF404040;
constexpr uint32_t kText = 0xFF000000;

// Raised (or, pressed, sunken) 3D edge.
void bevel(PixelBuffer& b, int x, int y, int w, int h, bool sunken) {
    const uint32_t topLeft = sunken ? kShadow : kLight;
    const uint32_t bottomRight = sunken ? kLight : kDark;
    b.fill(x, y, w, 1, topLeft);
    b.fill(x, y, 1, h, topLeft);
    b.fill(x, y + h - 1, w, 1, bottomRight);
    b.fill(x + w - 1, y, 1, h, bottomRight);
    if (!sunken) {
        b.fill(x + 1, y + h - 2, w - 2, 1, kShadow);
        b.fill(x + w - 2, y + 1, 1, h - 2, kShadow);
    }
}

void focusFrame(PixelBuffer& b, int x, int y, int w, int h) {
    for (int i = x; i < x + w; i += 2) {
        b.set(i, y, kText);
        b.set(i, y + h - 1, kText);
    }
    for (int j = y; j < y + h; j += 2) {
        b.set(x, j, kText);
        b.set(x + w - 1, j, kText);
    }
}

void groupBox(PixelBuffer& b, const DialogControl& c) {
    const int top = c.y + kGlyphHeight / 2;
    const int gapEnd = c.x + 6 + textWidth(c.text) + 3;
    // Etched frame: shadow line with a light line inside, broken where the text sits.
    for (int pass = 0; pass < 2; ++pass) {
        const uint32_t color = pass ? kLight : kShadow;
        const int x = c.x + pass, y = top + pass, w = c.w - 1, h = c.h - (top - c.y) - 1;
        b.fill(x, y, 6, 1, color);
        b.fill(gapEnd, y, x + w - gapEnd, 1, color);
        b.fill(x, y + h - 1, w, 1, color);
        b.fill(x, y, 1, h, color);
        b.fill(x + w - 1, y, 1, h, color);
    }
    drawText(b, c.x + 8, c.y, c.text, kText);
}

void checkBox(PixelBuffer& b, const DialogControl& c, bool checked, bool focused) {
    constexpr int kBox = 13;
    const int bx = c.x, by = c.y + (c.h - kBox) / 2;
    b.fill(bx, by, kBox, kBox, kLight);
    b.fill(bx, by, kBox - 1, 1, kShadow);
    b.fill(bx, by, 1, kBox - 1, kShadow);
    b.fill(bx + 1, by + 1, kBox - 3, 1, kDark);
    b.fill(bx + 1, by + 1, 1, kBox - 3, kDark);
    b.fill(bx + 1, by + kBox - 2, kBox - 2, 1, kFace);
    b.fill(bx + kBox - 2, by + 1, 1, kBox - 2, kFace);
    if (checked) {
        // The tick: three pixels thick, down to the bottom, then up to the right.
        for (int i = 0; i < 7; ++i) {
            const int x = bx + 3 + i;
            const int y = i < 3 ? by + 5 + i : by + 9 - (i - 2);
            b.fill(x, y, 1, 3, kText);
        }
    }
    const int tx = bx + kBox + 4, ty = c.y + (c.h - kGlyphHeight) / 2;
    drawText(b, tx, ty, c.text, kText);
    if (focused) focusFrame(b, tx - 2, ty - 2, textWidth(c.text) + 4, kGlyphHeight + 4);
}

void button(PixelBuffer& b, const DialogControl& c, bool pressed, bool focused) {
    // The default button has a black outer frame.
    b.frame(c.x, c.y, c.w, c.h, kText);
    b.fill(c.x + 1, c.y + 1, c.w - 2, c.h - 2, kFace);
    if (pressed)
        b.frame(c.x + 1, c.y + 1, c.w - 2, c.h - 2, kShadow);
    else
        bevel(b, c.x + 1, c.y + 1, c.w - 2, c.h - 2, false);
    const int shift = pressed ? 1 : 0;
    const int tx = c.x + (c.w - textWidth(c.text)) / 2 + shift;
    const int ty = c.y + (c.h - kGlyphHeight) / 2 + shift;
    drawText(b, tx, ty, c.text, kText);
    if (focused) focusFrame(b, c.x + 4, c.y + 4, c.w - 8, c.h - 8);
}

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

} // namespace

void StartupDialogState::checkButton(int id, bool checked) {
    if (id == 1004) refreshBox = checked;
    if (id == 1008) smoothingBox = checked;
}

bool StartupDialogState::isButtonChecked(int id) const {
    return id == 1004 ? refreshBox : id == 1008 ? smoothingBox : false;
}

const DialogControl StartupDialogView::kControls[kControlCount] = {
    {1, DialogControlKind::Button, "Devam", 11, 297, 320, 26},
    {0, DialogControlKind::Picture, "", 21, 11, kPictureWidth, kPictureHeight},
    {0, DialogControlKind::GroupBox, "Rav Engine Ayarlari:", 11, 216, 317, 76},
    {0, DialogControlKind::GroupBox, "Video Ayari:", 21, 231, 299, 55},
    {1004, DialogControlKind::CheckBox, "Monitor Hizini Bekle ( Refresh rate)", 35, 247, 274, 18},
    {1008, DialogControlKind::CheckBox, "Line AntiAnaliz ", 34, 264, 242, 18},
};

int StartupDialogView::hitTest(int x, int y) {
    for (const DialogControl& c : kControls) {
        if (c.id == 0) continue;
        if (x >= c.x && y >= c.y && x < c.x + c.w && y < c.y + c.h) return c.id;
    }
    return 0;
}

int StartupDialogView::nextFocus(int id) {
    return id == 1 ? 1004 : id == 1004 ? 1008 : 1;
}

void StartupDialogView::paint(PixelBuffer& b, const StartupDialogState& state) {
    b.fill(0, 0, b.width, b.height, kFace);
    bevel(b, 0, 0, b.width, b.height, false);
    for (const DialogControl& c : kControls) {
        switch (c.kind) {
        case DialogControlKind::Picture:
            paintPicture(b, c.x, c.y);
            break;
        case DialogControlKind::GroupBox:
            groupBox(b, c);
            break;
        case DialogControlKind::CheckBox:
            checkBox(b, c, state.isButtonChecked(c.id), state.focus == c.id);
            break;
        case DialogControlKind::Button:
            button(b, c, state.pressed == c.id, state.focus == c.id);
            break;
        }
    }
}

void StartupDialogView::paintPicture(PixelBuffer& b, int x0, int y0) {
    constexpr int kBanner = 44;
    // Night-blue banner over a striped pitch, lighter towards the near side.
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
            b.set(x0 + x, y0 + y, color);
        }
    }
    const uint32_t line = rgb(235, 245, 235);
    const int left = x0 + 10, top = y0 + kBanner + 10, w = kPictureWidth - 20;
    const int h = kPictureHeight - kBanner - 20, midY = top + h / 2;
    b.frame(left, top, w, h, line);
    b.fill(x0 + kPictureWidth / 2, top, 1, h, line);
    circle(b, x0 + kPictureWidth / 2, midY, 22, line);
    b.fill(x0 + kPictureWidth / 2 - 1, midY - 1, 3, 3, line);
    for (int side = 0; side < 2; ++side) {
        const int boxW = 38, boxH = 70, smallW = 14, smallH = 34;
        b.frame(side ? left + w - boxW : left, midY - boxH / 2, boxW, boxH, line);
        b.frame(side ? left + w - smallW : left, midY - smallH / 2, smallW, smallH, line);
        b.fill(side ? left + w : left - 4, midY - 10, 4, 21, rgb(200, 200, 200));
    }
    const char* title = "ZIRVEGOL MENAJER 04/05";
    const int tx = x0 + (kPictureWidth - textWidth(title, 2)) / 2;
    const int ty = y0 + (kBanner - kGlyphHeight * 2) / 2;
    drawText(b, tx + 2, ty + 2, title, rgb(0, 0, 0), 2);
    drawText(b, tx, ty, title, rgb(255, 204, 40), 2);
}

} // namespace platform
