#include <cstring>

#include "engine/entry/frame_parts.h"
#include "game/game.h"
#include "tests/gui/gl_fixture.h"

namespace {

using gltest::Box;
using gltest::H;

class OverlayTest : public gltest::GlTest {};

TEST_F(OverlayTest, FpsAndCursorLinesInTheTopRightAndTheTitleCentred) {
    useFont([](int) { return true; });
    engine.fps = 100.0f;
    engine.inputSystem.cursorX = 12;
    engine.inputSystem.cursorY = 345;
    std::strcpy(game.title, "AB");

    drawDebugOverlay();

    // "FPS 100" on the baseline 25 from the top, "mx : 12 my : 345" on 40, both at scale 0.9.
    const Box fps = litBox({0, 0, 0}, 800, H - 25, gltest::W, H);
    EXPECT_EQ(fps.left, 820);
    EXPECT_EQ(fps.right, 820 + 6 * 9 + 13); // the last glyph covers 14 pixels
    EXPECT_EQ(fps.bottom, H - 25);
    const Box cursor = litBox({0, 0, 0}, 800, H - 40, gltest::W, H - 25);
    EXPECT_EQ(cursor.left, 820);
    EXPECT_EQ(cursor.right, 820 + 15 * 9 + 13);
    EXPECT_EQ(cursor.bottom, H - 40);
    // Two glyphs 25 wide centred: x = 25 + (1024 - 50) / 2, baseline 42.5, scale 1.8.
    const Box title = litBox({0, 0, 0}, 300, H - 60, 800, H);
    EXPECT_EQ(title.left, 512);
    EXPECT_EQ(title.right, 512 + 18 + 28);
    EXPECT_NEAR(title.bottom, H - 42.5, 0.5);

    game.title[0] = '\0';
}

} // namespace
