// The program's global objects, defined (in construction order) in app/globals.cpp.
#pragma once

#include "engine/debug_log.h"
#include "engine/engine.h"
#include "game/calendar.h"
#include "game/game.h"

extern Game game;
extern Calendar calendar;
extern DebugLog debugLog;
extern Engine engine;
