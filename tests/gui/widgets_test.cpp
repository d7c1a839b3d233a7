#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/globals.h"
#include "gui/gui_button.h"
#include "gui/text_field.h"
#include "text/cp1254.h"

namespace {

TEST(GuiButton, ClickAndHoverByStatePointerAndLeftButton) {
    struct Case {
        int32_t state, x, y;
        KeyState left;
        bool clicked, hovered;
    } cases[] = {
        {0, 150, 110, KEY_RELEASED, false, false}, // passive: a click neither clicks nor hovers
        {1, 150, 110, KEY_RELEASED, true, false},  {1, 150, 110, KEY_HELD, false, true},
        {0, 150, 110, KEY_UP, false, true},        {2, 150, 110, KEY_RELEASED, false, false},
        {1, 100, 110, KEY_RELEASED, false, false}, // on the left edge: outside
        {1, 101, 110, KEY_RELEASED, true, false},  {1, 150, 121, KEY_UP, false, false},
    };
    GuiButton button;
    button.create(0, "Tamam", 15, 15, 100, 100, 140, 21);
    EXPECT_EQ(button.state, 0);
    for (const Case& c : cases) {
        button.setState(c.state);
        engine.inputSystem.cursorX = c.x;
        engine.inputSystem.cursorY = c.y;
        engine.inputSystem.keyStates[256] = c.left;
        SCOPED_TRACE(testing::Message() << "state " << c.state << " at " << c.x << "," << c.y
                                        << " left " << int(c.left));
        EXPECT_EQ(button.isClicked(), c.clicked);
        EXPECT_EQ(button.isHovered(), c.hovered);
    }
    engine.inputSystem.keyStates[256] = KEY_UP;
}

TEST(GuiButton, CaptionIsCentredWithTheButtonsOwnGlyphSize) {
    struct Case {
        const char* caption;
        float glyphWidth, glyphHeight, width, height, offsetX, offsetY;
    } cases[] = {
        {"Tamam", 20, 18, 140, 25, 40, 21.5f},
        {"Çok uzun bir düğme yazısı"_w, 15, 15, 100, 21, -122.5f, 18}, // wider than the face
    };
    for (const Case& c : cases) {
        GuiButton button;
        button.create(0, c.caption, c.glyphWidth, c.glyphHeight, 5, 5, c.width, c.height);
        button.setPosition(300, 400);
        button.layoutCaption();
        EXPECT_FLOAT_EQ(button.captionOffsetX, c.offsetX) << c.caption;
        EXPECT_FLOAT_EQ(button.captionOffsetY, c.offsetY) << c.caption;
    }
}

TEST(TextField, TypingKeepsNineteenCharactersRefusesControlCodesAndBacksUp) {
    TextField field;
    ASSERT_EQ(field.init(), 1);
    const auto typed = [&] { return std::string(field.typingBuffer); };
    for (char c : std::string("Ali") + "ş"_w)
        field.typeChar(uint8_t(c));
    for (uint8_t refused : {8, 13, 27, 96}) {
        field.typeChar(refused);
        EXPECT_EQ(field.lastChar, refused);
    }
    EXPECT_EQ(typed(), std::string("Ali") + "ş"_w);

    field.backspace();
    EXPECT_EQ(typed(), "Ali");
    while (typed().size() < 19)
        field.typeChar('x');
    field.typeChar('q');
    EXPECT_EQ(typed(), "Alixxxxxxxxxxxxxxxx");
    EXPECT_EQ(field.lastChar, 'q');

    for (int i = 0; i < 25; ++i)
        field.backspace();
    EXPECT_EQ(typed(), "");
}

} // namespace
