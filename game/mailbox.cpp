#include "game/mailbox.h"

void Mailbox::init(const InputSystem& input) {
    list.create(input, 35, 160, 950, 20, 5);
    indicatorColor[0] = indicatorColor[1] = indicatorColor[2] = 255;
    indicatorPhase = 0;
    hotX = 20;
    hotY = 0;
    hotWidth = 170;
    hotHeight = 18;
}
