// The first SDL joystick through the real backend, with a virtual device standing in.
#include <SDL.h>
#include <cstdlib>
#include <gtest/gtest.h>

#include "sdl_window_helpers.h"

TEST(SdlJoystick, AxesScaledWithDeadZoneAndTenButtons) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display";
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 12, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* stick = SDL_JoystickOpen(index);
    ASSERT_NE(stick, nullptr);
    if (index != 0) GTEST_SKIP() << "a real joystick comes first";
    {
        SdlGameWindow window;
        ASSERT_TRUE(window.open());
        InputSystem& input = window.input;
        ASSERT_TRUE(input.joystick);
        const auto frame = [&] { return window.frame(); };

        const struct {
            int16_t rawX, rawY;
            int32_t x, y;
        } axes[] = {
            {0, 0, 0, 0},           {3276, -3276, 0, 0},        {3300, -3300, 0, 0},
            {3600, -3600, 10, -10}, {16384, -16384, 444, -444}, {32767, -32768, 1000, -1000}};
        for (const auto& a : axes) {
            SDL_JoystickSetVirtualAxis(stick, 0, a.rawX);
            SDL_JoystickSetVirtualAxis(stick, 1, a.rawY);
            ASSERT_EQ(frame(), 0);
            EXPECT_EQ(input.joystickDeltaX, a.x) << a.rawX;
            EXPECT_EQ(input.joystickDeltaY, a.y) << a.rawY;
        }

        for (int b = 0; b < 12; ++b)
            SDL_JoystickSetVirtualButton(stick, b, 1);
        ASSERT_EQ(frame(), 0);
        for (int k = KEY_JOY_BUTTON0; k < KEY_COUNT; ++k)
            EXPECT_EQ(input.keyState(k), KEY_PRESSED) << k;
        for (int b = 0; b < 12; ++b)
            SDL_JoystickSetVirtualButton(stick, b, 0);
        ASSERT_EQ(frame(), 0);
        EXPECT_EQ(input.keyState(KEY_JOY_BUTTON0 + 9), KEY_RELEASED);
        window.close();
    }
    SDL_JoystickClose(stick);
    SDL_JoystickDetachVirtual(index);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}
