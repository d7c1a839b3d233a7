#include "game/game.h"

#include <cstdio>

#include "database/file_names.h"
#include "engine/services.h"
#include "game/data_files.h"
#include "render/texture_loader.h"
#include "text/cp1254.h"

namespace {

struct ButtonLayout {
    const char* caption;
    float glyphWidth, glyphHeight;
    float x, y, width, height;
    bool active;
};

constexpr float WIDE_MENU_WIDTH = 238, LEAGUE_MENU_WIDTH = 150, TRANSFER_MENU_WIDTH = 233,
                MENU_ROW_HEIGHT = 21;

// Buttons shown by a menu or a page are moved there before they are drawn.
const ButtonLayout BUTTONS[BUTTON_COUNT] = {
    {"Oyun Seçenekleri"_w, 15, 15, 0, 65, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Menajer Ekle"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, true},
    {"Ayarlara Bak"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Yapimci"_w, 18, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, true},
    {"ZG Topluluğu"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Yükle"_w, 18, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Kaydet"_w, 18, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Kapat"_w, 18, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, true},
    {"Menajer Seçenekleri"_w, 13, 15, 240, 65, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Ana Kadro"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"20 Yaş Altı Kadro"_w, 14, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"18 Yaş Altı Kadro"_w, 14, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Haberler"_w, 18, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Taktik ve Antreman"_w, 14, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Külüp Güveni"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"İş Bilgileri"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Emekli Ol"_w, 15, 15, 0, 0, WIDE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Lig Durumu"_w, 15, 15, 480, 65, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Lig Durumu"_w, 15, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Fikstur"_w, 20, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Son Maç"_w, 17, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Lig Geçmişi"_w, 15, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Kupalar"_w, 15, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"İstatistik"_w, 15, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Sonuçlar"_w, 15, 15, 0, 0, LEAGUE_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Transferler"_w, 15, 15, 633, 65, TRANSFER_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Transferler"_w, 15, 15, 0, 0, TRANSFER_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Gelecekler"_w, 15, 15, 0, 0, TRANSFER_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Gidecekler"_w, 15, 15, 0, 0, TRANSFER_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Sözleşmesi Bitenler"_w, 12, 15, 0, 0, TRANSFER_MENU_WIDTH, MENU_ROW_HEIGHT, false},
    {"Arama"_w, 20, 15, 870, 65, 154, MENU_ROW_HEIGHT, false},
    {"Tamam"_w, 20, 18, 340, 65, 140, 25, true},
    {"Vazgeç"_w, 19, 18, 340, 65, 140, 25, true},
    {"Ad :"_w, 20, 15, 870, 65, 100, MENU_ROW_HEIGHT, false},
    {"Soyad :"_w, 20, 15, 870, 65, 100, MENU_ROW_HEIGHT, false},
};

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
