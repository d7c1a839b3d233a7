// A screen rectangle (origin top-left, y down) asked about the cursor and the left button.
#pragma once

#include "input/input_system.h"

class HitRect {
public:
    virtual ~HitRect() = default;

    int setRect(float x, float y, float width, float height);
    // Strict on every side: a point on the border is outside.
    static int contains(float x, float y, float width, float height, float px, float py);

    // 0 outside, 2 inside on the poll the left button is released (a click), else 1.
    int hitTest() const;
    int hitTest(const InputSystem& input) const;
    // 0 outside; inside 4 while the left button is held, 2 on its release, else 1.
    static int pointerState(float x, float y, float width, float height);
    static int pointerState(const InputSystem& input, float x, float y, float width, float height);
    // 1 on the poll the left button goes down with the cursor outside the rectangle.
    static int pressedOutside(float x, float y, float width, float height);
    static int pressedOutside(const InputSystem& input, float x, float y, float width,
                              float height);

    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};
