// Placeholder definitions until the engine core lands.
#include "engine/debug_log.h"
#include "engine/engine.h"

DebugLog::DebugLog() {}
DebugLog::~DebugLog() {}
RenderState::RenderState() {}
RenderState::~RenderState() {}
Engine::Engine() {}
Engine::~Engine() {}
