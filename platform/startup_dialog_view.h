// The start-up dialog without SDL: the program's content laid out, its state, hit tests and
// painting into a pixel buffer. startup_dialog.cpp puts it on the screen and feeds it events.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/dialog_font.h"
#include "platform/platform.h"

namespace platform {

// What the user sees and what the procedure reads and sets.
class StartupDialogState : public DialogHandle {
public:
    explicit StartupDialogState(const DialogContent& content);
    void checkButton(int id, bool checked) override;
    bool isButtonChecked(int id) const override;
    void endDialog() override { ended = true; }

    const DialogContent& content;
    std::vector<bool> checked; // one per control; only check boxes keep theirs
    bool ended = false;
    int focus = 0;   // control with the keyboard focus, at first the first with an id
    int pressed = 0; // control under a held left button
};

class StartupDialogView {
public:
    // The control with that id; null when there is none (or the id is 0).
    static const DialogControl* find(const DialogContent& content, int id);
    // Id of the clickable control under a point; 0 elsewhere.
    static int hitTest(const DialogContent& content, int x, int y);
    // The next control in tab order after `id`.
    static int nextFocus(const DialogContent& content, int id);
    static void paint(PixelBuffer& buffer, const StartupDialogState& state);
};

} // namespace platform
