// The global objects, constructed in this order and destroyed in the reverse one.
#include "app/globals.h"
#include "engine/services.h"

Game game;
Calendar calendar;
DebugLog debugLog{""}; // silent until the program names its file
Engine engine;

// The libraries reach the engine and the log through the seam, bound before main runs.
static const bool servicesBound = (services::bind(&engine, &debugLog), true);
