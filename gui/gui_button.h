// A textured face with a centred caption that answers hover and click every frame, from the
// pointer and left button of the input system it was created with.
#pragma once

#include <cstdint>

#include "gui/textured_quad.h"
#include "input/hit_rect.h"

class GuiButton {
public:
    GuiButton() = default;
    virtual ~GuiButton() = default;

    // The caption and the input system are kept as pointers and must outlive the button. A new
    // button is passive.
    int create(const InputSystem& input, int32_t tag, const char* caption, float glyphWidth,
               float glyphHeight, float x, float y, float width, float height);
    void setPosition(float x, float y);
    int32_t setState(int32_t state);
    bool isClicked() const;
    bool isHovered() const;
    // Face first, then the face follows the hit area, then the caption at the hit area.
    void draw(uint32_t mainTexture, uint32_t maskTexture, uint8_t useMask, int32_t mode);
    // Caption length and offsets from the caption and the hit area's size.
    void layoutCaption();

    HitRect hitArea;
    TexturedQuad face;
    const char* caption = nullptr;
    int32_t captionLength = 0;
    float captionOffsetX = 0;
    float captionOffsetY = 0;
    float glyphWidth = 0;
    float glyphHeight = 0;
    int32_t activeColor[4] = {128, 128, 255, 250};
    int32_t passiveColor[4] = {250, 250, 250, 250};
    int32_t state = 0; // 1 active, 0 passive; other values are neither
    // The input system create was given; none before it: nothing is hovered or clicked.
    const InputSystem* input = nullptr;

private:
    HitState hit() const;
};
