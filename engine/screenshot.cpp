#include "engine/screenshot.h"

int32_t screenshotCounter = 0;

// Placeholder until the writer lands.
int saveScreenshot() { return 1; }
