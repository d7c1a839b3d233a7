#include "render/bitmap_font.h"

#include <GL/gl.h>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "engine/services.h"

BitmapFont bitmapFont;

static void compileGlyphs(GLuint base) {
    constexpr float cell = 1.0f / 16.0f;
    for (int c = 0; c < 256; ++c) {
        const float left = float(c % 16) * cell;
        // The picture is stored bottom-up, so t = 1 is its top row of cells.
        const float top = 1.0f - float(c / 16) * cell;
        glNewList(base + GLuint(c), GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(left, top - cell);
        glVertex2f(0.0f, 0.0f);
        glTexCoord2f(left + cell, top - cell);
        glVertex2f(BitmapFont::GLYPH_SIZE, 0.0f);
        glTexCoord2f(left + cell, top);
        glVertex2f(BitmapFont::GLYPH_SIZE, BitmapFont::GLYPH_SIZE);
        glTexCoord2f(left, top);
        glVertex2f(0.0f, BitmapFont::GLYPH_SIZE);
        glEnd();
        glTranslated(BitmapFont::GLYPH_ADVANCE, 0.0, 0.0);
        glEndList();
    }
}

int BitmapFont::build() {
    listBase = glGenLists(256);
    secondaryListBase = glGenLists(256);
    if (listBase == 0 || secondaryListBase == 0) return 0;
    compileGlyphs(listBase);
    compileGlyphs(secondaryListBase);
    return 1;
}

void BitmapFont::print(float x, float y, float scaleX, float scaleY, float scaleZ,
                       const char* format, ...) {
    if (!format) return;
    char text[256];
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (written < 0) return;

    // Each fragment is blended by its own colour: black texels keep the background.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(x, y, 0.0f);
    glScalef(scaleX, scaleY, scaleZ);
    glListBase(listBase);
    glCallLists(GLsizei(std::strlen(text)), GL_UNSIGNED_BYTE, text);
    glPopMatrix();
    glDisable(GL_BLEND);
}

void BitmapFont::glyphScale(int32_t mode, float adjustment, float lowerLimit, float& scaleX,
                            float& scaleY) {
    if (adjustment > 0.8f) adjustment = 0.8f;
    if (adjustment < lowerLimit) adjustment = lowerLimit;
    switch (mode) {
    case 0:
        scaleX = scaleY = 0.9f + adjustment;
        break;
    case 1:
        scaleX = scaleY = 1.8f - adjustment;
        break;
    case 4:
        scaleX = 1.0f;
        scaleY = 0.5f + adjustment;
        break;
    default:
        scaleX = scaleY = 1.0f;
        break;
    }
}

void BitmapFont::drawText(float x, float y, int32_t mode, float adjustment, const char* text) {
    const float height = float(services::screenHeight());
    if (!(y < height)) return;
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor4ub(255, 255, 255, 255);
    float scaleX, scaleY;
    glyphScale(mode, adjustment, -0.5f, scaleX, scaleY);
    // Handed over as data: a '%' in typed text must not be read as a conversion.
    print(x, height - y, scaleX, scaleY, 1.0f, "%s", text ? text : "");
}

void BitmapFont::drawColoredText(float x, float y, const char* text, int32_t mode, float adjustment,
                                 int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    const float height = float(services::screenHeight());
    if (!(y < height)) return;
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor4ub(GLubyte(red), GLubyte(green), GLubyte(blue), GLubyte(alpha));
    float scaleX, scaleY;
    glyphScale(mode, adjustment, 0.0f, scaleX, scaleY);
    print(x, height - y, scaleX, scaleY, 1.0f, "%s", text ? text : "");
}
