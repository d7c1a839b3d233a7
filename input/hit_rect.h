// A screen rectangle (origin top-left, y down) asked about the cursor and the left button of
// the input system the caller names.
#pragma once

#include "input/input_system.h"

// What the cursor and the left button do to a rectangle; values as the callers stored them.
enum HitState : int {
    HIT_OUTSIDE = 0,
    HIT_OVER = 1,    // inside, the button neither held nor just released
    HIT_CLICKED = 2, // inside on the poll the button is released
    HIT_HELD = 4,    // inside while the button is held (pointerState only)
};

class HitRect {
public:
    virtual ~HitRect() = default;

    int setRect(float x, float y, float width, float height);
    // Strict on every side: a point on the border is outside.
    static int contains(float x, float y, float width, float height, float px, float py);

    // HIT_OUTSIDE, HIT_CLICKED or HIT_OVER; a held button counts as over.
    HitState hitTest(const InputSystem& input) const;
    // HIT_OUTSIDE, HIT_HELD, HIT_CLICKED or HIT_OVER.
    static HitState pointerState(const InputSystem& input, float x, float y, float width,
                                 float height);
    // 1 on the poll the left button goes down with the cursor outside the rectangle.
    static int pressedOutside(const InputSystem& input, float x, float y, float width,
                              float height);

    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};
