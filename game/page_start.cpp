#include "game/game.h"
#include "render/bitmap_font.h"
#include "text/cp1254.h"

namespace {

struct Line {
    float x, y;
    const char* text;
};

const Line START_LINES[] = {
    {80, 190, " Zendor Tarafindan hazirlanan Menajerlik oyunu DEMO versiyonu"},
    {80, 210,
     " Oyunu Oynamak için OYUN SEÇENEKLERİ->MENAJER EKLE tuşuna basarak başliyabilirsiniz."_w},
    {80, 250, " Oyun Hakkindaki Düşünçelerinizi bize mail ile iletebilirsiniz."_w},
    {100, 290, "www.zendoroyunyapim.com.tr   Oyun Yapim Grubu"},
    {100, 350, "Destek Olan Kuruluş ve Siteler:"_w},
    {100, 410, "www.XXXXXXXXXX.com   www.XXXXXXX.net   www.XXXXXXXXXXXX.org"},
    {80, 530, "  UYARI : İlk açılışta bütün tuşlar pasif açılır."_w},
    {80, 550, "Aktif hale getirmek için menajer eklemelisiniz."_w},
    {80, 570, "Üst menuleri acik halde iken kapatmak için Mouse ile ters tiklamaniz yeterli."_w},
    {80, 590, ""},
    {80, 610, "Bu sadece oyunu tanıtım amaçlı bir versiyondur."_w},
};

const Line ABOUT_LINES[] = {
    {80, 190, " Zendor Tarafindan hazirlanan Menajerlik oyunu DEMO versiyonu"},
    {80, 230, " Oyun Hakkindaki Düşünçelerinizi bize mail ile iletebilirsiniz."_w},
    {100, 250, "www.zendoroyunyapim.com.tr   Oyun Yapim Grubu"},
    {100, 290, "Destek Olan Kuruluş ve Siteler:"_w},
    {100, 350, "www.XXXXXXXXXX.com   www.XXXXXXX.net   www.XXXXXXXXXXXX.org"},
    {100, 410, "Zendor Çalışanları ve Emeği Geçenler : "_w},
    {100, 450, "Kerem Aydoğdu (Kartal) : Zendor Kurucusu, Motor ve Oyun Programcısı"_w},
    {100, 470, "Selin Yavuzer (Piksel) : Zendor Tasarımcı ve Grafiker"_w},
    {100, 490, "Onur Tekinalp (Webci) : Zendor Grafiker ve Webmaster"_w},
    {100, 510, "Deniz Karaçam (Nota) : Zendor Müzik ve Ses Düzenleyici"_w},
    {100, 530, ""},
    {100, 610, "Özel Teşekkurler: "_w},
    {100, 630,
     "www.golsesi-forum.net | www.menajerlerkulubu.org | www.sahakenari.net | "
     "www.oyunatolyesi.org"_w},
    {100, 650, "Oyunu sabırla test eden Burak Ilgaz (Hakem)'a"_w},
    {100, 670, "ve Emeği Geçen herkese...."_w},
};

template <size_t N> void drawLines(const Line (&lines)[N]) {
    bitmapFont.drawColoredText(350, 140, "ZIRVEGOL MENAJER", 1, 0.0f, 200, 200, 200, 1);
    for (const Line& line : lines)
        bitmapFont.drawText(line.x, line.y, 0, 0.2f, line.text);
}

} // namespace

void Game::drawStartPage() {
    drawLines(START_LINES);
}

void Game::drawAboutPage() {
    drawLines(ABOUT_LINES);
}
