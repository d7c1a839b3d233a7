#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform_fixture.h"
#include "tests/support/test_seam.h"

using platform::Step;

namespace {

class EngineCreateTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setCurrent(&host); }
    void TearDown() override { parkPlatform(); }
    Engine& engine = bindTestEngine();
    platform::TestPlatform host{false};
};

// Whichever step fails, creation stops there, tells the user which step failed first, and
// leaves nothing behind: no later step is tried, and nothing made before it stays.
TEST_F(EngineCreateTest, AFailedStepEndsCreationAndLeavesNothingBehind) {
    std::set<std::string> firstBoxes;
    for (int s = 0; s <= int(Step::MakeCurrent); ++s) {
        const Step step = Step(s);
        platform::TestPlatform fresh(false);
        platform::setCurrent(&fresh);
        fresh.failStep(step);
        SCOPED_TRACE(stepName(step));
        EXPECT_EQ(createGameEngine(engine), 0);
        EXPECT_EQ(engine.active, 0);
        ASSERT_FALSE(fresh.messageBoxes.empty());
        firstBoxes.insert(fresh.messageBoxes[0].text);
        for (const platform::RecordedMessageBox& box : fresh.messageBoxes)
            EXPECT_EQ(box.caption, "Zendor Menajer");
        // The steps run in creation order until the failure, then only teardown steps.
        size_t i = 0;
        for (; i < fresh.stepLog.size() && fresh.stepLog[i] != step; ++i)
            EXPECT_EQ(fresh.stepLog[i], Step(i));
        for (++i; i < fresh.stepLog.size(); ++i)
            EXPECT_GE(fresh.stepLog[i], Step::ReleaseCurrent) << stepName(fresh.stepLog[i]);
        EXPECT_FALSE(fresh.displayModeChanged || fresh.windowExists || fresh.contextExists ||
                     fresh.deviceContextHeld);
    }
    EXPECT_EQ(firstBoxes.size(), size_t(Step::MakeCurrent) + 1); // each step names its own failure
}

// A failing teardown step does not stop the ones after it; each failure is only reported.
TEST_F(EngineCreateTest, TeardownGoesOnAfterEveryFailure) {
    host.failStep(Step::MakeCurrent);
    const Step teardown[] = {Step::ReleaseCurrent, Step::DeleteContext, Step::ReleaseDeviceContext,
                             Step::DestroyWindow, Step::UnregisterClass};
    for (Step step : teardown)
        host.failStep(step);
    EXPECT_EQ(createGameEngine(engine), 0);
    for (Step step : teardown)
        EXPECT_EQ(host.stepCalls(step), 1) << stepName(step);
    ASSERT_EQ(host.messageBoxes.size(), 2u + std::size(teardown)); // the failure, then one each
    for (size_t i = 2; i < host.messageBoxes.size(); ++i)
        EXPECT_EQ(host.messageBoxes[i].icon, platform::MessageIcon::Information) << i;
    EXPECT_EQ(host.cursorShowCount, 1); // shown at the end though never hidden
}

} // namespace
