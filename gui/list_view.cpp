#include "gui/list_view.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

#include "gui/quad_drawer.h"
#include "input/hit_rect.h"
#include "render/bitmap_font.h"

namespace {

constexpr const char* EMPTY_ROW = "Bos";
constexpr float TEXT_ADJUSTMENT = 0.2f;
constexpr float STAR_WIDTH = 20;
// The scroll bar's parts are plain colour: texture name 0 draws untextured.
constexpr uint32_t PLAIN_TEXTURE = 0;

void face(uint32_t texture, float x, float y, float width, float height) {
    QuadDrawer::drawRect(texture, texture, 0, 0, x, y, width, height);
}

void setColor(uint8_t red, uint8_t green, uint8_t blue) {
    glColor3ub(red, green, blue);
}

} // namespace

int ListView::create(const InputSystem& input_, float x_, float y_, float width_, float rowHeight_,
                     int32_t visibleRows_) {
    input = &input_;
    x = x_;
    y = y_;
    width = width_;
    rowHeight = rowHeight_;
    visibleRows = visibleRows_;
    count = selected = firstVisible = 0;
    if (!items) items.reset(static_cast<ListItem*>(std::calloc(CAPACITY, sizeof(ListItem))));
    quad.init(0, x, y, width, rowHeight);
    thumbOffset = 0;
    thumbWidth = thumbHeight = 15;
    pager.create(input_, "", 0, 0, 0, 20, 20);
    open = 0;
    dragging = 0;
    return items ? 1 : 0;
}

bool ListView::addTitle(const char* text) {
    if (!items || count < 0 || count >= CAPACITY) return false;
    ListItem& item = items[count];
    item.index = count;
    std::snprintf(item.text[0], sizeof item.text[0], "%s", text ? text : "");
    ++count;
    return true;
}

void ListView::setPosition(float x_, float y_) {
    x = x_;
    y = y_;
}

int32_t ListView::headerPosition() const {
    return selected > 0 ? selected + 1 : 0;
}

const char* ListView::title(int32_t i) const {
    return items && 0 <= i && i < CAPACITY ? items[i].text[0] : "";
}

bool ListView::released(float x_, float y_, float width_, float height_) const {
    return input && HitRect::pointerState(*input, x_, y_, width_, height_) == HIT_CLICKED;
}

int32_t ListView::drawThumb(float track, int32_t position, int32_t range, bool grip) {
    const bool scrolls = range > 0 && track > 0;
    int32_t px = 0, py = 0;
    if (input) input->mousePosition(px, py);
    if (!grip) dragging = 0;
    // At rest the grip lies where this frame draws the thumb.
    if (!dragging)
        thumbOffset = scrolls ? float(std::clamp(position, 0, range)) * track / float(range) : 0;
    if (grip && input &&
        HitRect::pointerState(*input, x + width - 5, y + thumbOffset - 12, 20, 22) == HIT_HELD) {
        if (!dragging) grabOffset = float(py) - y - thumbOffset;
        dragging = 1;
    } else if (input && input->keyState(KEY_MOUSE_LEFT) == KEY_RELEASED) {
        dragging = 0;
    }
    scrollRange = range;
    if (dragging) {
        thumbOffset = std::clamp(float(py) - y - grabOffset, 0.0f, std::max(track, 0.0f));
        // Rounded, so the offset a position rests at leads back to that position.
        position = scrolls ? int32_t(double(thumbOffset) * range / double(track) + 0.5) : 0;
    }
    setColor(25, 25, 25);
    face(PLAIN_TEXTURE, x + width + 10, y, 3, track);
    setColor(255, 0, 0);
    face(PLAIN_TEXTURE, x + width + 5, y + thumbOffset - 5, thumbWidth, thumbHeight);
    setColor(255, 255, 255);
    return position;
}

int32_t ListView::firstShowing(int32_t item, int32_t rows) const {
    return std::clamp(item, 0, std::max(0, count - rows));
}

void ListView::drawClosed(uint32_t faceTexture, const char* empty, float dx, float dy) {
    setColor(250, 0, 0);
    face(faceTexture, x, y, width, rowHeight);
    setColor(255, 255, 255);
    const char* text = empty;
    if (count >= 1) text = title(0 <= selected && selected < count ? selected : 0);
    bitmapFont.drawText(x + dx, y + dy, 0, TEXT_ADJUSTMENT, text);
}

void ListView::openBox(int32_t rows) {
    if (0 <= selected && selected < count) firstVisible = firstShowing(selected, rows);
    open = 1;
}

void ListView::dragThumb(float track, int32_t rows) {
    // The drag picks the item, so the thumb spans every item; the rows follow the selection.
    const int32_t item = drawThumb(track, selected, count - 1);
    if (!dragging) return;
    selected = pager.value = item;
    firstVisible = firstShowing(item, rows);
}

void ListView::drawRows(uint32_t faceTexture, int32_t rows, float dx, float dy) {
    for (int32_t i = firstVisible; i < firstVisible + rows; ++i) {
        const float rowY = y + float(i - firstVisible) * rowHeight;
        if (i == selected)
            setColor(250, 0, 0);
        else
            setColor(255, 255, 255);
        face(faceTexture, x, rowY, width, rowHeight);
        setColor(255, 255, 255);
        bitmapFont.drawText(x + dx, rowY + dy, 0, TEXT_ADJUSTMENT,
                            i < count ? title(i) : EMPTY_ROW);
        if (released(x, rowY, width, rowHeight)) {
            selected = i;
            pager.value = i;
            open = 0;
        }
    }
}

void ListView::closeOnOutsidePress(int32_t rows) {
    if (input && HitRect::pressedOutside(*input, x - 5, y - 10, width + thumbWidth + 40,
                                         float(rows) * rowHeight + thumbHeight + rowHeight + 10))
        open = 0;
}

void ListView::drawDropDownArrows(uint32_t faceTexture, uint32_t hoverTexture, bool header,
                                  const char* label, float dx, float dy) {
    if (header) {
        char line[300];
        std::snprintf(line, sizeof line, "T:%d,%s:%d ", int(count), label ? label : "",
                      int(headerPosition()));
        bitmapFont.drawText(x + dx, y - 5, 0, TEXT_ADJUSTMENT, line);
    }
    const int32_t rows = ARROWS_ROWS;
    if (!open) {
        drawClosed(faceTexture, EMPTY_ROW, dx, dy);
        if (released(x, y, width, rowHeight)) openBox(rows);
        pager.setPosition(x + width, y);
        pager.drawPager(faceTexture, hoverTexture, count - 1);
        if (pager.decrement.isClicked() || pager.increment.isClicked()) selected = pager.value;
        return;
    }
    dragThumb(ARROWS_TRACK, rows);
    drawRows(faceTexture, rows, dx, dy);
    closeOnOutsidePress(visibleRows);
}

void ListView::drawDropDownStar(uint32_t faceTexture, int32_t rows, bool header, const char* label,
                                float dx, float dy) {
    if (header) {
        char line[300];
        std::snprintf(line, sizeof line, "T:%d,%s:%d", int(count), label ? label : "",
                      int(headerPosition()));
        bitmapFont.drawText(x + dx, y - 5, 0, TEXT_ADJUSTMENT, line);
    }
    if (!open) {
        drawClosed(faceTexture, EMPTY_ROW, dx, dy);
        setColor(250, 0, 0);
        face(faceTexture, x + width, y, STAR_WIDTH, rowHeight);
        setColor(255, 255, 255);
        bitmapFont.drawText(x + width + 5, y + dy, 0, TEXT_ADJUSTMENT, "*");
        if (released(x, y, width, rowHeight) || released(x + width, y, STAR_WIDTH, rowHeight))
            openBox(rows);
        return;
    }
    const float track = float(rows) * rowHeight;
    if (rows < count) {
        setColor(150, 150, 150);
        face(PLAIN_TEXTURE, x + width, y - 5, 25, track + 10);
        dragThumb(track, rows);
    } else {
        firstVisible = 0;
    }
    drawRows(faceTexture, rows, dx, dy);
    closeOnOutsidePress(rows);
}
