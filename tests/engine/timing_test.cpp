#include <gtest/gtest.h>

#include "engine/globals.h"
#include "engine/timing.h"
#include "platform/test/test_platform.h"

namespace {

// Never destroyed: the global objects may still ask for the platform at exit.
platform::TestPlatform& testClock() {
    static platform::TestPlatform* clock = new platform::TestPlatform(false);
    return *clock;
}

class TimingTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setCurrent(&clock);
        engine.secondStart = engine.lastTime = engine.frameCount = 0;
        engine.clampDelta = 0;
    }

    platform::TestPlatform& clock = testClock();
};

TEST_F(TimingTest, IntervalTimerFiresStrictlyAfterItsPeriodAndOnlyThenRestarts) {
    IntervalTimer timer;
    clock.setTicks(10000);
    ASSERT_EQ(timer.tick(5), 1); // a new timer has last fired at 0
    clock.advance(150);
    EXPECT_EQ(timer.tick(5), 0);
    clock.advance(100); // 0.25 s after the firing, 0.1 s after the refused query
    EXPECT_EQ(timer.tick(5), 1);
    clock.advance(150);
    EXPECT_EQ(timer.tick(5), 0);
}

TEST_F(TimingTest, FpsAtSixtyFramesPerSecondReadsSixtyOrSixtyOne) {
    const uint32_t start = 20000;
    int closes = 0;
    for (int frame = 0; frame <= 400; ++frame) {
        clock.setTicks(start + uint32_t(frame * 1000 / 60));
        engine.updateTiming();
        if (engine.frameCount != 0) continue;
        // The first update closes the count begun at start-up.
        if (++closes > 1) {
            EXPECT_TRUE(engine.fps == 60.0f || engine.fps == 61.0f) << engine.fps;
        }
    }
    EXPECT_GE(closes, 6);
}

TEST_F(TimingTest, BelowOneFramePerSecondEveryFrameClosesACount) {
    clock.setTicks(3000);
    engine.updateTiming();
    clock.advance(1500);
    engine.updateTiming();
    EXPECT_EQ(engine.fps, 1.0f);
    EXPECT_EQ(engine.frameCount, 0.0f);
    EXPECT_FLOAT_EQ(engine.frameDelta, 1.5f);
    engine.clampDelta = 1;
    clock.advance(1500);
    engine.updateTiming();
    EXPECT_FLOAT_EQ(engine.frameDelta, 0.06f);
}

} // namespace
