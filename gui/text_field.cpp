#include "gui/text_field.h"

// Placeholder until the widget lands.
void TextField::typeChar(int) {}
void TextField::backspace() {}
