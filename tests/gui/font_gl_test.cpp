#include <string>

#include "gl_fixture.h"
#include "render/bitmap_font.h"

namespace {

using gltest::Box;
using gltest::H;
using gltest::Rgb;

class FontTest : public gltest::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (bitmapFont.listBase == 0) {
            ASSERT_EQ(bitmapFont.build(), 1);
        }
    }
    // Every cell a full white square, so each glyph's extent can be measured.
    void useSolidFont() {
        bitmapFont.texture = fontTexture([](int) { return true; });
    }
};

// Pixels whose centres a span [0, length) covers when it starts on a pixel edge.
int covered(float length) {
    return int(std::ceil(length - 0.5f));
}

TEST_F(FontTest, BaselineOnTheBottomEdgeDrawsNothingOnePixelAboveDraws) {
    useSolidFont();
    bitmapFont.drawText(100, float(H), 0, 0.1f, "A");
    EXPECT_TRUE(litBox().empty());

    bitmapFont.drawText(100, float(H - 1), 0, 0.1f, "A");
    const Box box = litBox();
    EXPECT_EQ(box.left, 100);
    EXPECT_EQ(box.bottom, 1);
    EXPECT_EQ(box.top, 16);
}

TEST_F(FontTest, SizeModesAndAdjustmentClamps) {
    struct Case {
        bool colored;
        int mode;
        float adjustment;
        float scaleX, scaleY;
    } cases[] = {
        {false, 0, 5.0f, 1.7f, 1.7f},  {false, 0, -1.0f, 0.4f, 0.4f}, {true, 0, -1.0f, 0.9f, 0.9f},
        {true, 0, 5.0f, 1.7f, 1.7f},   {false, 0, 0.1f, 1.0f, 1.0f},  {false, 1, 0.3f, 1.5f, 1.5f},
        {false, 1, -1.0f, 2.3f, 2.3f}, {true, 1, -1.0f, 1.8f, 1.8f},  {false, 4, 0.3f, 1.0f, 0.8f},
        {false, 2, 0.7f, 1.0f, 1.0f},  {true, -3, -0.4f, 1.0f, 1.0f},
    };
    useSolidFont();
    for (const Case& c : cases) {
        clear(0, 0, 0);
        if (c.colored)
            bitmapFont.drawColoredText(200, 400, "A", c.mode, c.adjustment, 255, 255, 255, 255);
        else
            bitmapFont.drawText(200, 400, c.mode, c.adjustment, "A");
        const Box box = litBox();
        SCOPED_TRACE(testing::Message() << (c.colored ? "drawColoredText" : "drawText") << " mode "
                                        << c.mode << " adjustment " << c.adjustment);
        EXPECT_EQ(box.left, 200);
        EXPECT_EQ(box.bottom, H - 400);
        EXPECT_EQ(box.width(), covered(16 * c.scaleX));
        EXPECT_EQ(box.height(), covered(16 * c.scaleY));
    }
}

TEST_F(FontTest, FiveCharactersAdvanceFiftyPixelsAndTheLastGlyphEndsAtPlus56) {
    useSolidFont();
    bitmapFont.drawText(300, 500, 0, 0.1f, "ABCDE");
    const Box box = litBox();
    EXPECT_EQ(box.left, 300);
    EXPECT_EQ(box.right, 300 + 40 + 16 - 1);
}

TEST_F(FontTest, EachByteDrawsItsOwnCellCountedFromTheTopLeft) {
    bitmapFont.texture = fontTexture([](int cell) { return cell == 253; });
    const Rgb grey{90, 90, 90};
    struct Case {
        unsigned char byte;
        bool lit;
    } cases[] = {{0xFD, true},  {0xFC, false}, {0xFE, false}, {0xED, false},
                 {0x0D, false}, {0xDF, false}, {0xF2, false}};
    for (const Case& c : cases) {
        clear(grey.r, grey.g, grey.b);
        const char text[2] = {char(c.byte), 0};
        bitmapFont.drawText(50, 300, 0, 0.1f, text);
        const Box box = litBox(grey);
        SCOPED_TRACE(testing::Message() << "byte " << int(c.byte));
        if (!c.lit) {
            EXPECT_TRUE(box.empty()); // black texels keep the background
            continue;
        }
        EXPECT_EQ(box.width(), 16);
        EXPECT_EQ(box.height(), 16);
        EXPECT_EQ(pixel(58, H - 300 + 8), (Rgb{255, 255, 255}));
    }
}

TEST_F(FontTest, ColouredTextKeepsItsColourAndLeavesBlendingOff) {
    useSolidFont();
    bitmapFont.drawColoredText(10, 100, "A", 0, 0.1f, 255, 0, 0, 255);
    EXPECT_EQ(pixel(18, H - 100 + 8), (Rgb{255, 0, 0}));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(FontTest, PercentSignsInTextAreDrawnAsCharacters) {
    useSolidFont();
    bitmapFont.drawText(100, 200, 0, 0.1f, "%s%n%d");
    EXPECT_EQ(litBox().right, 100 + 50 + 16 - 1);
}

TEST_F(FontTest, FormattedTextIsCutAt255Bytes) {
    useSolidFont();
    const std::string longText(300, 'x');
    // At a tenth of the size each glyph advances one pixel.
    bitmapFont.print(0, 100, 0.1f, 0.1f, 1, "%s", longText.c_str());
    EXPECT_EQ(litBox().right, 255);
}

} // namespace
