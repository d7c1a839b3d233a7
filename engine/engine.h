// The one engine object: window, display mode, GL context, frame timing; it embeds the
// input system and the render state.
#pragma once

#include <cstdint>

#include "engine/render_state.h"
#include "input/input_system.h"
#include "platform/platform.h"

class Engine;
using WindowProc = int (*)(const platform::WindowMessage& message);

class Engine {
public:
    Engine();
    virtual ~Engine();

    int create(void* instance, WindowProc windowProc, const char* className,
               const char* title, int width, int height, int colorBits, float nearPlane,
               float farPlane);
    bool destroy();
    int setupPixelFormat();
    int setViewOptions(float fieldOfView, uint8_t lineSmoothing);
    int showError(const char* text);
    int showWarning(const char* text);
    int showInfo(const char* text);
    void updateTiming();
    // After frames were left out (a hidden window): the time nobody saw is not the game's.
    void resumeTiming();

    void* instance = nullptr;
    WindowProc windowProc = nullptr;
    bool window = false;        // the platform window exists
    bool deviceContext = false; // its drawing surface is held
    bool renderContext = false; // the GL context exists
    bool classRegistered = false;
    uint8_t active = 0;
    char className[100] = {};
    char windowTitle[100] = {};
    int32_t width = 0;
    int32_t height = 0;
    int32_t colorBits = 0;
    int32_t ready = 0;
    InputSystem inputSystem;
    // Frame timing, seconds of the engine clock.
    float secondStart = 0;
    float lastTime = 0;
    float frameTime = 0;
    float frameCount = 0;
    float frameDelta = 0;
    float fps = 0;
    RenderState renderState{*this};
    float fieldOfView = 75.0f;
    uint8_t lineSmoothing = 0;
    uint8_t clampDelta = 0;
    int32_t depthBits = 16;
    int32_t stencilBits = 8;
    platform::PixelFormatRequest pixelFormat;
    bool pixelFormatFilled = false;
};
