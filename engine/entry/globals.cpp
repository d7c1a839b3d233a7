// The global objects, constructed in this order and destroyed in the reverse one.
#include "engine/globals.h"
#include "game/game.h"

Game game;
Calendar calendar;
DebugLog debugLog;
Engine engine;
Mailbox mailbox;
