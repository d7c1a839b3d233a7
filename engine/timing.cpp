#include "engine/timing.h"

#include "engine/engine.h"
#include "platform/platform.h"

float clockSeconds() {
    return float(double(platform::current().ticks()) * 0.001);
}

int IntervalTimer::tick(int rate) {
    const float now = clockSeconds();
    lastQuery = now;
    elapsed = now - lastFire;
    // A float period: a rate of 0 never fires instead of dividing by zero.
    if (elapsed > 1.0f / float(rate)) {
        lastFire = now;
        return 1;
    }
    return 0;
}

void Engine::updateTiming() {
    const float now = clockSeconds();
    frameTime = now;
    frameDelta = now - lastTime;
    if (clampDelta && frameDelta > 0.06f) frameDelta = 0.06f;
    lastTime = now;
    frameCount += 1.0f;
    if (now - secondStart > 1.0f) {
        fps = frameCount;
        frameCount = 0.0f;
        secondStart = now;
    }
}

// The next frame's step counts from now instead of from the last frame drawn, and the second
// the FPS figure is counting goes on where it stopped: the game runs on as after a short pause.
void Engine::resumeTiming() {
    const float now = clockSeconds();
    secondStart += now - lastTime;
    lastTime = now;
}
