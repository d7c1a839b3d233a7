#include <gtest/gtest.h>

#include <string>

#include "gui/gui_button.h"
#include "gui/text_field.h"
#include "tests/support/test_seam.h"
#include "text/cp1254.h"

namespace {

// The pointer inside the button (its edges are the hit rectangle's own).
TEST(GuiButton, ClickAndHoverByStateAndLeftButton) {
    const struct {
        int32_t state;
        KeyState left;
        bool clicked, hovered;
    } cases[] = {
        {0, KEY_RELEASED, false, false}, // passive: a click neither clicks nor hovers
        {1, KEY_RELEASED, true, false},  {1, KEY_HELD, false, true},
        {0, KEY_UP, false, true},        {2, KEY_RELEASED, false, false},
    };
    Engine& engine = bindTestEngine();
    GuiButton button;
    button.create(engine.inputSystem, 0, "Tamam", 15, 15, 100, 100, 140, 21);
    engine.inputSystem.cursorX = 150;
    engine.inputSystem.cursorY = 110;
    for (const auto& c : cases) {
        button.setState(c.state);
        engine.inputSystem.keyStates[256] = c.left;
        EXPECT_EQ(button.isClicked(), c.clicked) << &c - cases;
        EXPECT_EQ(button.isHovered(), c.hovered) << &c - cases;
    }
    engine.inputSystem.keyStates[256] = KEY_UP;
}

TEST(TextField, TypingKeepsNineteenCharactersRefusesControlCodesAndBacksUp) {
    TextField field;
    field.init();
    const std::string ali = std::string("Ali") + "ş"_w;
    for (uint8_t code : ali + "\b\r\x1b`")
        field.typeChar(code);
    EXPECT_EQ(field.typingBuffer, ali);
    field.backspace();
    EXPECT_EQ(field.typingBuffer, std::string("Ali"));
    while (std::string(field.typingBuffer).size() < 19)
        field.typeChar('x');
    field.typeChar('q');
    EXPECT_EQ(field.typingBuffer, std::string("Alixxxxxxxxxxxxxxxx"));
    field.blinkTimer.elapsed = 1.5f; // the member just before the buffer
    for (int i = 0; i < 25; ++i)
        field.backspace();
    EXPECT_EQ(field.typingBuffer, std::string());
    EXPECT_EQ(field.blinkTimer.elapsed, 1.5f) << "a backspace on nothing wrote before the buffer";
}

} // namespace
