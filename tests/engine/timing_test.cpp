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
        engine.secondStart = engine.lastTime = engine.frameTime = 0;
        engine.frameCount = engine.frameDelta = 0;
        engine.fps = 100.0f;
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

TEST_F(TimingTest, IntervalTimerAtRateTenShowsACursorOncePerTenthOfASecond) {
    IntervalTimer timer;
    clock.setTicks(5000);
    int fired = 0;
    for (int frame = 0; frame < 60; ++frame) { // one second at 60 frames per second
        fired += timer.tick(10);
        clock.advance(frame % 3 == 0 ? 16 : 17);
    }
    EXPECT_GE(fired, 8);
    EXPECT_LE(fired, 10);
}

TEST_F(TimingTest, IntervalTimerWithRateZeroNeverFires) {
    IntervalTimer timer;
    clock.setTicks(100000);
    EXPECT_EQ(timer.tick(0), 0);
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

TEST_F(TimingTest, FirstUpdateClosesACountAndTakesTheWholeUptimeAsDelta) {
    clock.setTicks(7000);
    engine.updateTiming();
    EXPECT_FLOAT_EQ(engine.fps, 1.0f);
    EXPECT_FLOAT_EQ(engine.frameDelta, 7.0f);
    EXPECT_FLOAT_EQ(engine.frameTime, 7.0f);
}

TEST_F(TimingTest, BelowOneFramePerSecondEveryFrameClosesACount) {
    clock.setTicks(3000);
    engine.updateTiming();
    for (int frame = 0; frame < 4; ++frame) {
        clock.advance(1500);
        engine.fps = 0;
        engine.updateTiming();
        EXPECT_EQ(engine.fps, 1.0f) << "frame " << frame;
        EXPECT_EQ(engine.frameCount, 0.0f);
        EXPECT_FLOAT_EQ(engine.frameDelta, 1.5f);
    }
}

TEST_F(TimingTest, ClampDeltaCapsOnlyLongFrames) {
    struct Case {
        uint8_t clamp;
        uint32_t stepMs;
        float delta;
    } cases[] = {{0, 100, 0.1f}, {1, 100, 0.06f}, {1, 40, 0.04f}};
    for (const Case& c : cases) {
        clock.setTicks(50000);
        engine.updateTiming();
        engine.clampDelta = c.clamp;
        clock.advance(c.stepMs);
        engine.updateTiming();
        EXPECT_NEAR(engine.frameDelta, c.delta, 1e-3f) << int(c.clamp) << " " << c.stepMs;
        engine.clampDelta = 0;
    }
}

} // namespace
