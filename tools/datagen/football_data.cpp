#include "tools/datagen/football_data.h"

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "database/calendar_data.h"
#include "database/fixed_text.h"
#include "database/player_database.h"
#include "database/team_database.h"
#include "text/cp1254.h"
#include "tools/datagen/seeded_random.h"

namespace footballdata {
namespace {

constexpr const char* FIRST_NAMES[] = {
    "Ahmet"_w,    "Mehmet"_w, "Mustafa"_w, "Ali"_w,    "Hüseyin"_w, "Hasan"_w,   "İbrahim"_w,
    "İsmail"_w,   "Osman"_w,  "Yusuf"_w,   "Murat"_w,  "Ömer"_w,    "Ramazan"_w, "Halil"_w,
    "Süleyman"_w, "Kadir"_w,  "Fatih"_w,   "Emre"_w,   "Burak"_w,   "Serkan"_w,  "Volkan"_w,
    "Tolga"_w,    "Tuncay"_w, "Selçuk"_w,  "Okan"_w,   "Caner"_w,   "Gökhan"_w,  "Hakan"_w,
    "Erkan"_w,    "Ercan"_w,  "Cüneyt"_w,  "Barış"_w,  "Uğur"_w,    "Oğuz"_w,    "Cem"_w,
    "Kerem"_w,    "Engin"_w,  "Onur"_w,    "Sinan"_w,  "Yasin"_w,   "Çağlar"_w,  "Ümit"_w,
    "Özgür"_w,    "Tayfun"_w, "Deniz"_w,   "Serdar"_w, "Taner"_w,   "Levent"_w,  "Sedat"_w,
    "Şükrü"_w,    "Gürkan"_w, "Ferhat"_w,  "Koray"_w,  "Erhan"_w,   "Alper"_w,   "Bülent"_w,
    "Doğan"_w,    "Ilgaz"_w,  "Kaan"_w,    "Taylan"_w,
};

constexpr const char* SURNAMES[] = {
    "Yılmaz"_w, "Kaya"_w,    "Demir"_w,   "Şahin"_w,    "Çelik"_w,  "Yıldız"_w,  "Yıldırım"_w,
    "Öztürk"_w, "Aydın"_w,   "Özdemir"_w, "Arslan"_w,   "Doğru"_w,  "Kılıç"_w,   "Aslan"_w,
    "Çetin"_w,  "Karahan"_w, "Koç"_w,     "Kurt"_w,     "Özkan"_w,  "Şimşek"_w,  "Polat"_w,
    "Özcan"_w,  "Korkmaz"_w, "Çakır"_w,   "Erdal"_w,    "Yavuz"_w,  "Canbaz"_w,  "Acar"_w,
    "Şen"_w,    "Aktaş"_w,   "Güler"_w,   "Yalçın"_w,   "Güneş"_w,  "Bozkurt"_w, "Bulut"_w,
    "Keskin"_w, "Ünal"_w,    "Turan"_w,   "Gül"_w,      "Özer"_w,   "Işık"_w,    "Kaplan"_w,
    "Avcı"_w,   "Sarıgül"_w, "Tekin"_w,   "Taşdemir"_w, "Köse"_w,   "Yüksel"_w,  "Ateş"_w,
    "Aksoy"_w,  "Karataş"_w, "Ekinci"_w,  "Uysal"_w,    "Tunalı"_w, "Soylu"_w,   "Duman"_w,
    "Coşkun"_w, "Erdem"_w,   "Akın"_w,    "Toprak"_w,
};

constexpr const char* CITIES[] = {
    "İstanbul"_w,  "Ankara"_w,  "İzmir"_w,   "Bursa"_w,     "Adana"_w,   "Trabzon"_w,
    "Zonguldak"_w, "Konya"_w,   "Samsun"_w,  "Eskişehir"_w, "Antalya"_w, "Kayseri"_w,
    "Gaziantep"_w, "Denizli"_w, "Malatya"_w, "Sivas"_w,     "Rize"_w,    "Diyarbakır"_w,
    "Ordu"_w,      "Giresun"_w, "Bolu"_w,    "Manisa"_w,    "Aydın"_w,   "Mersin"_w,
    "Hatay"_w,     "Erzurum"_w, "Kocaeli"_w, "Sakarya"_w,   "Tokat"_w,   "Kastamonu"_w,
};

struct Origin {
    const char* country;
    const char* language;
    const char* city;
    const char* firstNames[6];
    const char* surnames[6];
};

// Where the few foreign players come from; names without letters the code page lacks.
constexpr Origin FOREIGN[] = {
    {"Brezilya",
     "Portekizce",
     "Belo Horizonte",
     {"Tiago", "Rodrigo", "Fabiano", "Leandro", "Wellington", "Anderson"},
     {"Ferreira", "Almeida", "Barbosa", "Rocha", "Nogueira", "Teixeira"}},
    {"Nijerya",
     "İngilizce"_w,
     "Lagos",
     {"Chinedu", "Emeka", "Obinna", "Tunde", "Sunday", "Ifeanyi"},
     {"Okafor", "Eze", "Adeyemi", "Nwosu", "Balogun", "Okonkwo"}},
    {"Sırbistan"_w,
     "Sırpça"_w,
     "Novi Sad",
     {"Nemanja", "Dragan", "Milan", "Zoran", "Bojan", "Goran"},
     {"Petrovic", "Jovanovic", "Markovic", "Ilic", "Lazarevic", "Nikolic"}},
    {"Romanya",
     "Rumence",
     "Timisoara",
     {"Bogdan", "Florin", "Cosmin", "Adrian", "Marius", "Sorin"},
     {"Popescu", "Ionescu", "Dumitru", "Stoica", "Radu", "Munteanu"}},
    {"Kamerun",
     "Fransızca"_w,
     "Douala",
     {"Jean", "Serge", "Alain", "Hervé"_w, "Thierry", "Didier"},
     {"Mbida", "Essomba", "Ngono", "Abega", "Etoundi", "Manga"}},
    {"Almanya",
     "Almanca",
     "Dortmund",
     {"Jens", "Sven", "Tobias", "Marco", "Dirk", "Lars"},
     {"Schröder"_w, "Becker", "Hoffmann", "Krüger"_w, "Lehmann", "Wagner"}},
    {"Gürcistan"_w,
     "Gürcüce"_w,
     "Tiflis",
     {"Giorgi", "Levan", "Zurab", "Davit", "Irakli", "Lasha"},
     {"Beridze", "Kapanadze", "Gelashvili", "Tsiklauri", "Lomidze", "Abashidze"}},
};

struct Club {
    const char* name;
    int cityIndex; // into CITIES: where most of its own players were born
    int strength;  // the squad's typical attribute value
};

constexpr Club CLUBS[CLUB_COUNT] = {
    {"Zonguldak Güçü"_w, 6, 11},
    {"Boğaziçi Belediyespor"_w, 0, 14},
    {"Ankara Yıldızspor"_w, 1, 13},
    {"İzmir Körfez Gücü"_w, 2, 13},
    {"Bursa Uludağspor"_w, 3, 12},
    {"Trabzon Karadenizspor"_w, 5, 13},
    {"Antalya Akdeniz Gençlik"_w, 10, 11},
    {"Konya Selçukspor"_w, 7, 11},
    {"Adana Seyhan Belediyespor"_w, 4, 10},
    {"Eskişehir Porsukspor"_w, 9, 12},
    {"Samsun Canik Gücü"_w, 8, 10},
    {"Kayseri Erciyes Gücü"_w, 11, 11},
    {"Gaziantep Şahinbeyspor"_w, 12, 12},
    {"Denizli Pamukkale Belediyespor"_w, 13, 10},
    {"Malatya Beydağıspor"_w, 14, 9},
    {"Sivas Kızılırmakspor"_w, 15, 10},
    {"Rize Kaçkarspor"_w, 16, 9},
    {"Diyarbakır Dicle Gücü"_w, 17, 9},
};

enum Role { GOALKEEPER, DEFENDER, MIDFIELDER, FORWARD, ROLE_COUNT };

// A squad place: its role, its main position and the positions it may also play.
struct SquadPlace {
    Role role;
    int32_t primary;
    int32_t extras[3];
    int extraCount;
};

constexpr SquadPlace SQUAD_PLACES[SQUAD_SIZE] = {
    {GOALKEEPER, 0, {}, 0},       {GOALKEEPER, 0, {}, 0},
    {GOALKEEPER, 0, {}, 0},       {DEFENDER, 1, {5, 13}, 2},
    {DEFENDER, 1, {3}, 1},        {DEFENDER, 2, {4, 11}, 2},
    {DEFENDER, 2, {3}, 1},        {DEFENDER, 3, {15}, 1},
    {DEFENDER, 3, {1}, 1},        {DEFENDER, 3, {2, 15}, 2},
    {DEFENDER, 3, {}, 0},         {MIDFIELDER, 4, {10, 2}, 2},
    {MIDFIELDER, 5, {12, 1}, 2},  {MIDFIELDER, 6, {15, 14}, 2},
    {MIDFIELDER, 6, {14, 10}, 2}, {MIDFIELDER, 15, {6, 11, 13}, 3},
    {MIDFIELDER, 14, {6, 9}, 2},  {MIDFIELDER, 11, {4, 15}, 2},
    {MIDFIELDER, 12, {5, 7}, 2},  {FORWARD, 9, {14}, 1},
    {FORWARD, 9, {7, 8}, 2},      {FORWARD, 9, {}, 0},
    {FORWARD, 7, {12, 5}, 2},     {FORWARD, 8, {10, 4}, 2},
    {FORWARD, 9, {8}, 1},
};

// Offsets from the player's level, per role, in field order of each attribute block.
constexpr int TECHNICAL_SHAPE[ROLE_COUNT][12] = {
    {-8, -6, -5, -6, -7, -3, -5, -4, -6, -7, -6, -2},
    {-5, -3, 3, 4, -1, 0, -3, -2, 4, -3, -3, 1},
    {0, 2, -1, 0, 2, 4, 0, 3, 1, 2, 2, -2},
    {5, 0, 2, -5, 0, 0, 2, 2, -4, 3, 2, -4},
};
constexpr int PHYSICAL_SHAPE[ROLE_COUNT][7] = {
    {-1, 0, 0, -3, -2, 2, 3},
    {1, 1, 3, 0, 0, 3, -1},
    {3, 1, 0, 1, 1, -1, 1},
    {0, 1, 1, 3, 3, 1, 2},
};
constexpr int MENTAL_SHAPE[ROLE_COUNT][12] = {
    {0, 2, 1, 4, -3, 0, 0, -6, -5, 0, 2, -5},
    {1, 3, 1, 4, 2, 0, 1, -3, -3, 1, 2, -3},
    {1, 0, 2, 0, 0, 1, 3, 1, 3, 3, 1, 2},
    {1, 0, 0, -2, 0, 0, 0, 4, 2, 0, 2, 3},
};

constexpr const char* WEEKDAYS[7] = {
    "Pazartesi"_w, "Salı"_w, "Çarşamba"_w, "Perşembe"_w, "Cuma"_w, "Cumartesi"_w, "Pazar"_w,
};

constexpr int FIRST_BIRTH_YEAR = 1968;
constexpr int LAST_BIRTH_YEAR = 1988;

template <class T, std::size_t N> const T& pick(SeededRandom& rng, const T (&items)[N]) {
    return items[rng.below(int(N))];
}

int clampAttribute(int v) {
    return v < 1 ? 1 : v > 20 ? 20 : v;
}

template <std::size_t N, class Block>
void fillBlock(Block& block, const int (&shape)[N], int level, SeededRandom& rng) {
    int32_t values[N];
    for (std::size_t i = 0; i < N; ++i)
        values[i] = clampAttribute(level + shape[i] + rng.between(-2, 2));
    static_assert(sizeof values <= sizeof block);
    std::memcpy(&block, values, sizeof values);
}

bool isLeftSide(int32_t position) {
    return position == 2 || position == 4 || position == 8 || position == 10 || position == 11;
}

int daysInMonth(int year, int month) {
    constexpr int DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : DAYS[month - 1];
}

void setText(char* field, const char* text) {
    fixed_text::assign(field, PLAYER_TEXT_SIZE, text, PLAYER_TEXT_CHARS);
}

// One player of the given squad place and level; homeCity is where a local player was born.
void makePlayer(PlayerRecord& r, const SquadPlace& place, int level, int homeCity,
                SeededRandom& rng) {
    if (rng.below(100) < 12) {
        const Origin& o = pick(rng, FOREIGN);
        setText(r.name, pick(rng, o.firstNames));
        setText(r.surname, pick(rng, o.surnames));
        setText(r.country, o.country);
        setText(r.language, o.language);
        setText(r.birthplace, o.city);
    } else {
        setText(r.name, pick(rng, FIRST_NAMES));
        setText(r.surname, pick(rng, SURNAMES));
        setText(r.country, "Türkiye"_w);
        setText(r.language, "Türkçe"_w);
        setText(r.birthplace, rng.below(100) < 40 ? CITIES[homeCity] : pick(rng, CITIES));
    }
    r.birth_year = rng.between(FIRST_BIRTH_YEAR, LAST_BIRTH_YEAR);
    r.birth_month = rng.between(1, 12);
    r.birth_day = rng.between(1, daysInMonth(r.birth_year, r.birth_month));
    // Players under twenty have not reached their level yet.
    if (r.birth_year > LAST_BIRTH_YEAR - 4) level -= r.birth_year - (LAST_BIRTH_YEAR - 4);

    fillBlock(r.technical, TECHNICAL_SHAPE[place.role], level, rng);
    fillBlock(r.physical, PHYSICAL_SHAPE[place.role], level, rng);
    fillBlock(r.mental, MENTAL_SHAPE[place.role], level, rng);
    r.physical.goalkeeping = place.role == GOALKEEPER
                                 ? clampAttribute(level + 5 + rng.between(-1, 3))
                                 : rng.between(1, 4);
    const int foot = rng.below(100);
    const bool leftSide = isLeftSide(place.primary);
    r.physical.preferred_foot = foot < 8                        ? FOOT_BOTH
                                : (foot < (leftSide ? 75 : 20)) ? FOOT_LEFT
                                                                : FOOT_RIGHT;

    r.position = PositionBlock{1, {place.primary, 0, 0, 0, 0}};
    for (int i = 0; i < place.extraCount; ++i)
        if (rng.below(100) < 60)
            r.position.positions[r.position.position_count++] = place.extras[i];
}

bool complain(const std::filesystem::path& path) {
    std::fprintf(stderr, "menajer-datagen: cannot write %s\n", path.c_str());
    return false;
}

} // namespace

int weekdayIndex(int year, int month, int day) {
    // Sakamoto's method gives 0 for Sunday.
    static constexpr int MONTH_OFFSET[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    const int sundayBased =
        (year + year / 4 - year / 100 + year / 400 + MONTH_OFFSET[month - 1] + day) % 7;
    return (sundayBased + 6) % 7;
}

bool writeDemoDatabase(const std::filesystem::path& folder) {
    SeededRandom rng(0x5A4F4E47554C44ull);
    PlayerDatabase players;
    TeamDatabase teams;
    if (!players.init() || !teams.resize(CLUB_COUNT)) {
        std::fprintf(stderr, "menajer-datagen: out of memory\n");
        return false;
    }
    std::set<std::string> taken; // no two players share a full name
    for (int c = 0; c < CLUB_COUNT; ++c) {
        TeamRecord& team = teams.records[c];
        std::memset(&team, 0, sizeof team);
        std::strcpy(team.name, CLUBS[c].name);
        team.squad_size = SQUAD_SIZE;
        for (int p = 0; p < SQUAD_SIZE; ++p) {
            const int32_t id = players.playerCount();
            players.append(PlayerRecord{});
            PlayerRecord& r = *players.record(id);
            const int level = CLUBS[c].strength + rng.between(-3, 3);
            do
                makePlayer(r, SQUAD_PLACES[p], level, CLUBS[c].cityIndex, rng);
            while (!taken.insert(std::string(r.name) + ' ' + r.surname).second);
            team.squad[p] = id;
        }
    }
    const std::filesystem::path playerPath = folder / "oyuncu.odt";
    const std::filesystem::path teamPath = folder / "takim.tdt";
    if (!players.write(playerPath.c_str())) return complain(playerPath);
    if (!teams.write(teamPath.c_str())) return complain(teamPath);
    return writeSeasonCalendar(folder / "tarih.trh", SEASON_FIRST_YEAR);
}

bool writeSeasonCalendar(const std::filesystem::path& path, int firstYear) {
    CalendarData calendar;
    if (!calendar.resize(SEASON_MONTHS)) return complain(path);
    for (int m = 0; m < SEASON_MONTHS; ++m) {
        CalendarMonth& month = calendar.months[m];
        const int zeroBased = SEASON_FIRST_MONTH - 1 + m;
        month.year = firstYear + zeroBased / 12;
        month.month = zeroBased % 12 + 1;
        const int days = daysInMonth(month.year, month.month);
        for (int d = 1; d <= days; ++d) {
            month.days[d - 1].day = d;
            std::strcpy(month.days[d - 1].weekday,
                        WEEKDAYS[weekdayIndex(month.year, month.month, d)]);
        }
    }
    return calendar.write(path.c_str()) || complain(path);
}

bool writePlayerFile(const char* path, int32_t count) {
    if (count < 0 || count > PLAYER_CAPACITY) {
        std::fprintf(stderr, "menajer-datagen: a player file holds 0 to %d players\n",
                     PLAYER_CAPACITY);
        return false;
    }
    SeededRandom rng(0x42454E4348ull);
    PlayerDatabase players;
    if (!players.init()) {
        std::fprintf(stderr, "menajer-datagen: out of memory\n");
        return false;
    }
    for (int32_t id = 0; id < count; ++id) {
        players.append(PlayerRecord{});
        const Club& club = CLUBS[id / SQUAD_SIZE % CLUB_COUNT];
        makePlayer(*players.record(id), SQUAD_PLACES[id % SQUAD_SIZE],
                   club.strength + rng.between(-3, 3), club.cityIndex, rng);
    }
    return players.write(path) || complain(path);
}

bool writeTeamFile(const char* path, int32_t count) {
    if (count < 0 || count > MAX_TEAMS) {
        std::fprintf(stderr, "menajer-datagen: a team file here holds 0 to %d clubs\n", MAX_TEAMS);
        return false;
    }
    TeamDatabase teams;
    if (!teams.resize(count)) {
        std::fprintf(stderr, "menajer-datagen: out of memory\n");
        return false;
    }
    // Squads of 25 over a player file of 100000, as `--players 100000` writes it.
    for (int32_t c = 0; c < count; ++c) {
        TeamRecord& team = teams.records[c];
        std::snprintf(team.name, sizeof team.name, "%s %d", CLUBS[c % CLUB_COUNT].name,
                      c / CLUB_COUNT + 1);
        team.squad_size = SQUAD_SIZE;
        for (int p = 0; p < SQUAD_SIZE; ++p)
            team.squad[p] = (c * SQUAD_SIZE + p) % PLAYER_CAPACITY;
    }
    return teams.write(path) || complain(path);
}

} // namespace footballdata
