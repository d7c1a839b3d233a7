#include <gtest/gtest.h>

#include "platform_fixture.h"
#include "tests/support/test_seam.h"

using platform::MessageIcon;
using platform::Step;

namespace {

constexpr MessageIcon W = MessageIcon::Warning;
constexpr MessageIcon E = MessageIcon::Error;
constexpr MessageIcon I = MessageIcon::Information;

const char* const kPixelFatal = "Pixel Ayari Yapilamadi ve Program Kapatilacak!!!";

class EngineCreateTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setCurrent(&host); }
    void TearDown() override { parkPlatform(); }
    Engine& engine = bindTestEngine();
    platform::TestPlatform host{false};
};

// A failing unregistration makes the teardown visible among the boxes, so its place in
// the sequence is checked too.
TEST_F(EngineCreateTest, EachFailedStepShowsItsTextsInOrder) {
    const std::pair<std::string, MessageIcon> down = {"Pencere Kayittan kaldirilamadi!", I};
    const struct {
        Step step;
        BoxList boxes;
        bool tornDown; // Engine::destroy ran
    } cases[] = {
        {Step::RegisterClass, {{"Pencere Kayit edilemedi!", W}}, false},
        {Step::DisplayMode, {{"Simdi Pencere kapatilacak!", E}}, false},
        {Step::CreateWindow, {down, {"Pencere olusturulamadi", W}}, true},
        {Step::DeviceContext,
         {{"OpenGL hatasi Opengl Context aygiti olusuturulamadi.", W}, {kPixelFatal, W}, down},
         true},
        {Step::ChoosePixelFormat,
         {{"Suitable PixelFormat bulunamadi!", W}, {kPixelFatal, W}, down},
         true},
        {Step::SetPixelFormat, {{"Pixel format ayarlanamadi!", W}, {kPixelFatal, W}, down}, true},
        {Step::CreateContext,
         {{"OpenGL rendering context olusturulamadi!", W}, {kPixelFatal, W}, down},
         true},
        {Step::MakeCurrent,
         {{"OpenGL rendering context aktif hale getirilemedi.", W}, {kPixelFatal, W}, down},
         true},
    };
    for (const auto& c : cases) {
        platform::TestPlatform fresh(false);
        platform::setCurrent(&fresh);
        fresh.failStep(c.step);
        fresh.failStep(Step::UnregisterClass);
        SCOPED_TRACE(stepName(c.step));
        EXPECT_EQ(createGameEngine(engine), 0);
        EXPECT_EQ(boxesOf(fresh), c.boxes);
        for (const platform::RecordedMessageBox& box : fresh.messageBoxes)
            EXPECT_EQ(box.caption, "Zendor Menajer");
        EXPECT_EQ(fresh.stepCalls(Step::UnregisterClass), c.tornDown ? 1 : 0);
        EXPECT_FALSE(c.tornDown && (fresh.displayModeChanged || fresh.windowExists ||
                                    fresh.contextExists || fresh.deviceContextHeld));
        EXPECT_EQ(engine.active, 0);
    }
}

TEST_F(EngineCreateTest, TeardownGoesOnAfterEveryFailure) {
    host.failStep(Step::MakeCurrent);
    for (Step step : {Step::ReleaseCurrent, Step::DeleteContext, Step::ReleaseDeviceContext,
                      Step::DestroyWindow, Step::UnregisterClass})
        host.failStep(step);
    EXPECT_EQ(createGameEngine(engine), 0);
    const BoxList expected = {
        {"OpenGL rendering context aktif hale getirilemedi.", W},
        {kPixelFatal, W},
        {"DC ve RC kaldirilamadi!", I},
        {"RC context kaldirilamadi!", I},
        {"DC kaldirilamadi!", I},
        {"Pencere Kaldirilamadi!", I},
        {"Pencere Kayittan kaldirilamadi!", I},
    };
    EXPECT_EQ(boxesOf(host), expected);
    EXPECT_EQ(host.cursorShowCount, 1); // shown at the end though never hidden
}

} // namespace
