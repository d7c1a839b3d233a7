// The mail service's list: mails as the items of a list widget, with their read states, drawn
// as rows with markers over the panel that shows the selected mail.
#pragma once

#include <cstdint>

#include "engine/timing.h"
#include "gui/list_view.h"

class MailList : public ListView {
public:
    // Item states.
    static constexpr int32_t UNREAD = 0, READ = 1, NOTICE = 2;

    // The list widget's storage and place, interactive, tallies 0, the blink at its large marker.
    int create(const InputSystem& input, float x, float y, float width, float rowHeight,
               int32_t visibleRows);
    bool addMail(const char* title, int32_t lineCount, const char* const lines[12]);
    // A mail that counts as read from the start.
    bool addNotice(const char* title, const char* line1, const char* line2);
    void selectNext(int32_t rows);
    void selectPrevious(int32_t rows);
    void drawMailList(uint32_t rowTexture, uint32_t unreadTexture, uint32_t readTexture,
                      uint32_t panelTexture, int32_t rows, bool header, const char* label, float dx,
                      float dy);
    void showMessage(float x, float y, float spacing, float adjustment);
    // Every stored item broken and a notice, then no mails (the first visible row is kept).
    void reset();

    uint8_t interactive = 1; // 0: the mouse is ignored (a menu is open over the list)
    int32_t readTally = 0;
    int32_t unreadTally = 0;
    int32_t previousUnreadTally = 0;
    IntervalTimer blinkTimer;
    uint8_t blinkPhase = 0;

private:
    // After a keyboard step: the selection among the rows, no rows past the last mail shown.
    void keepSelectionShown(int32_t rows);
};
