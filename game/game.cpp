#include "game/game.h"

#include <cstdio>

#include "database/file_names.h"
#include "engine/services.h"
#include "game/calendar.h"
#include "game/data_files.h"
#include "render/texture_loader.h"
#include "text/cp1254.h"

namespace {

struct ButtonLayout {
    ButtonId id; // the row's own place, checked below
    const char* caption;
    float glyphWidth, glyphHeight;
    float x, y, width, height;
    bool active;
};

constexpr float WIDE_MENU_WIDTH = 238, LEAGUE_MENU_WIDTH = 150, TRANSFER_MENU_WIDTH = 233,
                MENU_ROW_HEIGHT = 21;

// Buttons shown by a menu or a page are moved there before they are drawn.
constexpr ButtonLayout BUTTONS[BUTTON_COUNT] = {
    {BUTTON_GAME_OPTIONS, "Oyun Seçenekleri"_w, 15, 15, 0, 65, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT,
     false},
    {BUTTON_ADD_MANAGER, "Menajer Ekle"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, true},
    {BUTTON_SETTINGS, "Ayarlara Bak"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_MAKERS, "Yapimci"_w, 18, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, true},
    {BUTTON_COMMUNITY, "ZG Topluluğu"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_LOAD, "Yükle"_w, 18, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_SAVE, "Kaydet"_w, 18, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_CLOSE, "Kapat"_w, 18, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, true},
    {BUTTON_MANAGER_OPTIONS, "Menajer Seçenekleri"_w, 13, 15, 240, 65, WIDE_MENU_WIDTH,
     MENU_ROW_HEIGHT, false},
    {BUTTON_FIRST_SQUAD, "Ana Kadro"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_UNDER_20, "20 Yaş Altı Kadro"_w, 14, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_UNDER_18, "18 Yaş Altı Kadro"_w, 14, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_NEWS, "Haberler"_w, 18, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_TACTICS, "Taktik ve Antreman"_w, 14, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_CLUB_TRUST, "Külüp Güveni"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_JOB_INFO, "İş Bilgileri"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_RETIRE, "Emekli Ol"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_LEAGUE, "Lig Durumu"_w, 15, 15, 480, 65, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_LEAGUE_TABLE, "Lig Durumu"_w, 15, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_FIXTURES, "Fikstur"_w, 20, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_LAST_MATCH, "Son Maç"_w, 17, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_LEAGUE_HISTORY, "Lig Geçmişi"_w, 15, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT,
     false},
    {BUTTON_CUPS, "Kupalar"_w, 15, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_STATISTICS, "İstatistik"_w, 15, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_RESULTS, "Sonuçlar"_w, 15, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_TRANSFERS, "Transferler"_w, 15, 15, 633, 65, TRANSFER_MENU_WIDTH, MENU_ROW_HEIGHT,
     false},
    {BUTTON_TRANSFER_LIST, "Transferler"_w, 15, 15, 0, 0, TRANSFER_MENU_WIDTH, MENU_ROW_HEIGHT,
     false},
    {BUTTON_INCOMING, "Gelecekler"_w, 15, 15, 0, 0, TRANSFER_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_OUTGOING, "Gidecekler"_w, 15, 15, 0, 0, TRANSFER_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {BUTTON_CONTRACTS_ENDING, "Sözleşmesi Bitenler"_w, 12, 15, 0, 0, TRANSFER_MENU_WIDTH,
     MENU_ROW_HEIGHT, false},
    {BUTTON_SEARCH, "Arama"_w, 20, 15, 870, 65, 154, MENU_ROW_HEIGHT, false},
    {BUTTON_OK, "Tamam"_w, 20, 18, 340, 65, 140, 25, true},
    {BUTTON_CANCEL, "Vazgeç"_w, 19, 18, 340, 65, 140, 25, true},
    {BUTTON_FIRST_NAME, "Ad :"_w, 20, 15, 870, 65, 100, MENU_ROW_HEIGHT, false},
    {BUTTON_SURNAME, "Soyad :"_w, 20, 15, 870, 65, 100, MENU_ROW_HEIGHT, false},
};

constexpr bool inButtonOrder(const ButtonLayout (&rows)[BUTTON_COUNT]) {
    for (int i = 0; i < BUTTON_COUNT; ++i)
        if (rows[i].id != i) return false;
    return true;
}
static_assert(inButtonOrder(BUTTONS), "BUTTONS lists one row per ButtonId, in its order");

const char* const MONTHS[] = {"Ocak"_w,   "Subat"_w,   "Mart"_w,  "Nisan"_w, "Mayis"_w, "Haziran"_w,
                              "Temmuz"_w, "Ağustos"_w, "Eylül"_w, "Ekim"_w,  "Kasım"_w, "Aralık"_w};

} // namespace

void Game::loadData(const InputSystem& input_) {
    input = &input_;
    TextureLoader& loader = textureLoader;
    loader.loadJpegTexture(textures[TEX_BACKGROUND_0], "veri\\gui\\arka\\arka");
    loader.loadJpegTexture(textures[TEX_BACKGROUND_1], "veri\\gui\\arka\\arka2");
    loader.loadJpegTexture(textures[TEX_BACKGROUND_2], "veri\\gui\\arka\\arka3");
    loader.loadJpegTexture(textures[TEX_BACKGROUND_3], "veri\\gui\\arka\\arka4");
    loader.loadJpegTexture(textures[TEX_BACKGROUND_4], "veri\\gui\\arka\\arka5");
    loader.loadBitmapTexture(textures[TEX_BAR], "veri\\gui\\mup");
    loader.loadTargaTexture(textures, "veri\\gui\\arka\\arkas", TEX_PANEL);
    loader.loadBitmapTexture(textures[TEX_BUTTON], "veri\\gui\\dugme");
    loader.loadBitmapTexture(textures[TEX_BUTTON_HOVER], "veri\\gui\\dugme2");
    loader.loadBitmapTexture(textures[TEX_MAIL_UNREAD], "veri\\gui\\mail");
    loader.loadBitmapTexture(textures[TEX_MAIL_READ], "veri\\gui\\mailo");
    loadMaterials("veri\\gui\\gui", guiMaterials);

    createButtons();
    daySpinner.create(*input, "Gün:"_w, 1, 31, 1, 20, 20);
    monthList.create(*input, 450, 400, 120, 20, 5);
    for (const char* month : MONTHS)
        monthList.addTitle(month);
    loadDatabase();
    fillLists();
    mailbox.init(*input);
    pitchView.init("veri\\doku\\saha", 560, 110, 450, 620);
    loadMaterials("veri\\doku\\doku", worldMaterials);
    formationView.init(100, 50, 30, 30);
    profile.clear();
    yearSpinner.create(*input, "Yil :", 1982, 1998, 1920, 20, 20);
    std::snprintf(title, sizeof title, "%s", "ZIRVEGOL MENAJER 04/05");

    baseColor[0] = baseColor[1] = baseColor[2] = 255;
    contentX = 0;
    contentY = 90;
    contentWidth = 1024;
    contentHeight = 648;
    registrationPanel.init(150, 150, 420, 400, 1, 255, 255, 255);
    blinkPhase = 0;
    typingBuffer.init();
    firstNameField.init();
    surnameField.init();
    showBackground = 1;
    menuState = MENU_IDLE;
    barMode = BAR_ACTIVE;
    page = PAGE_START;
    editTarget = EDIT_NONE;
    exitConfirm = 0;
    backgroundIndex = 0;
}

void Game::createButtons() {
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        const ButtonLayout& b = BUTTONS[i];
        buttons[i].create(*input, 0, b.caption, b.glyphWidth, b.glyphHeight, b.x, b.y, b.width,
                          b.height);
        if (b.active) buttons[i].setState(1);
    }
}

void Game::loadDatabase() {
    LoadReport report;
    const std::string playerPath = dataFilePath(PLAYER_FILE_NAME);
    if (players.read(playerPath.c_str(), &report))
        services::writeLog("%d oyuncu yuklendi", int(players.playerCount()));
    else
        warnRefused(report, playerPath);
    report = LoadReport{};
    const std::string teamPath = dataFilePath(TEAM_FILE_NAME);
    if (teams.read(teamPath.c_str(), &report))
        services::writeLog("%d takim yuklendi", int(teams.count));
    else
        warnRefused(report, teamPath);
}

void Game::fillLists() {
    countryList.create(*input, 15, 200, 300, 20, 5);
    leagueList.create(*input, 340, 200, 300, 20, 5);
    teamList.create(*input, 665, 200, 300, 20, 5);
    countryList.addTitle("Türkiye"_w);
    leagueList.addTitle("Birinci Süper Lig"_w);
    leagueList.addTitle("ikinci Lig A"_w);
    leagueList.addTitle("ikinci Lig B"_w);
    for (int32_t i = 0; i < teams.count; ++i)
        teamList.addTitle(teams.records[i].name);
}

bool Game::readTextureList(const char* baseName) {
    return textureList.read(baseName);
}

bool Game::loadMaterials(const char* baseName, ShaderScriptTable& table) {
    return ::loadMaterials(textureList, baseName, table);
}

const TeamRecord* Game::chosenTeamRecord() const {
    if (chosenTeam < 0 || chosenTeam >= teams.count || !teams.records) return nullptr;
    return &teams.records[chosenTeam];
}

int Game::loadCalendar(Calendar& calendar_, const char* name) {
    calendar = &calendar_;
    return calendar_.load(name);
}

int Game::shutdownHook() {
    return 1;
}

GuiButton& Game::header(int i) {
    static constexpr int HEADERS[HEADER_COUNT] = {BUTTON_GAME_OPTIONS, BUTTON_MANAGER_OPTIONS,
                                                  BUTTON_LEAGUE, BUTTON_TRANSFERS, BUTTON_SEARCH};
    return buttons[HEADERS[i]];
}

void Game::drawButton(GuiButton& button) {
    if (button.isHovered())
        button.draw(textures[TEX_BUTTON_HOVER], textures[TEX_BUTTON], 0, 0);
    else
        button.draw(textures[TEX_BUTTON], textures[TEX_BUTTON], 0, 0);
}
