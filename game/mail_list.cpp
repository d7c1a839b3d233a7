#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

#include "game/mail_list.h"
#include "gui/quad_drawer.h"
#include "render/bitmap_font.h"
#include "text/cp1254.h"

namespace {

constexpr int32_t LINES = ListItem::TEXT_SLOTS - 1;
constexpr float MARKER_SIZE = 20;
constexpr float PANEL_HEIGHT = 310;
constexpr int BLINK_RATE = 5;
constexpr float TEXT_ADJUSTMENT = 0.1f;
constexpr uint32_t PLAIN_TEXTURE = 0;

void rect(uint32_t texture, float x, float y, float width, float height) {
    QuadDrawer::drawRect(texture, texture, 0, 0, x, y, width, height);
}

void copyText(char (&slot)[ListItem::TEXT_SIZE], const char* text) {
    std::snprintf(slot, sizeof slot, "%s", text ? text : "");
}

} // namespace

int MailList::create(const InputSystem& input_, float x_, float y_, float width_, float rowHeight_,
                     int32_t visibleRows_) {
    interactive = 1;
    readTally = unreadTally = previousUnreadTally = 0;
    blinkPhase = 0;
    return ListView::create(input_, x_, y_, width_, rowHeight_, visibleRows_);
}

bool MailList::addMail(const char* title, int32_t lineCount, const char* const lines[12]) {
    if (!items || count < 0 || count >= CAPACITY) return false;
    ListItem& item = items[count];
    item.index = count;
    item.lineCount = lineCount;
    item.state = UNREAD;
    copyText(item.text[0], title);
    for (int32_t k = 0; k < LINES; ++k)
        copyText(item.text[k + 1], lines ? lines[k] : "");
    ++count;
    return true;
}

bool MailList::addNotice(const char* title, const char* line1, const char* line2) {
    const char* lines[LINES] = {line1, line2};
    if (!addMail(title, 2, lines)) return false;
    items[count - 1].state = NOTICE;
    return true;
}

void MailList::selectNext(int32_t rows) {
    if (!items || selected >= count - 1 || selected < 0) return;
    if (items[selected].state == UNREAD) items[selected].state = READ;
    ++selected;
    const int32_t centred = selected - rows / 2;
    if (centred - 1 > 0) firstVisible = selected < count - rows ? centred : count - rows;
    keepSelectionShown(rows);
}

void MailList::selectPrevious(int32_t rows) {
    if (!items || selected <= 0 || selected >= CAPACITY) return;
    if (items[selected].state == UNREAD) items[selected].state = READ;
    --selected;
    const int32_t centred = selected - rows / 2;
    if (centred - 1 > 0 && selected < count - rows) firstVisible = centred;
    keepSelectionShown(rows);
}

void MailList::keepSelectionShown(int32_t rows) {
    firstVisible =
        firstShowing(std::min(std::max(firstVisible, selected - rows + 1), selected), rows);
}

void MailList::drawMailList(uint32_t rowTexture, uint32_t unreadTexture, uint32_t readTexture,
                            uint32_t panelTexture, int32_t rows, bool header, const char* label,
                            float dx, float dy) {
    if (!items) return;
    if (header) {
        char line[300];
        std::snprintf(line, sizeof line, "Toplam:%d,%s:%d, Okunmus: %d Okunmamis: %d", int(count),
                      label ? label : "", int(headerPosition()), int(readTally), int(unreadTally));
        bitmapFont.drawText(x + dx, y - 5, 0, 0.2f, line);
    }
    previousUnreadTally = unreadTally;
    readTally = unreadTally = 0;

    const float track = float(rows) * rowHeight;
    if (rows < count) {
        glColor3ub(150, 150, 150);
        rect(PLAIN_TEXTURE, x + width, y - 5, 25, track + 10);
        firstVisible = drawThumb(track, firstVisible, count - rows, interactive != 0);
    } else {
        firstVisible = 0;
    }

    for (int32_t i = firstVisible; i < firstVisible + rows && 0 <= i && i < CAPACITY; ++i) {
        const float rowY = y + float(i - firstVisible) * rowHeight;
        ListItem& item = items[i];
        const bool unread = i < count && item.state == UNREAD; // an empty row waits for nothing
        if (i == selected) {
            glColor3ub(250, 0, 0);
            rect(rowTexture, x, rowY, width, rowHeight);
            if (unread) item.state = READ; // shown means read
        } else if (!unread) {
            glColor3ub(255, 255, 255);
            rect(rowTexture, x, rowY, width, rowHeight);
            if (item.state == READ || item.state == UNREAD)
                glColor3ub(250, 250, 250);
            else
                glColor3ub(255, 100, 0);
            rect(readTexture, x, rowY, MARKER_SIZE, MARKER_SIZE);
        } else {
            glColor3ub(170, 170, 170);
            rect(rowTexture, x, rowY, width, rowHeight);
            if (blinkTimer.tick(BLINK_RATE)) blinkPhase = blinkPhase ? 0 : 1;
            const float offset = blinkPhase ? 5 : 0;
            const float size = blinkPhase ? 10 : MARKER_SIZE;
            if (blinkPhase)
                glColor3ub(128, 128, 0);
            else
                glColor3ub(250, 250, 0);
            rect(unreadTexture, x + offset, rowY + offset, size, size);
        }
        glColor3ub(255, 255, 255);
        if (i < count)
            bitmapFont.drawText(x + dx + 10, rowY + dy, 0, TEXT_ADJUSTMENT, item.text[0]);
        else
            bitmapFont.drawText(x + dx, rowY + dy, 0, TEXT_ADJUSTMENT, "Bos");
        if (interactive && released(x, rowY, width, rowHeight)) {
            selected = pager.value = i;
            open = 0;
        }
    }

    glColor3ub(128, 128, 128);
    rect(panelTexture, x, y + track, width, PANEL_HEIGHT);
    glColor3ub(255, 255, 255);
    showMessage(x + 10, y + track + 25, 18, TEXT_ADJUSTMENT);

    for (int32_t i = 0; i < count && i < CAPACITY; ++i) {
        if (items[i].state == UNREAD)
            ++unreadTally;
        else
            ++readTally;
    }
}

void MailList::showMessage(float x_, float y_, float spacing, float adjustment) {
    const ListItem* item =
        items && 0 <= selected && selected < CAPACITY ? &items[selected] : nullptr;
    const int32_t n = item ? item->lineCount : 0;
    if (n < 1 || n > LINES) {
        bitmapFont.drawText(x_, y_ + spacing, 0, TEXT_ADJUSTMENT,
                            "ileti Bozulmuş Olabilir veya Boş bir Mail."_w);
        return;
    }
    for (int32_t k = 1; k <= n; ++k)
        bitmapFont.drawText(x_, y_ + float(k) * spacing, 0, adjustment, item->text[k]);
}

void MailList::reset() {
    if (items) {
        for (int32_t i = 0; i < CAPACITY; ++i) {
            items[i].lineCount = -1;
            items[i].state = NOTICE;
        }
    }
    count = 0;
    selected = 0;
}
