#include <cstdio>
#include <cstring>

#include "database/fixed_text.h"
#include "game/calendar.h"
#include "game/game.h"
#include "render/bitmap_font.h"
#include "text/cp1254.h"

namespace {

constexpr size_t SHORTEST_NAME = 2;
constexpr size_t CARET_SHOWN = 80; // characters of the name and caret drawn

struct Hint {
    float x, y;
    const char* text;
};

const Hint REGISTRATION_HINTS[] = {
    {257, 435, "Adınızı yazmak için Ad tuşuna basın."_w},
    {257, 455, "Soyad için soyad tuşuna basın."_w},
    {257, 475, "Doğdugunuz ay için açılabilir tuşa basın."_w},
    {257, 495, "Bütün bilgileri girdikten sonra Tamam "_w},
    {257, 515, "tuşu aktif olacak Tamam'a basın."_w},
};

const Hint TEAM_CHOICE_HINTS[] = {
    {120, 400, "   Ülke ve takım seçiniz."_w},
    {120, 420,
     "Seçim için açılabilir tuşlara basarak çıkan listeden istediğiniz bir takımı seçin."_w},
    {120, 440, "daha sonra Tamam tuşuna basarak oyuna devam ediniz."_w},
    {120, 510, ""},
    {120, 530, "ulaşabilirsiniz."_w},
};

template <size_t N> void drawHints(const Hint (&hints)[N]) {
    for (const Hint& hint : hints)
        bitmapFont.drawText(hint.x, hint.y, 0, 0.1f, hint.text);
}

void drawTitle(float x, float y, const char* text) {
    bitmapFont.drawColoredText(x, y, text, 1, 0, 200, 200, 200, 1);
}

// The name being typed: the typing buffer copied into the field, then drawn with a caret that
// shows for one period of its timer and hides for the next.
void drawTypedName(TextField& field, const TextField& typing, IntervalTimer& caret,
                   uint8_t& caretShown, int rate, float x, float y) {
    std::snprintf(field.displayBuffer, sizeof field.displayBuffer, "%s", typing.typingBuffer);
    if (caret.tick(rate)) caretShown = caretShown ? 0 : 1;
    char shown[TextField::DISPLAY_CAPACITY + 2];
    std::snprintf(shown, sizeof shown, "%s%c", field.displayBuffer, caretShown ? '|' : ' ');
    const size_t length = std::strlen(shown);
    bitmapFont.drawText(x, y, 0, 0.3f, shown + (length > CARET_SHOWN ? length - CARET_SHOWN : 0));
}

void emptyField(TextField& field) {
    std::memset(field.typingBuffer, 0, sizeof field.typingBuffer);
    std::memset(field.displayBuffer, 0, sizeof field.displayBuffer);
}

} // namespace

void Game::drawRegistrationPage() {
    drawTitle(350, 140, "MENAJER");
    typingBuffer.active = 1;
    firstNameField.active = 0;
    surnameField.active = 0;
    registrationPanel.setPosition(245, 190);
    registrationPanel.draw(textures[TEX_BAR], "Menajer Ekle Bilgiler  :");

    GuiButton& firstName = buttons[BUTTON_FIRST_NAME];
    GuiButton& surname = buttons[BUTTON_SURNAME];
    firstName.setState(1);
    firstName.setPosition(330, 245);
    drawButton(firstName);
    if (firstName.isClicked()) {
        editTarget = EDIT_FIRST_NAME;
        emptyField(typingBuffer);
    }
    surname.setState(1);
    surname.setPosition(330, 275);
    drawButton(surname);
    if (surname.isClicked()) {
        editTarget = EDIT_SURNAME;
        emptyField(typingBuffer);
    }
    if (editTarget == EDIT_FIRST_NAME)
        drawTypedName(firstNameField, typingBuffer, caretTimer, caretShown, 10, 450, 265);
    else if (editTarget == EDIT_SURNAME)
        drawTypedName(surnameField, typingBuffer, caretTimer, caretShown, 5, 450, 295);

    drawHints(REGISTRATION_HINTS);
    firstNameField.draw(450, 265, 0, 0.3f);
    surnameField.draw(450, 295, 0, 0.3f);
    bitmapFont.drawText(300, 330, 0, 0.2f, "Doğum Tarihi"_w);

    daySpinner.update();
    daySpinner.setPosition(270, 365);
    daySpinner.draw(textures[TEX_BUTTON], textures[TEX_BUTTON_HOVER], -5, -5, 20, 45, 20);
    monthList.setPosition(350, 365);
    monthList.drawDropDownArrows(textures[TEX_BUTTON], textures[TEX_BUTTON_HOVER], true, "Ay", 5,
                                 20);
    yearSpinner.update();
    yearSpinner.setPosition(530, 365);
    yearSpinner.draw(textures[TEX_BUTTON], textures[TEX_BUTTON_HOVER], -5, -5, 20, 45, 20);

    GuiButton& ok = buttons[BUTTON_OK];
    const bool named = std::strlen(firstNameField.displayBuffer) >= SHORTEST_NAME &&
                       std::strlen(surnameField.displayBuffer) >= SHORTEST_NAME;
    ok.setState(named ? 1 : 0);
    ok.setPosition(300, 535);
    drawButton(ok);
    if (ok.isClicked()) {
        page = PAGE_TEAM_CHOICE;
        ++backgroundIndex;
    }
    GuiButton& cancel = buttons[BUTTON_CANCEL];
    cancel.setState(1);
    cancel.setPosition(460, 535);
    drawButton(cancel);
    if (cancel.isClicked()) {
        emptyField(typingBuffer);
        emptyField(firstNameField);
        emptyField(surnameField);
        typingBuffer.active = 0;
        barMode = BAR_ACTIVE;
        page = PAGE_START;
        menuState = MENU_IDLE;
        ++backgroundIndex;
    }
}

void Game::drawTeamChoicePage() {
    drawTitle(250, 140, "LÜTFEN LİG ve TAKIM SEÇİNİZ"_w);
    drawHints(TEAM_CHOICE_HINTS);
    const uint32_t face = textures[TEX_BUTTON];
    countryList.drawDropDownStar(face, 1, true, "Ülke"_w, 15, 20);
    leagueList.drawDropDownStar(face, 3, true, "Lig", 15, 20);
    teamList.drawDropDownStar(face, 2, true, "Takım"_w, 15, 20);

    GuiButton& ok = buttons[BUTTON_OK];
    ok.setState(1);
    ok.setPosition(860, 715);
    drawButton(ok);
    if (ok.isClicked()) page = PAGE_COMPLETION;
    GuiButton& cancel = buttons[BUTTON_CANCEL];
    cancel.setState(1);
    cancel.setPosition(700, 715);
    drawButton(cancel);
    if (cancel.isClicked()) {
        page = PAGE_REGISTRATION;
        ++backgroundIndex;
    }
}

void Game::drawCompletionStep() {
    buttons[BUTTON_ADD_MANAGER].setState(0);
    buttons[BUTTON_TACTICS].setState(1);
    buttons[BUTTON_NEWS].setState(1);
    typingBuffer.active = 0;
    emptyField(typingBuffer);

    if (calendar)
        mailbox.addDateNotice(calendar->day, calendar->month, calendar->year, calendar->weekday);
    chosenTeam = teamList.selected;
    char team[TEAM_NAME_SIZE] = {};
    if (const TeamRecord* record = chosenTeamRecord()) {
        const std::string_view name = fixed_text::view(record->name, sizeof team - 1);
        std::snprintf(team, sizeof team, "%.*s", int(name.size()), name.data());
    }
    const char* first = firstNameField.displayBuffer;
    const char* last = surnameField.displayBuffer;
    mailbox.addNewManagerNews(team, first, last, chosenTeam == 1 ? 1 : 0);
    std::snprintf(title, sizeof title, "%s %s", first, last);

    std::snprintf(profile.firstName, sizeof profile.firstName, "%s", first);
    std::snprintf(profile.surname, sizeof profile.surname, "%s", last);
    profile.birthDay = daySpinner.value;
    profile.birthMonth = monthList.selected + 1;
    profile.birthYear = yearSpinner.value;

    menuState = MENU_IDLE;
    barMode = BAR_ACTIVE;
    page = PAGE_NEWS;
}
