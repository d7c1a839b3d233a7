#include <cmath>
#include <string>

#include "tests/render/gl_fixture.h"

namespace {

class FontTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        useFont([](int) { return true; }); // every glyph a full square
    }
};

TEST_F(FontTest, SizeModesClampsAdvanceAndTheBottomEdge) {
    const struct {
        bool colored;
        int mode;
        float adjustment, y;
        const char* text;
        float width, height; // of the drawn text, in pixels
    } cases[] = {
        {false, 0, 5.0f, 400, "A", 16 * 1.7f, 16 * 1.7f},
        {false, 0, -1.0f, 400, "A", 16 * 0.4f, 16 * 0.4f},
        {true, 0, -1.0f, 400, "A", 16 * 0.9f, 16 * 0.9f},
        {false, 1, 0.3f, 400, "A", 16 * 1.5f, 16 * 1.5f},
        {false, 1, -1.0f, 400, "A", 16 * 2.3f, 16 * 2.3f},
        {false, 4, 0.3f, 400, "A", 16, 16 * 0.8f},
        {true, 2, 0.7f, 400, "A", 16, 16},
        {false, 0, 0.1f, 400, "ABCDE", 56, 16}, // advance 4 × 10, then the last glyph's 16
        {false, 0, 0.1f, H - 1, "A", 16, 16},   // baseline one pixel above the bottom
        {true, 0, 0.1f, H, "A", 0, 0},          // nothing on the bottom edge
        {false, 0, 0.1f, H, "A", 0, 0},
    };
    // Pixel centres covered by a span of this length starting on a pixel edge.
    auto covered = [](float length) { return int(std::ceil(length - 0.5f)); };
    for (const auto& c : cases) {
        clear({0, 0, 0});
        if (c.colored)
            bitmapFont.drawColoredText(200, c.y, c.text, c.mode, c.adjustment, 255, 255, 255, 255);
        else
            bitmapFont.drawText(200, c.y, c.mode, c.adjustment, c.text);
        const Box box = litBox();
        SCOPED_TRACE(testing::Message()
                     << c.colored << " mode " << c.mode << " adj " << c.adjustment << " y " << c.y);
        EXPECT_EQ(box.width(), covered(c.width));
        EXPECT_EQ(box.height(), covered(c.height));
        if (box.width()) {
            EXPECT_EQ(box.left, 200);
            EXPECT_EQ(box.bottom, H - int(c.y));
        }
    }
}

TEST_F(FontTest, EachByteDrawsItsOwnCellCountedFromTheTopLeft) {
    useFont([](int cell) { return cell == 253; }); // column 13, row 15
    const Rgb grey{90, 90, 90};
    for (unsigned char byte : {0xFC, 0xFE, 0xED, 0x0D, 0xDF, 0xFD}) {
        clear(grey);
        const char text[2] = {char(byte), 0};
        bitmapFont.drawText(50, 300, 0, 0.1f, text);
        EXPECT_EQ(litBox(grey).width(), byte == 0xFD ? 16 : 0) << int(byte); // black keeps grey
    }
    EXPECT_EQ(pixel(58, H - 292), (Rgb{255, 255, 255}));
}

TEST_F(FontTest, TextIsDataAndIsCutAt255Bytes) {
    bitmapFont.drawText(100, 200, 0, 0.1f, "%s%n%d");
    EXPECT_EQ(litBox().right, 100 + 50 + 15);
    clear({0, 0, 0});
    // At a tenth of the size each glyph advances one pixel.
    bitmapFont.print(0, 100, 0.1f, 0.1f, 1, "%s", std::string(300, 'x').c_str());
    EXPECT_EQ(litBox().right, 255);
}

} // namespace
