// The start-up dialog without SDL: its layout, its state, hit tests and painting into a
// pixel buffer. startup_dialog.cpp puts it on the screen and feeds it events.
#pragma once

#include <cstdint>

#include "platform/dialog_font.h"
#include "platform/platform.h"

namespace platform {

enum class DialogControlKind { Button, GroupBox, CheckBox, Picture };

struct DialogControl {
    int id; // 0 for controls that send nothing
    DialogControlKind kind;
    const char* text;
    int x, y, w, h;
};

// What the user sees and what the procedure reads and sets.
class StartupDialogState : public DialogHandle {
public:
    void checkButton(int id, bool checked) override;
    bool isButtonChecked(int id) const override;
    void endDialog() override { ended = true; }

    bool refreshBox = false;   // 1004
    bool smoothingBox = false; // 1008
    bool ended = false;
    int focus = 1;   // control with the keyboard focus
    int pressed = 0; // control under a held left button
};

class StartupDialogView {
public:
    static constexpr int kWidth = 342;
    static constexpr int kHeight = 336;
    static constexpr int kPictureWidth = 300;
    static constexpr int kPictureHeight = 200;
    static constexpr int kControlCount = 6;
    static const DialogControl kControls[kControlCount];

    // Id of the clickable control (1, 1004, 1008) under a point; 0 elsewhere.
    static int hitTest(int x, int y);
    // The next control in tab order after `id`.
    static int nextFocus(int id);
    static void paint(PixelBuffer& buffer, const StartupDialogState& state);
    // The built-in picture, kPictureWidth × kPictureHeight, at (x, y).
    static void paintPicture(PixelBuffer& buffer, int x, int y);
};

} // namespace platform
