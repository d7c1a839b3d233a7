#include "game/game.h"

// The screens arrive with the game's own work; until then every hook draws nothing.
void Game::loadData() {}
void Game::shutdownHook() {}
void Game::drawBackground() {}
void Game::drawPage() {}
void Game::drawMenuBar() {}
void Game::updateMenu() {}
void Game::drawPointer() {}
const char* Game::footerText() const { return ""; }

int Calendar::load(const char*) { return 1; }
void Calendar::draw(float, float) {}

void Mailbox::drawIndicator(float, float) {}
