#include "platform/sdl_platform.h"

namespace platform {

namespace {
class PlainDialog : public DialogHandle {
public:
    void checkButton(int id, bool checked) override { (id == 1004 ? a : b) = checked; }
    bool isButtonChecked(int id) const override { return id == 1004 ? a : b; }
    void endDialog() override {}
    bool a = false, b = false;
};
} // namespace

// Until the dialog window lands: the settings as "Devam" would leave them untouched.
void SdlPlatform::runStartupDialog(DialogProc proc) {
    PlainDialog d;
    proc(d, DialogMessage::Init, 0);
    proc(d, DialogMessage::Command, 1);
}

} // namespace platform
