// Textured rectangles in top-down screen pixels, drawn plain (mode 0) or blended (mode 1).
#pragma once

#include <cstdint>

class ShaderScriptTable;

class QuadDrawer {
public:
    QuadDrawer() = default;
    virtual ~QuadDrawer() = default;

    // The quad's geometry and texture coordinates only; no state changes.
    static void emitRect(float x, float y, float width, float height);
    // Mode 0 binds mainTexture and draws; mode 1 adds mainTexture (after cutting with
    // maskTexture when useMask is 1); any other mode draws nothing.
    static void drawRect(uint32_t mainTexture, uint32_t maskTexture, uint8_t useMask, int32_t mode,
                         float x, float y, float width, float height);
    // One rectangle with material `index` of `table`: its state on the first draw, then as
    // many extra draws as the material asks for.
    static void drawMaterialRect(ShaderScriptTable& table, int index, float x, float y, float width,
                                 float height);
};
