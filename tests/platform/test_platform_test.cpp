#include "platform/test/test_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/cp1254.h"

using namespace platform;

namespace {

// Runs every creation step, then every teardown step, in the engine's order; answers the
// steps that reported failure.
std::vector<Step> runAllSteps(TestPlatform& p) {
    std::vector<Step> failed;
    auto check = [&](Step s, bool ok) {
        if (!ok) failed.push_back(s);
    };
    check(Step::RegisterClass, p.registerWindowClass("Menajer"));
    check(Step::DisplayMode, p.changeDisplayMode(1024, 768, 16));
    check(Step::CreateWindow, p.createWindow("Zendor Menajer", 1024, 768));
    check(Step::DeviceContext, p.getDeviceContext());
    check(Step::ChoosePixelFormat, p.choosePixelFormat(PixelFormatRequest{}));
    check(Step::SetPixelFormat, p.setPixelFormat());
    check(Step::CreateContext, p.createContext());
    check(Step::MakeCurrent, p.makeCurrent(true));
    p.restoreDisplayMode();
    check(Step::ReleaseCurrent, p.makeCurrent(false));
    check(Step::DeleteContext, p.deleteContext());
    check(Step::ReleaseDeviceContext, p.releaseDeviceContext());
    check(Step::DestroyWindow, p.destroyWindow());
    check(Step::UnregisterClass, p.unregisterWindowClass("Menajer"));
    return failed;
}

} // namespace

TEST(TestPlatformSteps, AFailedStepFailsAloneAndOnlyThatStep) {
    {
        TestPlatform p;
        EXPECT_TRUE(runAllSteps(p).empty());
        EXPECT_EQ(p.stepLog.size(), size_t(Step::Count));
    }
    for (int s = 0; s < int(Step::Count); ++s) {
        SCOPED_TRACE(stepName(Step(s)));
        TestPlatform p;
        p.failStep(Step(s));
        const std::vector<Step> failed = runAllSteps(p);
        // A failed creation step leaves its object missing, so its own teardown fails too.
        std::vector<Step> expected = {Step(s)};
        if (Step(s) == Step::CreateWindow)
            expected = {Step::CreateWindow, Step::DeviceContext, Step::ReleaseDeviceContext,
                        Step::DestroyWindow};
        if (Step(s) == Step::DeviceContext)
            expected = {Step::DeviceContext, Step::ReleaseDeviceContext};
        if (Step(s) == Step::CreateContext)
            expected = {Step::CreateContext, Step::MakeCurrent, Step::DeleteContext};
        EXPECT_EQ(failed, expected);
        EXPECT_EQ(p.stepCalls(Step(s)), 1);
    }
}

TEST(TestPlatformSteps, FailureLastsUntilCleared) {
    TestPlatform p;
    p.failStep(Step::RegisterClass);
    EXPECT_FALSE(p.registerWindowClass("A"));
    EXPECT_FALSE(p.registerWindowClass("A"));
    EXPECT_FALSE(p.classRegistered);
    p.clearFailures();
    EXPECT_TRUE(p.registerWindowClass("A"));
    EXPECT_TRUE(p.classRegistered);
}

TEST(TestPlatformMessages, TypedTurkishTextBecomesOneCharPerCharacter) {
    TestPlatform p;
    // "€" and the Turkish letters have bytes; "✓" and "ア" have none and are dropped.
    p.typeText("şŞğĞıİçÇöÖüÜ a€✓ア");
    const std::vector<uint32_t> expected = {0xFE, 0xDE, 0xF0, 0xD0, 0xFD, 0xDD, 0xE7, 0xC7,
                                            0xF6, 0xD6, 0xFC, 0xDC, 0x20, 0x61, 0x80};
    std::vector<uint32_t> got;
    WindowMessage m;
    while (p.peekMessage(m)) {
        EXPECT_EQ(m.type, MessageType::Char);
        got.push_back(m.wParam);
    }
    EXPECT_EQ(got, expected);
    EXPECT_EQ(std::string("şŞ"_w), "\xFE\xDE");
}

TEST(TestPlatformMessages, QuitComesAfterWhatWasQueuedBefore) {
    TestPlatform p;
    p.postMessage(MessageType::Size, 1024, 768);
    p.postQuitMessage(0);
    WindowMessage m;
    ASSERT_TRUE(p.peekMessage(m));
    EXPECT_EQ(m.type, MessageType::Size);
    EXPECT_EQ(m.lParam, 768u);
    ASSERT_TRUE(p.peekMessage(m));
    EXPECT_EQ(m.type, MessageType::Quit);
    EXPECT_FALSE(p.peekMessage(m));
}

TEST(TestPlatformMessages, MessageBoxesAreRecordedWithCaptionAndIcon) {
    TestPlatform p;
    p.setMessageBoxAnswer(7);
    EXPECT_EQ(p.messageBox("Motor Acilamadi!", nullptr, MessageIcon::Question), 7);
    p.messageBox("Pencere olusturulamadi", "Zendor Menajer", MessageIcon::Warning);
    ASSERT_EQ(p.messageBoxes.size(), 2u);
    EXPECT_FALSE(p.messageBoxes[0].hasCaption);
    EXPECT_EQ(p.messageBoxes[0].icon, MessageIcon::Question);
    EXPECT_EQ(p.messageBoxes[1].caption, "Zendor Menajer");
    EXPECT_EQ(p.messageBoxTexts(),
              (std::vector<std::string>{"Motor Acilamadi!", "Pencere olusturulamadi"}));
}

TEST(TestPlatformClock, SetAdvanceAndAutoAdvanceWrapAt32Bits) {
    TestPlatform p;
    p.setTicks(0xFFFFFFF0u);
    p.advance(0x20);
    EXPECT_EQ(p.ticks(), 0x10u);
    p.setAutoAdvance(5);
    EXPECT_EQ(p.ticks(), 0x10u);
    EXPECT_EQ(p.ticks(), 0x15u);
}

namespace {

// A stand-in for the game's procedure: ticks 1008 on start, reads the boxes on command 1.
struct Recorded {
    bool read = false;
    bool refresh = false;
    bool smooth = false;
} recorded;

bool recordingProc(DialogHandle& d, DialogMessage message, int command) {
    if (message == DialogMessage::Init) {
        d.checkButton(1008, true);
        return false;
    }
    if (message == DialogMessage::Command && command == 1) {
        recorded = {true, d.isButtonChecked(1004), d.isButtonChecked(1008)};
        d.endDialog();
        return true;
    }
    if (message == DialogMessage::Close) d.endDialog();
    return false;
}

} // namespace

TEST(TestPlatformDialog, EventsReachTheProcedureUntilItEndsTheDialog) {
    using E = DialogEventType;
    struct Case {
        const char* name;
        std::vector<DialogEvent> script;
        std::vector<std::pair<DialogMessage, int>> calls;
        bool ended, read, refresh, smooth;
    } cases[] = {
        {"enter untouched",
         {{E::PressEnter, 0}, {E::PressEnter, 0}},
         {{DialogMessage::Init, 0}, {DialogMessage::Command, 1}},
         true,
         true,
         false,
         true},
        {"both boxes clicked, then Devam",
         {{E::ClickCheckBox, 1004}, {E::ClickCheckBox, 1008}, {E::ClickDevam, 0}},
         {{DialogMessage::Init, 0},
          {DialogMessage::Command, 1004},
          {DialogMessage::Command, 1008},
          {DialogMessage::Command, 1}},
         true,
         true,
         true,
         false},
        {"escape only",
         {{E::PressEscape, 0}},
         {{DialogMessage::Init, 0}, {DialogMessage::Command, 2}},
         false,
         false,
         false,
         false},
        {"close",
         {{E::ClickCheckBox, 1004}, {E::CloseRequest, 0}, {E::PressEnter, 0}},
         {{DialogMessage::Init, 0}, {DialogMessage::Command, 1004}, {DialogMessage::Close, 0}},
         true,
         false,
         false,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        recorded = {};
        TestPlatform p;
        p.scriptDialog(c.script);
        p.runStartupDialog(recordingProc);
        std::vector<std::pair<DialogMessage, int>> calls;
        for (const DialogCall& call : p.dialog().calls)
            calls.push_back({call.message, call.command});
        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(p.dialog().ended, c.ended);
        EXPECT_EQ(recorded.read, c.read);
        EXPECT_EQ(recorded.refresh, c.refresh);
        EXPECT_EQ(recorded.smooth, c.smooth);
    }
}

TEST(TestPlatformInput, ScriptedAcquireFailuresAndReads) {
    TestPlatform p;
    EXPECT_FALSE(p.createInputDevice(InputDevice::Joystick));
    ASSERT_TRUE(p.createInputDevice(InputDevice::Keyboard));
    ASSERT_TRUE(p.createInputDevice(InputDevice::Mouse));

    p.failAcquire(InputDevice::Keyboard, INPUT_ERR_ACCESS_DENIED, 2);
    EXPECT_EQ(p.acquireInputDevice(InputDevice::Keyboard), INPUT_ERR_ACCESS_DENIED);
    EXPECT_EQ(p.acquireInputDevice(InputDevice::Keyboard), INPUT_ERR_ACCESS_DENIED);
    EXPECT_EQ(p.acquireInputDevice(InputDevice::Keyboard), INPUT_OK);
    EXPECT_EQ(p.acquireAttempts[int(InputDevice::Keyboard)], 3);

    // Not acquired yet: the mouse read fails and its sample waits for the next read.
    p.queueMouse(7, -3, 240, true);
    MouseSample m;
    EXPECT_EQ(p.readMouse(m), INPUT_ERR_NOT_ACQUIRED);
    EXPECT_EQ(p.acquireInputDevice(InputDevice::Mouse), INPUT_OK);
    ASSERT_EQ(p.readMouse(m), INPUT_OK);
    EXPECT_EQ(m.x, 7);
    EXPECT_EQ(m.y, -3);
    EXPECT_EQ(m.z, 240);
    EXPECT_EQ(m.buttons[0], 0x80);
    // Queue empty: the button stays down, the motion does not repeat.
    ASSERT_EQ(p.readMouse(m), INPUT_OK);
    EXPECT_EQ(m.x, 0);
    EXPECT_EQ(m.z, 0);
    EXPECT_EQ(m.buttons[0], 0x80);

    uint8_t keys[256];
    p.queueKeys({0x1E});
    p.failNextRead(InputDevice::Keyboard, INPUT_ERR_INPUT_LOST);
    EXPECT_EQ(p.readKeyboard(keys), INPUT_ERR_INPUT_LOST);
    ASSERT_EQ(p.readKeyboard(keys), INPUT_OK);
    EXPECT_EQ(keys[0x1E], 0x80);
    EXPECT_EQ(keys[0x1F], 0);
    ASSERT_EQ(p.readKeyboard(keys), INPUT_OK); // held keys stay held
    EXPECT_EQ(keys[0x1E], 0x80);

    p.loseAcquisition();
    EXPECT_EQ(p.readKeyboard(keys), INPUT_ERR_NOT_ACQUIRED);
    EXPECT_EQ(p.reads[int(InputDevice::Keyboard)], 4);
}
