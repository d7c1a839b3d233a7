#include "app/frame_parts.h"

#include <cstdio>
#include <cstring>

#include "app/globals.h"
#include "render/bitmap_font.h"
#include "render/texture_loader.h"

// Two copies of the picture: the second is kept but never bound.
void loadFont() {
    textureLoader.loadBitmapTexture(bitmapFont.texture, "veri\\fnt\\cr");
    textureLoader.loadBitmapTexture(bitmapFont.secondaryTexture, "veri\\fnt\\cr");
    bitmapFont.build();
}

static float centredX(const char* text, float glyphWidth) {
    const float length = text ? float(std::strlen(text)) : 0.0f;
    return glyphWidth + (float(engine.width) - glyphWidth * length) * 0.5f;
}

void drawTitleCaption(const char* text, float glyphWidth, float glyphHeight) {
    bitmapFont.drawText(centredX(text, glyphWidth), glyphHeight + (60.0f - glyphHeight) * 0.5f, 1,
                        0.0f, text);
}

void drawFooterCaption(const char* text, float glyphWidth, float glyphHeight) {
    bitmapFont.drawText(centredX(text, glyphWidth),
                        glyphHeight + (20.0f - glyphHeight) * 0.5f + 745.0f, 0, 0.2f, text);
}

void drawDebugOverlay() {
    int32_t cursorX = 0, cursorY = 0;
    engine.inputSystem.mousePosition(cursorX, cursorY);
    char line[64];
    std::snprintf(line, sizeof line, "FPS %0.f", double(engine.fps));
    bitmapFont.drawText(820, 25, 0, 0.0f, line);
    std::snprintf(line, sizeof line, "mx : %d my : %d", int(cursorX), int(cursorY));
    bitmapFont.drawText(820, 40, 0, 0.0f, line);
    drawTitleCaption(game.titleText(), 25, 25);
    drawFooterCaption(game.footerText(), 14, 14);
}
