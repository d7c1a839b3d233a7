#include "gui/quad_drawer.h"

#include <GL/gl.h>

#include "engine/services.h"
#include "render/shader_script.h"

void QuadDrawer::emitRect(float x, float y, float width, float height) {
    const float top = float(services::screenHeight()) - y;
    const float bottom = float(services::screenHeight()) - (y + height);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(x, top, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(x + width, top, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(x + width, bottom, 0.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(x, bottom, 0.0f);
    glEnd();
}

void QuadDrawer::drawRect(uint32_t mainTexture, uint32_t maskTexture, uint8_t useMask, int32_t mode,
                          float x, float y, float width, float height) {
    if (mode == 0) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, mainTexture);
        emitRect(x, y, width, height);
    } else if (mode == 1) {
        glEnable(GL_BLEND);
        if (useMask == 1) {
            // The mask multiplies the background: black cuts the shape out.
            glBlendFunc(GL_DST_COLOR, GL_ZERO);
            glBindTexture(GL_TEXTURE_2D, maskTexture);
            emitRect(x, y, width, height);
        }
        glBlendFunc(GL_ONE, GL_ONE);
        glBindTexture(GL_TEXTURE_2D, mainTexture);
        emitRect(x, y, width, height);
        glDisable(GL_BLEND);
    }
}

void QuadDrawer::drawMaterialRect(ShaderScriptTable& table, int index, float x, float y,
                                  float width, float height) {
    if (index < 0 || index >= ShaderScriptTable::SIZE) return;
    glEnable(GL_TEXTURE_2D);
    table.beginPass(index);
    for (;;) {
        emitRect(x, y, width, height);
        table.endPass(index);
        const int before = table.entries[index].pass;
        const int pass = table.nextPass(index);
        // A pass that no longer advances (a negative extraDraws) ends the drawing too.
        if (pass == table.drawCount(index) || pass == before) break;
    }
}
