// The game object: every screen's state, widget and loaded data.
#pragma once

#include <cstdint>

#include "gui/text_field.h"

class Game {
public:
    Game() = default;
    virtual ~Game() = default;

    // Frame hooks, in the order renderFrame calls them.
    void loadData();
    void shutdownHook();
    void drawBackground();
    void drawPage();
    void drawMenuBar();
    void updateMenu();
    void drawPointer();
    const char* titleText() const { return title; }
    const char* footerText() const;

    // Screen state.
    int32_t menuState = 1; // MenuBarState: 1 idle, 2 locked, 3-6 menus, 7 search, 8 exit box
    int32_t barMode = 2;
    int32_t page = 2;
    int32_t editTarget = 1;
    int32_t exitConfirm = 0;
    int32_t backgroundIndex = 0;

    TextField typingBuffer;
    char title[200] = {};
};

class Calendar {
public:
    Calendar() = default;
    virtual ~Calendar() = default;

    int load(const char* name);
    void draw(float x, float y);
};

class Mailbox {
public:
    Mailbox() = default;
    virtual ~Mailbox() = default;

    void drawIndicator(float x, float y);
};

extern Game game;
extern Calendar calendar;
extern Mailbox mailbox;
