#include "game/list_view.h"

bool ListView::addMail(const char*, int32_t, const char* const[12]) {
    return false;
}

bool ListView::addNotice(const char*, const char*, const char*) {
    return false;
}

void ListView::selectNext(int32_t) {}
void ListView::selectPrevious(int32_t) {}
void ListView::drawMailList(uint32_t, uint32_t, uint32_t, uint32_t, int32_t, bool, const char*,
                            float, float) {}
void ListView::showMessage(float, float, float, float) {}
void ListView::reset() {}
