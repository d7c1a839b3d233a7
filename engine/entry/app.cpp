#include "engine/entry/app.h"

StartupSettings startupSettings;

// Placeholder until the start-up sequence lands.
int menajerMain(void*) { return 0; }
