#include <string>

#include "gl_fixture.h"

namespace {

using gltest::Box;
using gltest::H;
using gltest::Rgb;

class FontTest : public gltest::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        useFont([](int) { return true; }); // every glyph a full square
    }
};

TEST_F(FontTest, BaselineOnTheBottomEdgeDrawsNothingOnePixelAboveDraws) {
    bitmapFont.drawText(100, float(H), 0, 0.1f, "A");
    EXPECT_TRUE(litBox().empty());
    bitmapFont.drawText(100, float(H - 1), 0, 0.1f, "A");
    const Box box = litBox();
    EXPECT_EQ(box.bottom, 1);
    EXPECT_EQ(box.top, 16);
}

TEST_F(FontTest, SizeModesClampsAndAdvance) {
    struct Case {
        bool colored;
        int mode;
        float adjustment;
        const char* text;
        float width, height; // of the drawn text, in pixels
    } cases[] = {
        {false, 0, 5.0f, "A", 16 * 1.7f, 16 * 1.7f},
        {false, 0, -1.0f, "A", 16 * 0.4f, 16 * 0.4f},
        {true, 0, -1.0f, "A", 16 * 0.9f, 16 * 0.9f},
        {false, 1, 0.3f, "A", 16 * 1.5f, 16 * 1.5f},
        {false, 1, -1.0f, "A", 16 * 2.3f, 16 * 2.3f},
        {false, 4, 0.3f, "A", 16, 16 * 0.8f},
        {true, 2, 0.7f, "A", 16, 16},
        {false, 0, 0.1f, "ABCDE", 56, 16},
    };
    for (const Case& c : cases) {
        clear({0, 0, 0});
        if (c.colored)
            bitmapFont.drawColoredText(200, 400, c.text, c.mode, c.adjustment, 255, 255, 255, 255);
        else
            bitmapFont.drawText(200, 400, c.mode, c.adjustment, c.text);
        const Box box = litBox();
        SCOPED_TRACE(testing::Message() << (c.colored ? "colored" : "white") << " mode " << c.mode
                                        << " adjustment " << c.adjustment);
        EXPECT_EQ(box.left, 200);
        EXPECT_EQ(box.bottom, H - 400);
        EXPECT_EQ(box.width(), covered(c.width));
        EXPECT_EQ(box.height(), covered(c.height));
    }
}

TEST_F(FontTest, EachByteDrawsItsOwnCellCountedFromTheTopLeft) {
    useFont([](int cell) { return cell == 253; });
    const Rgb grey{90, 90, 90};
    for (unsigned char byte : {0xFD, 0xFC, 0xFE, 0xED, 0x0D, 0xDF}) {
        clear(grey);
        const char text[2] = {char(byte), 0};
        bitmapFont.drawText(50, 300, 0, 0.1f, text);
        const Box box = litBox(grey); // black texels keep the background
        EXPECT_EQ(box.width(), byte == 0xFD ? 16 : 0) << int(byte);
    }
    EXPECT_EQ(pixel(58, H - 292), (Rgb{90, 90, 90}));
    bitmapFont.drawText(50, 300, 0, 0.1f, "\xFD");
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
