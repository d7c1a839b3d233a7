#include "editor/attribute_form.h"

#include <cstring>
#include <string>

#include "database/fixed_text.h"
#include "database/player_database.h"
#include "editor/editor_ids.h"
#include "editor/editor_view.h"
#include "editor/field_text.h"
#include "text/cp1254.h"

namespace {

#define FIELD(block, member) offsetof(PlayerRecord, block.member)

const AttributeLayout LAYOUTS[ATTRIBUTE_KINDS] = {
    {"Teknik Ozellik"_w,
     "Oyuncu Teknik Ozellikleri"_w,
     "Asagida ismi soyismi ve id'siOyuncu icin teknik bilgiler :"_w,
     {"  Kaydet tusuna basmaz iseniz bilgiler kayit edilmez."_w, nullptr, nullptr},
     technical_ctl::SAVE,
     "Bilgileri Dataya Kaydet"_w,
     true,
     true,
     ctl::TECHNICAL,
     "Lutfen ilk once oyuncu sec tusuna basin.\nDaha dogrusu SEC tusu.\nDaha sonra secili oyuncu "
     "teknik ozelligi acilacaktir."_w,
     12,
     {{"Bitiricilik :"_w, nullptr, technical_ctl::FINISHING, technical_ctl::FINISHING_SPIN,
       FIELD(technical, finishing), 1, 20},
      {"Duran Toplar :"_w, nullptr, technical_ctl::SET_PIECES, technical_ctl::SET_PIECES_SPIN,
       FIELD(technical, set_pieces), 1, 20},
      {"Kafa :"_w, nullptr, technical_ctl::HEADING, technical_ctl::HEADING_SPIN,
       FIELD(technical, heading), 1, 20},
      {"Markaj :"_w, nullptr, technical_ctl::MARKING, technical_ctl::MARKING_SPIN,
       FIELD(technical, marking), 1, 20},
      {"Orta Yapma :"_w, nullptr, technical_ctl::CROSSING, technical_ctl::CROSSING_SPIN,
       FIELD(technical, crossing), 1, 20},
      {"Pas :"_w, nullptr, technical_ctl::PASSING, technical_ctl::PASSING_SPIN,
       FIELD(technical, passing), 1, 20},
      {"Penalti :"_w, nullptr, technical_ctl::PENALTIES, technical_ctl::PENALTIES_SPIN,
       FIELD(technical, penalties), 1, 20},
      {"Teknik :"_w, nullptr, technical_ctl::TECHNIQUE, technical_ctl::TECHNIQUE_SPIN,
       FIELD(technical, technique), 1, 20},
      {"Top Kapma :"_w, nullptr, technical_ctl::TACKLING, technical_ctl::TACKLING_SPIN,
       FIELD(technical, tackling), 1, 20},
      {"Top Surme :"_w, nullptr, technical_ctl::DRIBBLING, technical_ctl::DRIBBLING_SPIN,
       FIELD(technical, dribbling), 1, 20},
      {"Uzun Taclar :"_w, nullptr, technical_ctl::LONG_THROWS, technical_ctl::LONG_THROWS_SPIN,
       FIELD(technical, long_throws), 1, 20},
      {"Uzun Sut:"_w, nullptr, technical_ctl::LONG_SHOTS, technical_ctl::LONG_SHOTS_SPIN,
       FIELD(technical, long_shots), 1, 20}}},
    {"Fiziksel Özellik"_w,
     "Oyuncu Fiziksel Özellik"_w,
     "Asagida ismi soyismi ve id'siOyuncu icin fiziksel bilgiler :"_w,
     {"Tur : 1=Sag ayak , 2= Sol ayak  , 3=Her ikiside"_w, nullptr, nullptr},
     physical_ctl::SAVE,
     "Bilgileri DATAYA Kaydet"_w,
     false,
     true,
     ctl::PHYSICAL,
     "Lutfen ilk once oyuncu sec tusuna basin.\nDaha dogrusu SEC tusu.\nDaha sonra secili oyuncu "
     "Fiziksel ozelligi acilacaktir."_w,
     9,
     {{"Dayanıklılık "_w, nullptr, physical_ctl::STAMINA, physical_ctl::STAMINA_SPIN,
       FIELD(physical, stamina), 1, 20},
      {"Denge : "_w, nullptr, physical_ctl::BALANCE, physical_ctl::BALANCE_SPIN,
       FIELD(physical, balance), 1, 20},
      {"Güç :  "_w, nullptr, physical_ctl::STRENGTH, physical_ctl::STRENGTH_SPIN,
       FIELD(physical, strength), 1, 20},
      {"Hız : "_w, nullptr, physical_ctl::PACE, physical_ctl::PACE_SPIN, FIELD(physical, pace), 1,
       20},
      {"Hızlanma : "_w, nullptr, physical_ctl::ACCELERATION, physical_ctl::ACCELERATION_SPIN,
       FIELD(physical, acceleration), 1, 20},
      {"Zıplama :"_w, nullptr, physical_ctl::JUMPING, physical_ctl::JUMPING_SPIN,
       FIELD(physical, jumping), 1, 20},
      {"Çeviklik :"_w, nullptr, physical_ctl::AGILITY, physical_ctl::AGILITY_SPIN,
       FIELD(physical, agility), 1, 20},
      {"Kalecilik Puan :"_w, nullptr, physical_ctl::GOALKEEPING, physical_ctl::GOALKEEPING_SPIN,
       FIELD(physical, goalkeeping), 1, 20},
      {"Kullandigi Ayak :"_w, nullptr, physical_ctl::PREFERRED_FOOT,
       physical_ctl::PREFERRED_FOOT_SPIN, FIELD(physical, preferred_foot), 1, 3}}},
    {"Zihinsel Özellik"_w,
     "Zihinsel özellikler"_w,
     "Asagida ismi soyismi ve id'siOyuncu icin zihinsel bilgiler :"_w,
     {nullptr, nullptr, nullptr},
     mental_ctl::SAVE,
     "Bilgileri DATAYA Kaydet"_w,
     false,
     true,
     ctl::MENTAL,
     "Lutfen ilk once oyuncu sec tusuna basin.\nDaha dogrusu SEC tusu.\nDaha sonra secili oyuncu "
     "Zihinsel ozelligi acilacaktir."_w,
     12,
     {{"Azim :"_w, nullptr, mental_ctl::DETERMINATION, mental_ctl::DETERMINATION_SPIN,
       FIELD(mental, determination), 1, 20},
      {"Cesaret :"_w, nullptr, mental_ctl::BRAVERY, mental_ctl::BRAVERY_SPIN,
       FIELD(mental, bravery), 1, 20},
      {"Karar Verme :"_w, nullptr, mental_ctl::DECISIONS, mental_ctl::DECISIONS_SPIN,
       FIELD(mental, decisions), 1, 20},
      {"Pozisyon alma  :"_w, nullptr, mental_ctl::POSITIONING, mental_ctl::POSITIONING_SPIN,
       FIELD(mental, positioning), 1, 20},
      {"Saldırganlık :"_w, nullptr, mental_ctl::AGGRESSION, mental_ctl::AGGRESSION_SPIN,
       FIELD(mental, aggression), 1, 20},
      {"Söz Geçirme :"_w, nullptr, mental_ctl::INFLUENCE, mental_ctl::INFLUENCE_SPIN,
       FIELD(mental, influence), 1, 20},
      {"Takım Oyunu :"_w, nullptr, mental_ctl::TEAMWORK, mental_ctl::TEAMWORK_SPIN,
       FIELD(mental, teamwork), 1, 20},
      {"Topsuz Alan :"_w, nullptr, mental_ctl::OFF_THE_BALL, mental_ctl::OFF_THE_BALL_SPIN,
       FIELD(mental, off_the_ball), 1, 20},
      {"Yaratıcılık :"_w, nullptr, mental_ctl::CREATIVITY, mental_ctl::CREATIVITY_SPIN,
       FIELD(mental, creativity), 1, 20},
      {"Calışma Oranı :"_w, nullptr, mental_ctl::WORK_RATE, mental_ctl::WORK_RATE_SPIN,
       FIELD(mental, work_rate), 1, 20},
      {"Onceden Sezme :"_w, nullptr, mental_ctl::ANTICIPATION, mental_ctl::ANTICIPATION_SPIN,
       FIELD(mental, anticipation), 1, 20},
      {"Ozel yetenek :"_w, nullptr, mental_ctl::FLAIR, mental_ctl::FLAIR_SPIN, FIELD(mental, flair),
       1, 20}}},
    {"Oyuncu Ozel  Bilgiler"_w,
     "Oyuncu Ozel Bilgiler"_w,
     "Asagida ismi soyismi ve id'siOyuncu icin Ozel bilgiler :"_w,
     {"Oynadigi Pozisyon , Transfer bilgileri , Kisilik bilgileri , itibar  v.s. olacak"_w,
      "Type : 0 - kaleci  1- savunma sag 2- savunma sol 3- savunma orta 4-Orta saha sol 5-Orta "
      "saha sag 6- Orta saha orta 7-Forvet sag 8-Forvet sol 9-Forvet orta"_w,
      "10 -  ofansif orta saha  sol  11- defansif orta saha  sol  12- ofansif orta saha sag  "
      "13-defansif orta saha sag 14- ofansif orta saha orta 15- defansif orta saha orta"_w},
     detail_ctl::SAVE,
     "Bilgileri DATAYA Kaydet"_w,
     false,
     false,
     ctl::DETAIL,
     "Lutfen ilk once oyuncu sec tusuna basin.\nDaha dogrusu SEC tusu.\nDaha sonra secili oyuncu "
     "Oyuncu ozelligi acilacaktir."_w,
     6,
     {{"Oynadigi Pozisyon toplam:"_w, nullptr, detail_ctl::POSITION_COUNT, 0,
       FIELD(position, position_count), 0, POSITION_SLOTS},
      {"Oynadigi Poszisyon  :"_w, "1.", detail_ctl::POSITION1, 0, FIELD(position, positions[0]), 0,
       POSITION_CODES - 1},
      {"", "2.", detail_ctl::POSITION2, 0, FIELD(position, positions[1]), 0, POSITION_CODES - 1},
      {"", "3.", detail_ctl::POSITION3, 0, FIELD(position, positions[2]), 0, POSITION_CODES - 1},
      {"", "4", detail_ctl::POSITION4, 0, FIELD(position, positions[3]), 0, POSITION_CODES - 1},
      {"", "5", detail_ctl::POSITION5, 0, FIELD(position, positions[4]), 0, POSITION_CODES - 1}}},
};
#undef FIELD

int32_t fieldValue(const PlayerRecord& r, std::size_t offset) {
    int32_t v;
    std::memcpy(&v, reinterpret_cast<const char*>(&r) + offset, sizeof v);
    return v;
}

void setFieldValue(PlayerRecord& r, std::size_t offset, int32_t v) {
    std::memcpy(reinterpret_cast<char*>(&r) + offset, &v, sizeof v);
}

// A row as a message names it: its label without the colon, or "3. Pozisyon" for a slot.
std::string rowName(const AttributeLayout& l, int i) {
    const AttributeRow& row = l.rows[i];
    std::string name = row.box ? std::string(row.box) : std::string(row.label);
    while (!name.empty() && (name.back() == ' ' || name.back() == ':' || name.back() == '.'))
        name.pop_back();
    return row.box ? name + ". Pozisyon" : name;
}

} // namespace

const PresetButton PRESET_BUTTONS[5] = {{preset_ctl::TERRIBLE, "Berbat"},
                                        {preset_ctl::PASSABLE, "idare eder"},
                                        {preset_ctl::NORMAL, "normal"},
                                        {preset_ctl::GOOD, "iyi"},
                                        {preset_ctl::SUPERB, "super adam"}};

const AttributeLayout& attributeLayout(AttributeKind kind) {
    return LAYOUTS[int(kind)];
}

void AttributeForm::open(DialogView& view) {
    const PlayerRecord* r = db.record(db.selected);
    if (!r) return;
    const std::string name(fixed_text::view(r->name, sizeof r->name));
    const std::string surname(fixed_text::view(r->surname, sizeof r->surname));
    view.setText(ctl::HEADER, field_text::formatCp1254("Oyuncu adi :: %s  Soyad :: %s id:: %d",
                                                       name.c_str(), surname.c_str(), db.selected));
    const AttributeLayout& l = layout();
    for (int i = 0; i < l.rowCount; ++i) {
        const AttributeRow& row = l.rows[i];
        if (row.spin) view.setSpinRange(row.spin, row.lo, row.hi);
        view.setText(row.edit, Utf8(std::to_string(fieldValue(*r, row.offset))));
    }
}

void AttributeForm::save(DialogView& view) {
    PlayerRecord* r = db.record(db.selected);
    if (!r) return;
    const AttributeLayout& l = layout();
    int32_t values[MAX_ATTRIBUTE_ROWS];
    for (int i = 0; i < l.rowCount; ++i) {
        const AttributeRow& row = l.rows[i];
        values[i] = field_text::leadingNumber(view.typed(row.edit).bytes());
        // The game and the file checker take nothing outside the field's range: refuse the
        // whole save rather than store half of it.
        if (values[i] < row.lo || values[i] > row.hi) {
            view.message(MessageStyle::NOTE_WARNING,
                         field_text::formatCp1254(
                             "%s alani %d ile %d arasinda olmali!\nBilgiler kaydedilmedi.",
                             rowName(l, i).c_str(), row.lo, row.hi));
            return;
        }
    }
    for (int i = 0; i < l.rowCount; ++i)
        setFieldValue(*r, l.rows[i].offset, values[i]);
}

bool AttributeForm::close(DialogView& view) {
    return view.message(MessageStyle::ASK_WARNING,
                        field_text::formatCp1254("%s", "Kayit yaptiginizdan emin misiniz?\nPencere "
                                                       "kapatilacak!!!!!."_w));
}
