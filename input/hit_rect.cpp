#include "input/hit_rect.h"

namespace {

int cursorInside(const InputSystem& input, float x, float y, float width, float height) {
    int32_t px = 0, py = 0;
    input.mousePosition(px, py);
    return HitRect::contains(x, y, width, height, float(px), float(py));
}

} // namespace

int HitRect::setRect(float newX, float newY, float newWidth, float newHeight) {
    x = newX;
    y = newY;
    width = newWidth;
    height = newHeight;
    return 1;
}

int HitRect::contains(float x, float y, float width, float height, float px, float py) {
    return x < px && px < x + width && y < py && py < y + height;
}

HitState HitRect::hitTest(const InputSystem& input) const {
    if (!cursorInside(input, x, y, width, height)) return HIT_OUTSIDE;
    return input.keyState(KEY_MOUSE_LEFT) == KEY_RELEASED ? HIT_CLICKED : HIT_OVER;
}

HitState HitRect::pointerState(const InputSystem& input, float x, float y, float width,
                               float height) {
    if (!cursorInside(input, x, y, width, height)) return HIT_OUTSIDE;
    switch (input.keyState(KEY_MOUSE_LEFT)) {
    case KEY_HELD:
        return HIT_HELD;
    case KEY_RELEASED:
        return HIT_CLICKED;
    default:
        return HIT_OVER;
    }
}

int HitRect::pressedOutside(const InputSystem& input, float x, float y, float width, float height) {
    return !cursorInside(input, x, y, width, height) &&
           input.keyState(KEY_MOUSE_LEFT) == KEY_PRESSED;
}
