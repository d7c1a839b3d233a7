#include "engine/entry/frame_parts.h"

// Placeholders until the font and the overlay land.
void loadFont() {}
void drawDebugOverlay() {}
