#include "game/game.h"

void Game::drawRegistrationPage() {}

void Game::drawTeamChoicePage() {}

void Game::drawCompletionStep() {}
