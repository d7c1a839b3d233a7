// Materials: keyword scripts that say how a textured rectangle is drawn (frames, blending,
// scrolling, rotation, sphere mapping), kept in fixed tables of 250 entries.
#pragma once

#include <cstdint>

#include "engine/timing.h"
#include "render/frame_texture.h"

// One material. Every field starts at zero; reset() gives the scroll speeds their default.
struct ShaderScript {
    static constexpr int MAX_FRAMES = 250;

    uint8_t blend = 0;        // "saydam"
    uint8_t alphaBlend = 0;   // "alfa"
    uint8_t animate = 0;      // "anim"
    uint8_t targaFrames = 0;  // "tga"
    uint8_t jpegFrames = 0;   // "jpg"
    uint8_t depthRestore = 0; // "depth"
    uint32_t srcFactor = 0;   // "saydamSRC"
    uint32_t dstFactor = 0;   // "saydamDST"
    float offsetX = 0;        // "x"; a non-zero pair switches scrolling on
    float offsetY = 0;        // "y"
    float angle = 0;          // "don"; non-zero switches rotation on
    float angleStep = 0;      // "don"
    uint8_t sphereMap = 0;    // "cevre"
    int32_t frameCount = 0;   // "Dokusayisi"
    int32_t currentFrame = 0;
    FrameTexture frames[MAX_FRAMES]; // "doku", in load order
    int32_t delay = 0;               // "zaman": an update every delay + 1 draws
    int32_t delayCounter = 0;
    int32_t loadedFrames = 0;
    int32_t extraDraws = 0; // "nkezdon"
    int32_t pass = 0;
    uint32_t srcFactor1 = 0; // "saydamSRC1"
    uint32_t dstFactor1 = 0; // "saydamDST1"
    FrameTexture texture1;   // "doku1", always Targa
    float offsetX1 = 0;      // "x1"
    float offsetY1 = 0;      // "y1"
    int32_t delay1 = 0;      // "zaman1"
    int32_t delayCounter1 = 0;
    uint32_t srcFactor2 = 0; // "saydamSRC2"
    uint32_t dstFactor2 = 0; // "saydamDST2"
    FrameTexture texture2;   // "doku2", always bitmap
    float offsetX2 = 0;      // "x2"
    float offsetY2 = 0;      // "y2"
    int32_t delay2 = 0;      // "zaman2"
    float scrollSpeedX = 0;
    float scrollSpeedY = 0;
    float animAccumulator = 0;
    IntervalTimer animTimer;
};

class ShaderScriptTable {
public:
    static constexpr int SIZE = 250;
    // reset() prepares only the entries below this one.
    static constexpr int RESET_ENTRIES = 200;
    static constexpr float DEFAULT_SCROLL_SPEED = 0.005f;
    // Ticks per second of the frame animation's timer.
    static constexpr int ANIMATION_RATE = 15;

    ShaderScriptTable() = default;
    virtual ~ShaderScriptTable() = default;

    // Prepares the table for a new texture list.
    void reset();
    // Parses one script file (name used as written) into entries[index], adding to what the
    // entry holds. 1 on success; 0 (after the message) when the file does not open or the
    // index lies outside the table.
    int parseScript(const char* scriptName, int index);

    // Drawing one material rectangle: beginPass, then per draw the geometry and endPass, until
    // nextPass answers drawCount. An index outside the table draws nothing and changes nothing.
    // Pass 0 and applyPass; binds the picture applyPass chose.
    int beginPass(int index);
    // Advances the material (update gate, scrolling, rotation, animation), sets its GL state
    // and returns the texture handle to bind.
    uint32_t applyPass(int index);
    // Undoes applyPass's state; the colour it set stays.
    void endPass(int index);
    // extraDraws + 1 when extraDraws is not 0, else 0.
    int drawCount(int index);
    // The next pass number; it stays put once the material's draws are done.
    int nextPass(int index);

    ShaderScript entries[SIZE];
};
