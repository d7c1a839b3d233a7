#include <GL/gl.h>

#include <cstdio>

#include "database/fixed_text.h"
#include "game/game.h"
#include "input/input_system.h"
#include "render/bitmap_font.h"
#include "text/cp1254.h"

namespace {

struct Offset {
    float dx, dy;
};

// Four defenders, four midfielders, two forwards, then the goalkeeper nearest the bottom edge.
constexpr Offset FORMATION[] = {{75, 450}, {165, 450}, {255, 450}, {350, 450},
                                {75, 265}, {165, 265}, {255, 265}, {350, 265},
                                {170, 80}, {255, 80},  {210, 530}};

constexpr int PLAYER_MARKER = 0; // entry of the world material table
void drawTitle(float x, float y, const char* text) {
    bitmapFont.drawColoredText(x, y, text, 1, 0, 200, 200, 200, 1);
}

} // namespace

void Game::drawTacticsPage() {
    buttons[BUTTON_TACTICS].setState(1);
    drawTitle(100, 140, "TAKTİK ve ANTREMAN"_w);
    const PitchView& pitch = pitchView;
    glColor4ub(255, 255, 255, 255);
    quadDrawer.drawRect(pitch.texture, pitch.texture, 0, 0, pitch.x, pitch.y, pitch.width,
                        pitch.height);

    for (const Offset& at : FORMATION) {
        const float x = pitch.x + at.dx, y = pitch.y + at.dy;
        glColor4ub(255, 255, 255, 255);
        QuadDrawer::drawMaterialRect(worldMaterials, PLAYER_MARKER, x, y, formationView.markerWidth,
                                     formationView.markerHeight);
        bitmapFont.drawColoredText(x - 15, y + 45, "", 4, 0.3f, 255, 255, 255, 250);
    }
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_TEXTURE_2D);

    if (const TeamRecord* team = chosenTeamRecord()) {
        // Sizes outside the squad's room, and ids outside the player file, list nobody.
        const int32_t size = team->squad_size;
        for (int32_t i = 0; 0 <= size && size <= SQUAD_CAPACITY && i < size; ++i) {
            const PlayerRecord* player = players.record(team->squad[i]);
            if (!player) continue;
            const std::string_view name = fixed_text::view(player->name, sizeof player->name);
            const std::string_view surname =
                fixed_text::view(player->surname, sizeof player->surname);
            char line[2 * PLAYER_TEXT_SIZE + 2];
            std::snprintf(line, sizeof line, "%.*s %.*s", int(name.size()), name.data(),
                          int(surname.size()), surname.data());
            bitmapFont.drawText(80, 160 + 20 * float(i), 4, 0.3f, line);
        }
    }

    int32_t px = 0, py = 0;
    if (input) input->mousePosition(px, py);
    char position[48];
    std::snprintf(position, sizeof position, "ox : %d oy : %d", int(float(px) - pitch.x),
                  int(float(py) - pitch.y));
    bitmapFont.drawText(820, 60, 0, 0, position);
}

void Game::drawSearchPage() {
    drawTitle(320, 140, "OYUNCU ARAMA");
}
