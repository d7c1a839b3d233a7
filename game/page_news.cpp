#include "game/game.h"

void Game::drawNewsPage() {}

void Game::drawMailIndicator(float, float) {}
