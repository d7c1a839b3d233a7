#include "platform/startup_dialog_view.h"

#include <cstddef>

namespace platform {

namespace {

constexpr uint32_t FACE = 0xFFD4D0C8;
constexpr uint32_t LIGHT = 0xFFFFFFFF;
constexpr uint32_t SHADOW = 0xFF808080;
constexpr uint32_t DARK = 0xFF404040;
constexpr uint32_t TEXT = 0xFF000000;

// Raised (or, pressed, sunken) 3D edge.
void bevel(PixelBuffer& b, int x, int y, int w, int h, bool sunken) {
    const uint32_t topLeft = sunken ? SHADOW : LIGHT;
    const uint32_t bottomRight = sunken ? LIGHT : DARK;
    b.fill(x, y, w, 1, topLeft);
    b.fill(x, y, 1, h, topLeft);
    b.fill(x, y + h - 1, w, 1, bottomRight);
    b.fill(x + w - 1, y, 1, h, bottomRight);
    if (!sunken) {
        b.fill(x + 1, y + h - 2, w - 2, 1, SHADOW);
        b.fill(x + w - 2, y + 1, 1, h - 2, SHADOW);
    }
}

void focusFrame(PixelBuffer& b, int x, int y, int w, int h) {
    for (int i = x; i < x + w; i += 2) {
        b.set(i, y, TEXT);
        b.set(i, y + h - 1, TEXT);
    }
    for (int j = y; j < y + h; j += 2) {
        b.set(x, j, TEXT);
        b.set(x + w - 1, j, TEXT);
    }
}

void groupBox(PixelBuffer& b, const DialogControl& c) {
    const int top = c.y + DIALOG_GLYPH_HEIGHT / 2;
    const int gapEnd = c.x + 6 + textWidth(c.text) + 3;
    // Etched frame: shadow line with a light line inside, broken where the text sits.
    for (int pass = 0; pass < 2; ++pass) {
        const uint32_t color = pass ? LIGHT : SHADOW;
        const int x = c.x + pass, y = top + pass, w = c.w - 1, h = c.h - (top - c.y) - 1;
        b.fill(x, y, 6, 1, color);
        b.fill(gapEnd, y, x + w - gapEnd, 1, color);
        b.fill(x, y + h - 1, w, 1, color);
        b.fill(x, y, 1, h, color);
        b.fill(x + w - 1, y, 1, h, color);
    }
    drawText(b, c.x + 8, c.y, c.text, TEXT);
}

void checkBox(PixelBuffer& b, const DialogControl& c, bool checked, bool focused) {
    constexpr int BOX = 13;
    const int bx = c.x, by = c.y + (c.h - BOX) / 2;
    b.fill(bx, by, BOX, BOX, LIGHT);
    b.fill(bx, by, BOX - 1, 1, SHADOW);
    b.fill(bx, by, 1, BOX - 1, SHADOW);
    b.fill(bx + 1, by + 1, BOX - 3, 1, DARK);
    b.fill(bx + 1, by + 1, 1, BOX - 3, DARK);
    b.fill(bx + 1, by + BOX - 2, BOX - 2, 1, FACE);
    b.fill(bx + BOX - 2, by + 1, 1, BOX - 2, FACE);
    if (checked) {
        // The tick: three pixels thick, down to the bottom, then up to the right.
        for (int i = 0; i < 7; ++i) {
            const int x = bx + 3 + i;
            const int y = i < 3 ? by + 5 + i : by + 9 - (i - 2);
            b.fill(x, y, 1, 3, TEXT);
        }
    }
    const int tx = bx + BOX + 4, ty = c.y + (c.h - DIALOG_GLYPH_HEIGHT) / 2;
    drawText(b, tx, ty, c.text, TEXT);
    if (focused) focusFrame(b, tx - 2, ty - 2, textWidth(c.text) + 4, DIALOG_GLYPH_HEIGHT + 4);
}

void button(PixelBuffer& b, const DialogControl& c, bool pressed, bool focused) {
    // The default button has a black outer frame.
    b.frame(c.x, c.y, c.w, c.h, TEXT);
    b.fill(c.x + 1, c.y + 1, c.w - 2, c.h - 2, FACE);
    if (pressed)
        b.frame(c.x + 1, c.y + 1, c.w - 2, c.h - 2, SHADOW);
    else
        bevel(b, c.x + 1, c.y + 1, c.w - 2, c.h - 2, false);
    const int shift = pressed ? 1 : 0;
    const int tx = c.x + (c.w - textWidth(c.text)) / 2 + shift;
    const int ty = c.y + (c.h - DIALOG_GLYPH_HEIGHT) / 2 + shift;
    drawText(b, tx, ty, c.text, TEXT);
    if (focused) focusFrame(b, c.x + 4, c.y + 4, c.w - 8, c.h - 8);
}

void picture(PixelBuffer& b, const DialogControl& c, const uint32_t* pixels) {
    if (!pixels) return;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x)
            b.set(c.x + x, c.y + y, pixels[y * c.w + x]);
}

} // namespace

StartupDialogState::StartupDialogState(const DialogContent& content)
    : content(content), checked(std::size_t(content.controlCount)),
      focus(StartupDialogView::nextFocus(content, 0)) {}

void StartupDialogState::checkButton(int id, bool on) {
    const DialogControl* c = StartupDialogView::find(content, id);
    if (c && c->kind == DialogControlKind::CheckBox) checked[std::size_t(c - content.controls)] = on;
}

bool StartupDialogState::isButtonChecked(int id) const {
    const DialogControl* c = StartupDialogView::find(content, id);
    return c && c->kind == DialogControlKind::CheckBox && checked[std::size_t(c - content.controls)];
}

const DialogControl* StartupDialogView::find(const DialogContent& content, int id) {
    if (id == 0) return nullptr;
    for (int i = 0; i < content.controlCount; ++i)
        if (content.controls[i].id == id) return &content.controls[i];
    return nullptr;
}

int StartupDialogView::hitTest(const DialogContent& content, int x, int y) {
    for (int i = 0; i < content.controlCount; ++i) {
        const DialogControl& c = content.controls[i];
        if (c.id == 0) continue;
        if (x >= c.x && y >= c.y && x < c.x + c.w && y < c.y + c.h) return c.id;
    }
    return 0;
}

// An id not in the dialog starts the order again.
int StartupDialogView::nextFocus(const DialogContent& content, int id) {
    int first = 0;
    bool passed = false;
    for (int i = 0; i < content.controlCount; ++i) {
        const int candidate = content.controls[i].id;
        if (candidate == 0) continue;
        if (passed) return candidate;
        if (first == 0) first = candidate;
        passed = candidate == id;
    }
    return first;
}

void StartupDialogView::paint(PixelBuffer& b, const StartupDialogState& state) {
    b.fill(0, 0, b.width, b.height, FACE);
    bevel(b, 0, 0, b.width, b.height, false);
    for (int i = 0; i < state.content.controlCount; ++i) {
        const DialogControl& c = state.content.controls[i];
        switch (c.kind) {
        case DialogControlKind::Picture:
            picture(b, c, state.content.picture);
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

} // namespace platform
