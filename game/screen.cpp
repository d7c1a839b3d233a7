#include <GL/gl.h>

#include "game/game.h"
#include "input/input_system.h"
#include "platform/platform.h"
#include "render/bitmap_font.h"
#include "text/cp1254.h"

namespace {

constexpr float SCREEN_WIDTH = 1024;
constexpr float TOP_BAR_HEIGHT = 90;
constexpr float BOTTOM_BAR_Y = 738;
constexpr float BOTTOM_BAR_HEIGHT = 30;
constexpr float MENU_ROW_STEP = 21;
constexpr int BLINK_RATE = 5;
constexpr float POINTER_WIDTH = 20;
constexpr float POINTER_HEIGHT = 35;

// Background picture i lives in texture slot BACKGROUNDS[i].
constexpr int BACKGROUNDS[Game::BACKGROUND_COUNT] = {
    TEX_BACKGROUND_0, TEX_BACKGROUND_1, TEX_BACKGROUND_2, TEX_BACKGROUND_3, TEX_BACKGROUND_4};

void setColor(const uint8_t (&c)[3]) {
    glColor3ub(c[0], c[1], c[2]);
}

void white() {
    glColor4ub(255, 255, 255, 255);
}

} // namespace

void Game::wrapBackgroundIndex() {
    if (showBackground && (backgroundIndex > 4 || backgroundIndex < 0)) backgroundIndex = 0;
}

void Game::drawBackgroundAndBars() {
    if (showBackground) {
        glColor3ub(250, 250, 250);
        const uint32_t picture = textures[BACKGROUNDS[backgroundIndex]];
        quadDrawer.drawRect(picture, picture, 0, 0, contentX, contentY, contentWidth,
                            contentHeight);
    }
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1, 1, 1, 0.7f);
    quadDrawer.drawRect(textures[TEX_PANEL], textures[TEX_PANEL], 0, 0, 20, 110, 984, 608);
    glDisable(GL_BLEND);

    white();
    quadDrawer.drawRect(textures[TEX_BAR], textures[TEX_BAR], 0, 0, 0, 0, SCREEN_WIDTH,
                        TOP_BAR_HEIGHT);
    if (exitConfirm == 0) {
        setColor(baseColor);
    } else {
        if (exitBlinkTimer.tick(BLINK_RATE)) blinkPhase = blinkPhase ? 0 : 1;
        setColor(blinkPhase == 1 ? blinkColorA : blinkColorB);
    }
    quadDrawer.drawRect(textures[TEX_BAR], textures[TEX_BAR], 0, 0, 0, BOTTOM_BAR_Y, SCREEN_WIDTH,
                        BOTTOM_BAR_HEIGHT);
    white();
}

void Game::drawPage() {
    switch (page) {
    case PAGE_START:
        drawStartPage();
        break;
    case PAGE_ABOUT:
        drawAboutPage();
        break;
    case PAGE_NEWS:
        drawNewsPage();
        break;
    case PAGE_REGISTRATION:
        drawRegistrationPage();
        break;
    case PAGE_TEAM_CHOICE:
        drawTeamChoicePage();
        break;
    case PAGE_TACTICS:
        drawTacticsPage();
        break;
    case PAGE_COMPLETION:
        drawCompletionStep();
        break;
    case PAGE_SEARCH:
        drawSearchPage();
        break;
    default:
        break;
    }
}

void Game::drawMenuBar() {
    for (int i = 0; i < HEADER_COUNT; ++i)
        drawButton(header(i));
}

void Game::openClickedMenu() {
    if (barMode != BAR_ACTIVE) return;
    static constexpr int32_t OPENS[HEADER_COUNT] = {MENU_GAME_OPTIONS, MENU_MANAGER_OPTIONS,
                                                    MENU_LEAGUE, MENU_TRANSFERS, MENU_SEARCH};
    for (int i = 0; i < HEADER_COUNT; ++i)
        if (header(i).isClicked()) menuState = OPENS[i];
}

void Game::drawDropDown(int headerButton, int firstItem, int itemCount) {
    const HitRect& origin = buttons[headerButton].hitArea;
    for (int k = 1; k <= itemCount; ++k) {
        GuiButton& item = buttons[firstItem + k - 1];
        item.setPosition(origin.x, origin.y + MENU_ROW_STEP * float(k));
        drawButton(item);
    }
}

void Game::drawExitBox() {
    for (int i = 0; i < HEADER_COUNT; ++i)
        header(i).setState(0);
    setColor(baseColor);
    quadDrawer.drawRect(textures[TEX_BAR], textures[TEX_BAR], 0, 0, 250, 360, 400, 80);
    white();
    bitmapFont.drawText(260, 390, 0, 0.1f, "Kapatmak istediğinizden emin misiniz?"_w);
    GuiButton& ok = buttons[BUTTON_OK];
    GuiButton& cancel = buttons[BUTTON_CANCEL];
    ok.setState(1);
    ok.setPosition(300, 400);
    cancel.setState(1);
    cancel.setPosition(460, 400);
    drawButton(ok);
    drawButton(cancel);
}

void Game::openExitBox() {
    exitConfirm = 1;
    menuState = MENU_EXIT_BOX;
    barMode = BAR_PASSIVE;
}

void Game::drawOpenMenu() {
    switch (menuState) {
    case MENU_GAME_OPTIONS:
        drawDropDown(BUTTON_GAME_OPTIONS, BUTTON_ADD_MANAGER, 7);
        break;
    case MENU_MANAGER_OPTIONS:
        drawDropDown(BUTTON_MANAGER_OPTIONS, BUTTON_FIRST_SQUAD, 8);
        break;
    case MENU_LEAGUE:
        drawDropDown(BUTTON_LEAGUE, BUTTON_LEAGUE_TABLE, 7);
        break;
    case MENU_TRANSFERS:
        drawDropDown(BUTTON_TRANSFERS, BUTTON_TRANSFER_LIST, 4);
        break;
    case MENU_EXIT_BOX:
        drawExitBox();
        break;
    default:
        break;
    }
}

void Game::updateMenu() {
    switch (menuState) {
    case MENU_IDLE:
        typingBuffer.active = 0;
        for (int i = 0; i < HEADER_COUNT; ++i)
            header(i).setState(1);
        exitConfirm = 0;
        break;
    case MENU_LOCKED:
        for (int i = 0; i < HEADER_COUNT; ++i)
            header(i).setState(0);
        break;
    case MENU_GAME_OPTIONS:
        if (buttons[BUTTON_ADD_MANAGER].isClicked()) {
            page = PAGE_REGISTRATION;
            menuState = MENU_LOCKED;
            editTarget = EDIT_FIRST_NAME;
            barMode = BAR_PASSIVE;
            typingBuffer.active = 1;
            ++backgroundIndex;
        }
        if (buttons[BUTTON_MAKERS].isClicked()) {
            menuState = MENU_IDLE;
            page = PAGE_ABOUT;
            ++backgroundIndex;
        }
        if (buttons[BUTTON_CLOSE].isClicked()) {
            openExitBox();
            ++backgroundIndex;
        }
        break;
    case MENU_MANAGER_OPTIONS:
        if (buttons[BUTTON_NEWS].isClicked()) {
            menuState = MENU_IDLE;
            page = PAGE_NEWS;
            ++backgroundIndex;
        }
        if (buttons[BUTTON_TACTICS].isClicked()) {
            menuState = MENU_IDLE;
            page = PAGE_TACTICS;
            ++backgroundIndex;
        }
        break;
    case MENU_SEARCH:
        page = PAGE_SEARCH;
        menuState = MENU_IDLE;
        break;
    case MENU_EXIT_BOX:
        if (buttons[BUTTON_OK].isClicked()) platform::current().postQuitMessage(0);
        if (buttons[BUTTON_CANCEL].isClicked()) {
            menuState = MENU_IDLE;
            barMode = BAR_ACTIVE;
            ++backgroundIndex;
        }
        break;
    default:
        break;
    }
}

void Game::drawPointer() {
    int32_t px = 0, py = 0;
    if (input) input->mousePosition(px, py);
    for (int layer = 0; layer < 2; ++layer)
        QuadDrawer::drawMaterialRect(guiMaterials, layer, float(px), float(py), POINTER_WIDTH,
                                     POINTER_HEIGHT);
}

const char* Game::footerText() const {
    return "Zendor Oyun Yapim Grubu - 2004";
}
