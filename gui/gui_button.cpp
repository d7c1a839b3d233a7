#include "gui/gui_button.h"

#include <GL/gl.h>
#include <cstring>

#include "render/bitmap_font.h"

int GuiButton::create(const InputSystem& input_, int32_t tag, const char* caption_,
                      float glyphWidth_, float glyphHeight_, float x, float y, float width,
                      float height) {
    input = &input_;
    hitArea.setRect(x, y, width, height);
    face.init(tag, x, y, width, height);
    caption = caption_;
    captionLength = caption ? int32_t(std::strlen(caption)) : 0;
    glyphWidth = glyphWidth_;
    glyphHeight = glyphHeight_;
    const int32_t active[4] = {128, 128, 255, 250};
    const int32_t passive[4] = {250, 250, 250, 250};
    std::memcpy(activeColor, active, sizeof activeColor);
    std::memcpy(passiveColor, passive, sizeof passiveColor);
    state = 0;
    return 1;
}

void GuiButton::setPosition(float x, float y) {
    hitArea.setRect(x, y, hitArea.width, hitArea.height);
}

int32_t GuiButton::setState(int32_t state_) {
    state = state_;
    return state;
}

HitState GuiButton::hit() const {
    return input ? hitArea.hitTest(*input) : HIT_OUTSIDE;
}

bool GuiButton::isClicked() const {
    return state == 1 && hit() == HIT_CLICKED;
}

bool GuiButton::isHovered() const {
    return hit() == HIT_OVER;
}

void GuiButton::layoutCaption() {
    captionLength = caption ? int32_t(std::strlen(caption)) : 0;
    captionOffsetX = glyphWidth + (hitArea.width - float(captionLength) * glyphWidth) / 2.0f;
    captionOffsetY = glyphHeight + (hitArea.height - glyphHeight) / 2.0f;
}

static void setColor(const int32_t (&color)[4]) {
    glColor4ub(GLubyte(color[0]), GLubyte(color[1]), GLubyte(color[2]), GLubyte(color[3]));
}

void GuiButton::draw(uint32_t mainTexture, uint32_t maskTexture, uint8_t useMask, int32_t mode) {
    if (state == 1)
        setColor(activeColor);
    else if (state == 0)
        setColor(passiveColor);
    layoutCaption();
    face.draw(mainTexture, maskTexture, useMask, mode);
    face.setPosition(hitArea.x, hitArea.y);
    face.setSize(hitArea.width, hitArea.height);
    bitmapFont.drawText(hitArea.x + captionOffsetX, hitArea.y + captionOffsetY, 4, 0.3f, caption);
}
