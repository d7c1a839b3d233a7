#include <cstdio>

#include "game/game.h"
#include "input/hit_rect.h"
#include "input/input_system.h"
#include "render/bitmap_font.h"
#include "text/cp1254.h"

namespace {

constexpr int32_t MAIL_ROWS = 12;
constexpr int INDICATOR_BLINK_RATE = 5;

bool pressed(const InputSystem* input, KeyCode key) {
    return input && input->keyState(key) == KEY_PRESSED;
}

} // namespace

void Game::drawNewsPage() {
    buttons[BUTTON_NEWS].setState(1);
    bitmapFont.drawColoredText(350, 140, "HABERLER", 1, 0, 200, 200, 200, 1);
    MailList& mails = mailbox.list;
    if (pressed(input, KEY_DOWN_ARROW)) mails.selectNext(MAIL_ROWS);
    if (pressed(input, KEY_UP_ARROW)) mails.selectPrevious(MAIL_ROWS);
    if (pressed(input, KEY_SPACE)) mails.selectNext(MAIL_ROWS);
    mails.interactive = menuState == MENU_IDLE ? 1 : 0;
    mails.drawMailList(textures[TEX_BUTTON_HOVER], textures[TEX_MAIL_UNREAD],
                       textures[TEX_MAIL_READ], textures[TEX_PANEL], MAIL_ROWS, true,
                       "Elektronik Posta Servisi ", 15, 20);

    static int32_t newsVariant = 0;
    if (pressed(input, KEY_F1)) mailbox.addIntroductionMail();
    if (pressed(input, KEY_F2)) {
        mailbox.addNewManagerNews("Zonguldak Güçü"_w, "Deneme", "Menajer", newsVariant);
        newsVariant = (newsVariant + 1) % 3;
    }
    if (pressed(input, KEY_F3)) mailbox.addDateNotice(11, 9, 2004, "Cumartesi");
    if (pressed(input, KEY_F4)) mails.reset();
    bitmapFont.drawColoredText(255, 105, "Mail Atmak icin F1-F2-F3", 0, 0, 250, 250, 250, 255);
    bitmapFont.drawColoredText(20, 105, "Reset-F4", 0, 0, 250, 250, 250, 255);
}

void Game::drawMailIndicator(float x, float y) {
    MailList& mails = mailbox.list;
    if (mails.previousUnreadTally <= 0) return;
    HitRect hot;
    hot.setRect(mailbox.hotX, mailbox.hotY, mailbox.hotWidth, mailbox.hotHeight);
    if (input && hot.hitTest(*input) == HIT_CLICKED) {
        menuState = MENU_IDLE;
        page = PAGE_NEWS;
        barMode = BAR_ACTIVE; // else the headers look active but stay deaf after the exit box
    }
    if (mailbox.indicatorTimer.tick(INDICATOR_BLINK_RATE)) {
        uint8_t* c = mailbox.indicatorColor;
        c[0] = 255;
        if (mailbox.indicatorPhase == 1) {
            mailbox.indicatorPhase = 0;
            c[1] = c[2] = 250;
        } else {
            c[1] = c[2] = 0;
            mailbox.indicatorPhase = 1;
        }
    }
    char text[40];
    std::snprintf(text, sizeof text, "Yeni Mail Var(%d)", int(mails.previousUnreadTally));
    const uint8_t* c = mailbox.indicatorColor;
    bitmapFont.drawColoredText(x + 15, y + 10, text, 0, 0.1f, c[0], c[1], c[2], 255);
}
