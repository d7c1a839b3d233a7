// The engine's global objects, defined (in construction order) in app/globals.cpp.
#pragma once

#include "engine/debug_log.h"
#include "engine/engine.h"

extern DebugLog debugLog;
extern Engine engine;
