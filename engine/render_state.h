// Fixed OpenGL state: defaults at creation, per-frame reset, 2D mode, lights, and the
// driver's capabilities (multitexture, swap control).
#pragma once

#include <cstdint>

// Multitexture entry points, looked up once and kept for the whole run; the swap interval
// is set through the platform.
namespace glext {
using ActiveTextureProc = void (*)(unsigned int textureUnit);

extern ActiveTextureProc glActiveTextureARB;
extern ActiveTextureProc glClientActiveTextureARB;
} // namespace glext

class Engine;

// Belongs to one engine: the 2D mode spans that engine's screen and a frame's end times it.
class RenderState {
public:
    explicit RenderState(Engine& engine) : owner(engine) {}
    RenderState(const RenderState&) = delete;
    RenderState& operator=(const RenderState&) = delete;
    virtual ~RenderState();

    int initialise(uint8_t lineSmoothing, float fieldOfView, float nearPlane, float farPlane);
    void resize(int width, int height);
    void beginFrame();
    void resetFrameState();
    void set2DMode(int mode);
    void endFrame();
    void setupLights();

    void logDriverInfo();
    void logExtensions();
    bool loadMultitexture();
    void loadSwapControl();
    void setSwapInterval(uint8_t interval);
    void applyViewOptions(bool waitForRefresh, bool lineAntialiasing);

    char* vendor = nullptr;
    char* renderer = nullptr;
    char* version = nullptr;
    uint8_t swapControlAvailable = 0;
    float fieldOfView = 75.0f;
    float nearPlane = 0.1f;
    float farPlane = 250.0f;

private:
    Engine& owner;
};
