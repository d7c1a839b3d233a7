#include <GL/gl.h>

#include <cstddef>

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

// GAME_PAGES as a table, which drawPage and the drop-down menus' clicks read.
struct PageRow {
    Page page;
    void (Game::*draw)();
    ButtonId opener;
    PageOpening opening;
};

constexpr PageRow PAGES[] = {
#define PAGE_ROW(page, number, draw, button, opening)                                              \
    {page, &Game::draw, button, PageOpening::opening},
    GAME_PAGES(PAGE_ROW)
#undef PAGE_ROW
};

template <size_t N> constexpr bool ascending(const PageRow (&rows)[N]) {
    for (size_t i = 1; i < N; ++i)
        if (rows[i].page <= rows[i - 1].page) return false;
    return true;
}
static_assert(ascending(PAGES), "every page has a number of its own");

const PageRow* pageRow(int32_t page) {
    for (const PageRow& row : PAGES)
        if (row.page == page) return &row;
    return nullptr;
}

// The four drop-down menus: the header that opens each and its items, which follow the header
// in ButtonId.
struct DropDown {
    MenuBarState menu;
    ButtonId header;
    ButtonId firstItem;
    int itemCount;

    bool holds(ButtonId button) const {
        return button >= firstItem && button < firstItem + itemCount;
    }
};

constexpr DropDown DROP_DOWNS[] = {
    {MENU_GAME_OPTIONS, BUTTON_GAME_OPTIONS, BUTTON_ADD_MANAGER, 7},
    {MENU_MANAGER_OPTIONS, BUTTON_MANAGER_OPTIONS, BUTTON_FIRST_SQUAD, 8},
    {MENU_LEAGUE, BUTTON_LEAGUE, BUTTON_LEAGUE_TABLE, 7},
    {MENU_TRANSFERS, BUTTON_TRANSFERS, BUTTON_TRANSFER_LIST, 4},
};

template <size_t N> constexpr bool itemsFollowHeaders(const DropDown (&menus)[N]) {
    for (const DropDown& d : menus)
        if (d.firstItem != d.header + 1) return false;
    return true;
}
static_assert(itemsFollowHeaders(DROP_DOWNS), "a menu's items follow its header in ButtonId");

const DropDown* dropDown(int32_t menu) {
    for (const DropDown& d : DROP_DOWNS)
        if (d.menu == menu) return &d;
    return nullptr;
}

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
    if (const PageRow* row = pageRow(page)) (this->*row->draw)();
}

void Game::openPage(Page id) {
    const PageRow* row = pageRow(id);
    if (!row) return;
    page = id;
    switch (row->opening) {
    case PageOpening::OPENS_CLOSING_MENU:
        menuState = MENU_IDLE;
        ++backgroundIndex;
        break;
    case PageOpening::OPENS_LOCKING_MENU:
        menuState = MENU_LOCKED;
        editTarget = EDIT_FIRST_NAME;
        barMode = BAR_PASSIVE;
        typingBuffer.active = 1;
        ++backgroundIndex;
        break;
    case PageOpening::OPENS_KEEPING_PICTURE:
        menuState = MENU_IDLE;
        break;
    case PageOpening::OPENED_BY_PAGES:
        break;
    }
}

void Game::openClickedPage(int32_t menu) {
    const DropDown* open = dropDown(menu);
    if (!open) return;
    // The items of one menu lie apart, so one click opens one page at most.
    for (const PageRow& row : PAGES)
        if (open->holds(row.opener) && buttons[row.opener].isClicked()) openPage(row.page);
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
    if (const DropDown* open = dropDown(menuState))
        drawDropDown(open->header, open->firstItem, open->itemCount);
    else if (menuState == MENU_EXIT_BOX)
        drawExitBox();
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
        openClickedPage(MENU_GAME_OPTIONS);
        if (buttons[BUTTON_CLOSE].isClicked()) { // the exit box is no page
            openExitBox();
            ++backgroundIndex;
        }
        break;
    case MENU_MANAGER_OPTIONS:
    case MENU_LEAGUE:
    case MENU_TRANSFERS:
        openClickedPage(menuState);
        break;
    case MENU_SEARCH:
        openPage(PAGE_SEARCH);
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
