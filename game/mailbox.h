// The in-game mail service: the mail list, the compose buffers and the new-mail indicator.
#pragma once

#include <cstdint>

#include "engine/timing.h"
#include "game/mail_list.h"

class Mailbox {
public:
    static constexpr int COMPOSE_BUFFERS = 10;
    static constexpr int COMPOSE_SIZE = 250;

    Mailbox() = default;
    virtual ~Mailbox() = default;

    // The list at its place (reading `input`), the indicator white and steady, its hot area.
    void init(const InputSystem& input);

    // The news of a new manager in one of three wordings (any variant but 0 and 1 is 2).
    bool addNewManagerNews(const char* team, const char* firstName, const char* surname,
                           int32_t variant);
    // "Bugün : d/m/y/weekday" as a notice (counted as read).
    bool addDateNotice(int32_t day, int32_t month, int32_t year, const char* weekday);
    // The maker group's introduction, twelve lines.
    bool addIntroductionMail();

    MailList list;
    char compose[COMPOSE_BUFFERS][COMPOSE_SIZE] = {};
    IntervalTimer indicatorTimer;
    uint8_t indicatorColor[3] = {255, 255, 255};
    uint8_t indicatorPhase = 0;
    float hotX = 20;
    float hotY = 0;
    float hotWidth = 170;
    float hotHeight = 18;
};
