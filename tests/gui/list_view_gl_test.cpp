#include <algorithm>
#include <string>
#include <tuple>

#include "gui/list_view.h"
#include "tests/render/gl_fixture.h"

namespace {

constexpr int LETTER_B = 'B';

// Lists drawn on a black face with a font whose only lit glyph is "B": a row shows "Bos"
// exactly when its text area has lit pixels.
class ListViewTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        useFont([](int cell) { return cell == LETTER_B; });
        black = makeTexture(4, [](int, int) { return Rgb{0, 0, 0}; });
        ASSERT_EQ(engine.inputSystem.create(nullptr, nullptr), 0);
    }
    void TearDown() override { engine.inputSystem.release(); }

    // One poll with the pointer at (x, y) and the left button as given, then the drawing.
    template <typename Draw> void frame(int x, int y, bool left, Draw draw) {
        engine.inputSystem.cursorX = x;
        engine.inputSystem.cursorY = y;
        host->queueMouse(0, 0, 0, left);
        ASSERT_EQ(engine.inputSystem.poll(), 0);
        clear({0, 0, 0});
        draw();
    }
    template <typename Draw> void click(int x, int y, Draw draw) {
        frame(x, y, true, draw);
        frame(x, y, false, draw);
    }
    // Whether the text band of the row whose top is at screen y shows lit pixels.
    static bool rowLit(float left, float top) {
        return litBox({0, 0, 0}, int(left), H - 19 - int(top), int(left) + 59, H - 3 - int(top))
                   .width() > 0;
    }

    uint32_t black = 0;
};

// Empty, the list shows "Bos" closed and in every open row, and never scrolls; the star style
// draws the same closed box and rows.
TEST_F(ListViewTest, ClosedBoxShowsBosOrTheSelectionAndARowClickSelectsAndCloses) {
    ListView list;
    list.create(engine.inputSystem, 100, 200, 300, 20, 5);
    auto arrows = [&] { list.drawDropDownArrows(black, black, false, "", 15, 18); };
    frame(500, 500, false, arrows);
    EXPECT_TRUE(rowLit(115, 200));
    click(200, 210, arrows);
    ASSERT_EQ(list.open, 1);
    frame(500, 500, false, arrows); // a move away draws the open list
    for (int r = 0; r < ListView::ARROWS_ROWS; ++r)
        EXPECT_TRUE(rowLit(115, 200 + 20.0f * r)) << "row " << r;
    EXPECT_FALSE(rowLit(115, 200 + 20.0f * ListView::ARROWS_ROWS));
    EXPECT_EQ(std::pair(list.firstVisible, list.thumbOffset), std::pair(0, 0.0f)); // no 0 / 0

    list.open = 0;
    for (const char* title : {"Ba", "aa", "cc", "dd"})
        list.addTitle(title);
    auto draw = [&] { list.drawDropDownStar(black, 2, false, "", 15, 18); };
    for (int selected : {1, 4, 7, -1}) { // outside the items: item 0's title, "Ba"
        list.selected = selected;
        frame(500, 500, false, draw);
        EXPECT_EQ(rowLit(115, 200), selected != 1) << selected;
    }

    list.selected = 1;
    click(405, 210, draw); // the star opens it, showing the selection first
    ASSERT_EQ(list.open, 1);
    click(200, 230, draw); // second row: item 2
    EXPECT_EQ(std::tuple(int(list.open), list.selected, list.pager.value), std::tuple(0, 2, 2));
}

TEST_F(ListViewTest, ArrowsStepWithoutWrapping) {
    ListView list;
    list.create(engine.inputSystem, 100, 200, 120, 20, 5);
    for (int i = 0; i < 12; ++i)
        list.addTitle(std::to_string(i).c_str());
    auto draw = [&] { list.drawDropDownArrows(black, black, true, "Ay", 5, 20); };
    for (auto [x, clicks, selected] :
         {std::tuple{250, 13, 11}, {230, 2, 9}, {230, 12, 0}}) { // >, <, <
        for (int i = 0; i < clicks; ++i)
            click(x, 210, draw);
        EXPECT_EQ(std::pair(list.selected, list.pager.value), std::pair(selected, selected)) << x;
    }
    EXPECT_EQ(list.open, 0);
    for (int i = 0; i <= ListView::CAPACITY; ++i) // adding stops at the capacity
        list.addTitle("x");
    EXPECT_EQ(list.count, ListView::CAPACITY);
}

// The thumb marks the selection over the whole track, the same way at rest and in a drag; the
// rows follow it. Opened with the last item selected, then pressed, dragged up and down.
TEST_F(ListViewTest, TheThumbAndTheRowsFollowTheSelectionBothWays) {
    const struct {
        const char* name;
        int count, lastFirst; // lastFirst: the first row showing the last item
    } cases[] = {{"more items than rows", 12, 7}, {"fewer items than rows", 3, 0}};
    const int rows = ListView::ARROWS_ROWS, track = 100;
    const uint32_t white = makeTexture(4, [](int, int) { return Rgb{255, 255, 255}; });
    for (const auto& c : cases) {
        ListView list;
        list.create(engine.inputSystem, 100, 200, 120, 20, 5);
        for (int i = 0; i < c.count; ++i)
            list.addTitle("x");
        auto draw = [&] { list.drawDropDownArrows(white, white, false, "", 5, 20); };
        // Selection, pager, first row, then on screen the thumb's top and the red row.
        const auto expect = [&](int selected, const char* step) {
            int thumb = -1, row = -1;
            for (int y = 180; y < 200 + track + 20 && thumb < 0; ++y)
                if (pixel(237, H - 1 - y) == Rgb{255, 0, 0}) thumb = y;
            for (int r = 0; r < rows; ++r)
                if (pixel(210, H - 1 - (210 + 20 * r)) == Rgb{250, 0, 0}) row = r;
            const int first = std::min(selected, c.lastFirst);
            EXPECT_EQ(std::tuple(list.selected, list.pager.value, list.firstVisible, thumb, row),
                      std::tuple(selected, selected, first,
                                 200 + track * selected / (c.count - 1) - 5, selected - first))
                << c.name << ", " << step;
        };
        list.selected = list.pager.value = c.count - 1;
        click(150, 210, draw);
        ASSERT_EQ(list.open, 1) << c.name;
        frame(500, 500, false, draw);
        expect(c.count - 1, "opened");

        const int thumbX = 230, thumbY = 200 + track + 2; // a little below the thumb's middle
        frame(thumbX, thumbY, true, draw);
        frame(thumbX, thumbY, true, draw); // held: the grip takes it
        ASSERT_EQ(list.dragging, 1) << c.name;
        expect(c.count - 1, "pressed without moving");
        frame(thumbX, 100, true, draw);
        frame(thumbX, 100, true, draw);
        expect(0, "dragged to the top");
        frame(thumbX, thumbY + 200, true, draw);
        frame(thumbX, thumbY + 200, false, draw);
        EXPECT_EQ(list.dragging, 0) << c.name;
        frame(500, 500, false, draw);
        expect(c.count - 1, "dragged to the bottom and let go");
    }
}

} // namespace
