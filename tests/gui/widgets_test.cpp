#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/globals.h"
#include "gui/gui_button.h"
#include "gui/text_field.h"
#include "text/cp1254.h"

namespace {

void pointAt(int32_t x, int32_t y, KeyState leftButton) {
    engine.inputSystem.cursorX = x;
    engine.inputSystem.cursorY = y;
    engine.inputSystem.keyStates[256] = leftButton;
}

TEST(GuiButton, ClickAndHoverByStatePointerAndLeftButton) {
    struct Case {
        int32_t state;
        int32_t x, y;
        KeyState left;
        bool clicked, hovered;
    } cases[] = {
        {0, 150, 110, KEY_RELEASED, false, false}, // passive: a click neither clicks nor hovers
        {1, 150, 110, KEY_RELEASED, true, false},
        {1, 150, 110, KEY_HELD, false, true},
        {1, 150, 110, KEY_PRESSED, false, true},
        {0, 150, 110, KEY_UP, false, true},
        {2, 150, 110, KEY_RELEASED, false, false},
        {1, 100, 110, KEY_RELEASED, false, false}, // left edge is outside
        {1, 101, 110, KEY_RELEASED, true, false},
        {1, 240, 110, KEY_RELEASED, false, false}, // right edge
        {1, 239, 110, KEY_UP, false, true},
        {1, 150, 100, KEY_RELEASED, false, false}, // top edge
        {1, 150, 121, KEY_UP, false, false},       // bottom edge
    };
    GuiButton button;
    button.create(0, "Tamam", 15, 15, 100, 100, 140, 21);
    EXPECT_EQ(button.state, 0);
    for (const Case& c : cases) {
        button.setState(c.state);
        pointAt(c.x, c.y, c.left);
        SCOPED_TRACE(testing::Message() << "state " << c.state << " at " << c.x << "," << c.y
                                        << " left " << int(c.left));
        EXPECT_EQ(button.isClicked(), c.clicked);
        EXPECT_EQ(button.isHovered(), c.hovered);
    }
    pointAt(0, 0, KEY_UP);
}

TEST(GuiButton, MovedButtonReactsAtItsNewPlaceAtOnce) {
    GuiButton button;
    button.create(0, "", 1, 10, 0, 0, 20, 20);
    button.setState(1);
    button.setPosition(300, 200);
    pointAt(310, 210, KEY_RELEASED);
    EXPECT_TRUE(button.isClicked());
    pointAt(10, 10, KEY_RELEASED);
    EXPECT_FALSE(button.isClicked());
    pointAt(0, 0, KEY_UP);
}

TEST(GuiButton, CaptionIsCentredWithTheButtonsOwnGlyphSize) {
    struct Case {
        const char* caption;
        float glyphWidth, glyphHeight, width, height;
        float offsetX, offsetY;
    } cases[] = {
        {"Tamam", 20, 18, 140, 25, 40, 21.5f},
        {"Menajer Ekle", 15, 15, 150, 21, 0, 18},
        {"Çok uzun bir düğme yazısı"_w, 15, 15, 100, 21, -122.5f, 18}, // wider than the face
        {"", 1, 10, 20, 20, 11, 15},
    };
    for (const Case& c : cases) {
        GuiButton button;
        button.create(0, c.caption, c.glyphWidth, c.glyphHeight, 5, 5, c.width, c.height);
        button.layoutCaption();
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(button.captionLength, int32_t(std::strlen(c.caption)));
        EXPECT_FLOAT_EQ(button.captionOffsetX, c.offsetX);
        EXPECT_FLOAT_EQ(button.captionOffsetY, c.offsetY);
    }
}

std::string typed(const TextField& field) {
    return field.typingBuffer;
}

TEST(TextField, TypingKeepsNineteenCharactersAndRefusesControlCodes) {
    TextField field;
    ASSERT_EQ(field.init(), 1);
    for (char c : std::string("Ahmet"))
        field.typeChar(uint8_t(c));
    for (uint8_t refused : {8, 13, 27, 96}) {
        field.typeChar(refused);
        EXPECT_EQ(typed(field), "Ahmet");
        EXPECT_EQ(field.lastChar, refused);
    }
    field.typeChar(uint8_t("ş"_w[0]));
    EXPECT_EQ(typed(field), std::string("Ahmet") + "ş"_w);

    while (std::strlen(field.typingBuffer) < 19)
        field.typeChar('x');
    field.typeChar('q');
    EXPECT_EQ(typed(field).size(), 19u);
    EXPECT_EQ(typed(field).back(), 'x');
    EXPECT_EQ(field.lastChar, 'q');
}

TEST(TextField, BackspaceRemovesOneCharacterAndStopsWhenEmpty) {
    TextField field;
    field.init();
    field.typeChar('a');
    field.typeChar('b');
    field.backspace();
    EXPECT_EQ(typed(field), "a");
    field.backspace();
    field.backspace();
    EXPECT_EQ(typed(field), "");
    field.typeChar('c');
    EXPECT_EQ(typed(field), "c");
}

} // namespace
