#include "game/game.h"

void Game::drawTacticsPage() {}

void Game::drawSearchPage() {}
