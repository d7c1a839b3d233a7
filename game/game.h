// The game object: every screen's state, widget and loaded data, and the frame's game steps.
#pragma once

#include <cstdint>

#include "database/player_database.h"
#include "database/team_database.h"
#include "engine/timing.h"
#include "game/formation_view.h"
#include "game/info_panel.h"
#include "game/mailbox.h"
#include "game/manager_profile.h"
#include "game/pitch_view.h"
#include "gui/gui_button.h"
#include "gui/list_view.h"
#include "gui/number_spinner.h"
#include "gui/quad_drawer.h"
#include "gui/text_field.h"
#include "render/shader_script.h"
#include "render/texture_list.h"

class Calendar;

// What the menu bar shows (MenuBarState).
enum MenuBarState : int32_t {
    MENU_IDLE = 1,
    MENU_LOCKED = 2,
    MENU_GAME_OPTIONS = 3, // the four drop-down menus, in header order
    MENU_MANAGER_OPTIONS = 4,
    MENU_LEAGUE = 5,
    MENU_TRANSFERS = 6,
    MENU_SEARCH = 7,
    MENU_EXIT_BOX = 8,
};

enum BarMode : int32_t { BAR_ACTIVE = 2, BAR_PASSIVE = 3 };

// The pages of the content area, one row each: the `Page` it is and its number (any other
// number shows no page), the Game member that draws it, the button that opens it and how it
// opens (PageOpening). A drop-down menu's item opens its page when clicked; the search header
// asks for its page through MENU_SEARCH; the pages opened by other pages' buttons name none.
// A new page is its own file, a row here and the active flag of the item that opens it.
#define GAME_PAGES(ROW)                                                                            \
    ROW(PAGE_START, 2, drawStartPage, NO_BUTTON, OPENED_BY_PAGES)                                  \
    ROW(PAGE_ABOUT, 3, drawAboutPage, BUTTON_MAKERS, OPENS_CLOSING_MENU)                           \
    ROW(PAGE_NEWS, 4, drawNewsPage, BUTTON_NEWS, OPENS_CLOSING_MENU)                               \
    ROW(PAGE_REGISTRATION, 5, drawRegistrationPage, BUTTON_ADD_MANAGER, OPENS_LOCKING_MENU)        \
    ROW(PAGE_TEAM_CHOICE, 6, drawTeamChoicePage, NO_BUTTON, OPENED_BY_PAGES)                       \
    ROW(PAGE_TACTICS, 7, drawTacticsPage, BUTTON_TACTICS, OPENS_CLOSING_MENU)                      \
    ROW(PAGE_COMPLETION, 8, drawCompletionStep, NO_BUTTON, OPENED_BY_PAGES)                        \
    ROW(PAGE_SEARCH, 9, drawSearchPage, BUTTON_SEARCH, OPENS_KEEPING_PICTURE)

// What the content area shows (Page).
enum Page : int32_t {
#define PAGE_ID(page, number, draw, button, opening) page = number,
    GAME_PAGES(PAGE_ID)
#undef PAGE_ID
};

// What opening a page from the menu does besides showing it.
enum class PageOpening {
    OPENS_CLOSING_MENU,    // the menu closes, the next background picture shows
    OPENS_LOCKING_MENU,    // the headers locked and deaf, typing into the first name, the next
                           // picture
    OPENS_KEEPING_PICTURE, // the menu closes, the picture stays
    OPENED_BY_PAGES,       // only shown: the page's opener takes its own steps
};

enum EditTarget : int32_t { EDIT_NONE = 1, EDIT_FIRST_NAME = 2, EDIT_SURNAME = 3 };

// The 35 buttons in declaration order; the headers open the menus whose items follow them.
enum ButtonId : int {
    BUTTON_GAME_OPTIONS, // header 1
    BUTTON_ADD_MANAGER,
    BUTTON_SETTINGS,
    BUTTON_MAKERS,
    BUTTON_COMMUNITY,
    BUTTON_LOAD,
    BUTTON_SAVE,
    BUTTON_CLOSE,
    BUTTON_MANAGER_OPTIONS, // header 2
    BUTTON_FIRST_SQUAD,
    BUTTON_UNDER_20,
    BUTTON_UNDER_18,
    BUTTON_NEWS,
    BUTTON_TACTICS,
    BUTTON_CLUB_TRUST,
    BUTTON_JOB_INFO,
    BUTTON_RETIRE,
    BUTTON_LEAGUE, // header 3
    BUTTON_LEAGUE_TABLE,
    BUTTON_FIXTURES,
    BUTTON_LAST_MATCH,
    BUTTON_LEAGUE_HISTORY,
    BUTTON_CUPS,
    BUTTON_STATISTICS,
    BUTTON_RESULTS,
    BUTTON_TRANSFERS, // header 4
    BUTTON_TRANSFER_LIST,
    BUTTON_INCOMING,
    BUTTON_OUTGOING,
    BUTTON_CONTRACTS_ENDING,
    BUTTON_SEARCH, // header 5
    BUTTON_OK,
    BUTTON_CANCEL,
    BUTTON_FIRST_NAME,
    BUTTON_SURNAME,
    BUTTON_COUNT
};
constexpr ButtonId NO_BUTTON = BUTTON_COUNT;

// Slots of the texture table that hold pictures.
enum TextureSlot : int {
    TEX_BACKGROUND_0 = 0,
    TEX_BUTTON = 1,
    TEX_BUTTON_HOVER = 2,
    TEX_BAR = 4,
    TEX_PANEL = 6,
    TEX_MAIL_UNREAD = 8,
    TEX_MAIL_READ = 9,
    TEX_BACKGROUND_2 = 10,
    TEX_BACKGROUND_1 = 11,
    TEX_BACKGROUND_3 = 12,
    TEX_BACKGROUND_4 = 13,
    TEXTURE_SLOTS = 20
};

class Game {
public:
    static constexpr int HEADER_COUNT = 5;
    static constexpr int BACKGROUND_COUNT = 5;
    static constexpr int TITLE_SIZE = 200;

    Game() = default;
    virtual ~Game() = default;

    // Set-up: pictures, materials, widgets, the football database and the lists. The game and
    // its widgets read the pointer and the keys of `input`, which must outlive the game's use.
    void loadData(const InputSystem& input);
    // The calendar file (a data name) into `calendar`, which the game then reads the date from
    // and which must outlive the game's use; as Calendar::load.
    int loadCalendar(Calendar& calendar, const char* name);
    int shutdownHook();
    // A texture list into the entry array; false when the file does not open.
    bool readTextureList(const char* baseName);
    // A texture list's scripts into a material table, which is reset first. Returns true.
    bool loadMaterials(const char* baseName, ShaderScriptTable& table);

    // Frame steps, in the order renderFrame calls them.
    // Back to the first background picture once the index has passed the last (only while
    // the pictures show).
    void wrapBackgroundIndex();
    // The background picture, the content panel, the top bar and the bottom bar, which blinks
    // while the exit box is open.
    void drawBackgroundAndBars();
    void drawPage();
    // The five headers.
    void drawMenuBar();
    // The menu of the header clicked, while the bar is active.
    void openClickedMenu();
    // The open drop-down menu, or the exit box.
    void drawOpenMenu();
    // What the menu state asks of this frame: the headers made active or passive, the search
    // page "Arama" asked for, the clicks on the open menu's items and the exit box's buttons.
    void updateMenu();
    void drawMailIndicator(float x, float y);
    void drawPointer();
    const char* titleText() const { return title; }
    const char* footerText() const;

    // The exit box in place of any menu, the headers deaf and the bottom bar blinking.
    void openExitBox();
    // The page shown, with the steps its row's PageOpening names.
    void openPage(Page id);

    // The standard look: the hover face while the pointer is over the button.
    void drawButton(GuiButton& button);
    // The header of each of the five menus, in bar order.
    GuiButton& header(int i);
    // The team the manager took over; null when the chosen index names no team of the file.
    const TeamRecord* chosenTeamRecord() const;

    // Pages, one per row of GAME_PAGES.
#define PAGE_DRAW(page, number, draw, button, opening) void draw();
    GAME_PAGES(PAGE_DRAW)
#undef PAGE_DRAW

    uint32_t textures[TEXTURE_SLOTS] = {};
    QuadDrawer quadDrawer;
    ShaderScriptTable guiMaterials;
    ShaderScriptTable worldMaterials;
    TextureList textureList;

    int32_t menuState = MENU_IDLE;
    int32_t barMode = BAR_ACTIVE;
    int32_t page = PAGE_START;
    int32_t editTarget = EDIT_NONE;
    int32_t exitConfirm = 0;
    int32_t backgroundIndex = 0;

    IntervalTimer exitBlinkTimer;
    uint8_t blinkColorA[3] = {200, 0, 0};
    uint8_t blinkColorB[3] = {50, 50, 50};
    uint8_t blinkPhase = 0;

    float contentX = 0;
    float contentY = 90;
    float contentWidth = 1024;
    float contentHeight = 648;
    uint8_t baseColor[3] = {255, 255, 255};
    uint8_t showBackground = 1;

    TextField typingBuffer;
    TextField firstNameField;
    TextField surnameField;
    IntervalTimer caretTimer;
    uint8_t caretShown = 0; // flips each time the caret timer fires

    GuiButton buttons[BUTTON_COUNT];
    NumberSpinner daySpinner;
    ListView monthList;
    NumberSpinner yearSpinner;
    InfoPanel registrationPanel;
    ListView countryList;
    ListView leagueList;
    ListView teamList;
    Mailbox mailbox;
    PitchView pitchView;
    FormationView formationView;
    char title[TITLE_SIZE] = {};
    ManagerProfile profile;
    PlayerDatabase players;
    TeamDatabase teams;
    int32_t chosenTeam = 0;
    const InputSystem* input = nullptr; // loadData's; none before it: no pointer, no keys
    const Calendar* calendar = nullptr; // loadCalendar's; none before it: no date notice

private:
    void createButtons();
    void loadDatabase();
    void fillLists();
    // The menu's items moved under its header, one row apart, and drawn.
    void drawDropDown(int header, int firstItem, int itemCount);
    // The page whose row names the clicked item of the drop-down menu `menu`.
    void openClickedPage(int32_t menu);
    // The box and its question, the headers passive under it, "Tamam" and "Vazgeç" placed,
    // made active and drawn.
    void drawExitBox();
};
