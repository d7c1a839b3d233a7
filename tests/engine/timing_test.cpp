#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/timing.h"
#include "platform/test/test_platform.h"

// One frame a count shows a wrong count or a misplaced reset as plainly as sixty would.
TEST(TimingTest, BelowOneFramePerSecondEveryFrameClosesACountAndTheClampCapsTheDelta) {
    // Never destroyed: the engines release their input devices through it.
    static platform::TestPlatform* clock = new platform::TestPlatform(false);
    platform::setCurrent(clock);
    Engine engine;
    clock->setTicks(3000);
    engine.updateTiming();
    for (uint8_t clamp : {0, 1}) {
        engine.clampDelta = clamp;
        clock->advance(1500);
        engine.updateTiming();
        EXPECT_EQ(engine.fps, 1.0f);
        EXPECT_EQ(engine.frameCount, 0.0f);
        EXPECT_FLOAT_EQ(engine.frameDelta, clamp ? 0.06f : 1.5f);
    }
    clock->advance(1000); // exactly one second: the count goes on
    engine.updateTiming();
    EXPECT_EQ(engine.frameCount, 1.0f);
}
