// A list widget: up to 2500 titled items drawn as a drop-down (with arrows or with a star),
// with a draggable scroll-bar thumb; a derived list may draw the items its own way. It reads the
// pointer and the left button of the input system it was created with.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "gui/number_spinner.h"
#include "gui/textured_quad.h"

struct ListItem {
    static constexpr int TEXT_SLOTS = 13; // slot 0 the title, the others lines of the owner's
    static constexpr int TEXT_SIZE = 250;

    int32_t index;
    int32_t state;     // the owner's (the widget never reads it)
    int32_t lineCount; // the owner's
    char text[TEXT_SLOTS][TEXT_SIZE];
};

class ListView {
public:
    static constexpr int32_t CAPACITY = 2500;
    static constexpr int32_t ARROWS_ROWS = 5; // rows the arrows drop-down shows when open
    static constexpr float ARROWS_TRACK = 100.0f;

    ListView() = default;
    virtual ~ListView() = default;

    // Storage for CAPACITY zeroed items (kept from the first call on); 0 when memory runs out.
    // `input` is kept as a pointer and must outlive the list.
    int create(const InputSystem& input, float x, float y, float width, float rowHeight,
               int32_t visibleRows);
    // The title of a new last item; false (nothing written) when the list is full.
    bool addTitle(const char* text);
    void setPosition(float x, float y);
    // The number the header shows: selected + 1 above 0, else 0.
    int32_t headerPosition() const;
    // Title of item i, or "" outside the storage.
    const char* title(int32_t i) const;

    void drawDropDownArrows(uint32_t faceTexture, uint32_t hoverTexture, bool header,
                            const char* label, float dx, float dy);
    void drawDropDownStar(uint32_t faceTexture, int32_t rows, bool header, const char* label,
                          float dx, float dy);

    int32_t count = 0;
    int32_t selected = 0;
    int32_t visibleRows = 0;
    int32_t firstVisible = 0;
    TexturedQuad quad;
    NumberSpinner pager;
    struct FreeItems {
        void operator()(ListItem* p) const { std::free(p); }
    };
    std::unique_ptr<ListItem[], FreeItems> items;
    float x = 0;
    float y = 0;
    float width = 0;
    float rowHeight = 0;
    uint8_t open = 0;
    float thumbOffset = 0;
    float thumbWidth = 15;
    float thumbHeight = 15;
    uint8_t dragging = 0;
    float grabOffset = 0; // where on the thumb the drag took hold
    int32_t scrollRange = 0;
    const InputSystem* input = nullptr; // none before create: the pointer touches nothing

protected:
    // The red thumb on its track line at the right of the list, marking `position` of 0 to
    // `range` with one mapping both ways, and its grip (without the grip a drag ends). Answers
    // the position the thumb marks: the dragged one while dragging, else `position` itself.
    int32_t drawThumb(float track, int32_t position, int32_t range, bool grip = true);
    // The first visible row that shows `item` with as few rows past the last item as may be.
    int32_t firstShowing(int32_t item, int32_t rows) const;
    // Whether the left button was released over the rectangle on this poll.
    bool released(float x, float y, float width, float height) const;

private:
    void drawClosed(uint32_t faceTexture, const char* empty, float dx, float dy);
    // Rows first visible to first + rows - 1; a released row selects and closes.
    void drawRows(uint32_t faceTexture, int32_t rows, float dx, float dy);
    void openBox(int32_t rows);
    // The drop-downs' thumb: a drag selects the item it points at and shows it.
    void dragThumb(float track, int32_t rows);
    void closeOnOutsidePress(int32_t rows);
};
