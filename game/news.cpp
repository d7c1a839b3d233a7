#include <cstdio>
#include <cstring>

#include "game/mailbox.h"
#include "text/cp1254.h"

namespace {

constexpr int LINES = 12;

const char* const INTRODUCTION[LINES] = {
    "Zendor : Oyun Yapim Grubu",
    "   Zendor, 2001 yılında üç arkadaşın bir yurt odasında kurduğu küçük bir gruptur."_w,
    "   İlk oyunumuz olan \"Kule Savunması\" okul bilgisayarlarında çok sevildi."_w,
    "   Grubun kurucuları Kerem Aydoğdu, Selin Yavuzer ve Onur Tekinalp'tir."_w,
    "   Müzik ve sesleri Deniz Karaçam hazırlıyor."_w,
    "",
    "   Diğer projelerimiz:"_w,
    "      - Boğaz Yarışı : sahil yollarında araba yarışı"_w,
    "      - Kayıp Kervan : İpek Yolu'nda geçen bir macera oyunu"_w,
    "      - Zirvegol : elinizdeki menajerlik oyunu"_w,
    "",
    "   Görüş ve önerilerinizi sitemizdeki forumdan bize iletebilirsiniz."_w,
};

} // namespace

bool Mailbox::addNewManagerNews(const char* team, const char* firstName, const char* surname,
                                int32_t variant) {
    char(&title)[COMPOSE_SIZE] = compose[0];
    const char* lines[LINES] = {};
    if (variant == 0) {
        std::snprintf(title, COMPOSE_SIZE, "%s Takımının Yeni Menajeri Belli Oldu........."_w,
                      team);
        std::snprintf(compose[1], COMPOSE_SIZE,
                      "   %s takımının adını sır gibi sakladıgı yeni menajeri belli oldu."_w, team);
        std::snprintf(compose[2], COMPOSE_SIZE, "%s %s göreve getirildi."_w, firstName, surname);
        std::snprintf(compose[3], COMPOSE_SIZE,
                      "   Yönetim ise %s gibi teçrübesiz ama umut vaadeden hocaların"_w, surname);
        const char* body[8] = {
            compose[1],
            "   Menajerlik görevine yeni başlamış olan teçrübesiz"_w,
            compose[2],
            "   Taraftar tecrübesiz bir hocanın bir şey yapamayacagına inaniyor."_w,
            "   Taraftarlar bu durumdan mutsuz olduğunu belirttiler."_w,
            "",
            compose[3],
            "başarılı olacagi konusunda hiç bir şüphesi olmadıgını belirtti."_w,
        };
        std::memcpy(lines, body, sizeof body);
        return list.addMail(title, 8, lines);
    }
    if (variant == 1) {
        std::snprintf(title, COMPOSE_SIZE, "%s Takımının Yeni Menajeri Belli Oldu........."_w,
                      team);
        std::snprintf(compose[1], COMPOSE_SIZE,
                      "   Yönetim %s %s adlı kisiyi göreve getirdiğini acikladi."_w, firstName,
                      surname);
        std::snprintf(compose[2], COMPOSE_SIZE,
                      "   Yönetim %s takiminin Ligde orta sıraları ve Türkiye kupasında"_w, team);
        const char* body[8] = {
            compose[1],
            "",
            "   Taraftarlar tüm güçlüklere rağmen bu tanınmamış hocanın"_w,
            "göreve getirlmesinden dolayi mutsuz."_w,
            "",
            "",
            compose[2],
            "final oynamak istediklerini belirtti.",
        };
        std::memcpy(lines, body, sizeof body);
        return list.addMail(title, 8, lines);
    }
    std::snprintf(title, COMPOSE_SIZE, "%s Takiminin Yeni Menajeri Belli Oldu.........", team);
    std::snprintf(compose[1], COMPOSE_SIZE, "   %s Takımının  yeni menajeri %s %s adlı kisioldu."_w,
                  team, firstName, surname);
    const char* body[5] = {
        compose[1],
        "",
        "   Taraftarlar teçrübesiz hocanın göreve getirilmesinden dolayı kaygılı."_w,
        "",
        "   Yönetim bu sene küme düşmememk için gururla savaşmayı bekliyor."_w,
    };
    std::memcpy(lines, body, sizeof body);
    return list.addMail(title, 5, lines);
}

bool Mailbox::addDateNotice(int32_t day, int32_t month, int32_t year, const char* weekday) {
    std::snprintf(compose[3], COMPOSE_SIZE, "%s", weekday ? weekday : "");
    std::snprintf(compose[4], COMPOSE_SIZE, "Bugün : %d/%d/%d/%s"_w, int(day), int(month),
                  int(year), compose[3]);
    return list.addNotice(compose[4], compose[4], "");
}

bool Mailbox::addIntroductionMail() {
    return list.addMail("www.zendoroyunyapim.com.tr : Zendor Oyunları ve Projeleri"_w, LINES,
                        INTRODUCTION);
}
