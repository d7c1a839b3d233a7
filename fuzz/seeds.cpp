// fuzz_seeds SEEDS [VERI]: writes small hand-made files of every kind the readers take into
// SEEDS/<target>/, then copies the data set's files in VERI beside them by extension.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <jpeglib.h>

#include "database/calendar_data.h"
#include "database/player_database.h"
#include "database/team_database.h"
#include "tools/odt/odt.h"

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace {

fs::path seeds;
bool ok = true;

void put(Bytes& b, uint32_t v, int size) {
    for (int i = 0; i < size; ++i)
        b.push_back(uint8_t(v >> (8 * i)));
}

void save(const char* target, const char* name, const Bytes& bytes) {
    const fs::path path = seeds / target / name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() ||
        std::fclose(f) != 0) {
        std::fprintf(stderr, "fuzz_seeds: cannot write %s\n", path.c_str());
        ok = false;
    }
}

void saveText(const char* target, const char* name, const std::string& text) {
    save(target, name, Bytes(text.begin(), text.end()));
}

void databases() {
    PlayerDatabase players;
    players.init();
    ok = players.write((seeds / "players" / "empty.odt").c_str()) && ok;
    PlayerRecord r{};
    for (int i = 0; i < 3; ++i) {
        std::snprintf(r.name, sizeof r.name, "Oyuncu%d", i);
        std::snprintf(r.surname, sizeof r.surname, "Soyad%d", i);
        players.append(r);
    }
    ok = players.write((seeds / "players" / "three.odt").c_str()) && ok;

    TeamDatabase teams;
    teams.resize(2);
    std::snprintf(teams.records[0].name, TEAM_NAME_SIZE, "Takim A");
    teams.records[0].squad_size = 3;
    for (int i = 0; i < 3; ++i)
        teams.records[0].squad[i] = i;
    std::snprintf(teams.records[1].name, TEAM_NAME_SIZE, "Takim B");
    ok = teams.write((seeds / "teams" / "two.tdt").c_str()) && ok;

    CalendarData calendar;
    calendar.resize(2);
    for (int m = 0; m < 2; ++m) {
        calendar.months[m].month = 8 + m;
        calendar.months[m].year = 2004;
        for (int d = 0; d < CALENDAR_DAY_SLOTS; ++d) {
            calendar.months[m].days[d].day = d + 1;
            std::snprintf(calendar.months[m].days[d].weekday, CALENDAR_WEEKDAY_SIZE, "Gun%d",
                          d % 7);
        }
    }
    ok = calendar.write((seeds / "calendar" / "two.trh").c_str()) && ok;
}

// The first byte picks the kind of file odt builds: 0 players, 1 teams, 2 calendar.
void csvFiles() {
    std::string players = "0";
    for (int c = 0; c < PLAYER_COLUMN_COUNT; ++c)
        players += std::string(c ? "," : "") + PLAYER_COLUMNS[c].name;
    for (int id = 0; id < 2; ++id) {
        players += "\n";
        for (int c = 0; c < PLAYER_COLUMN_COUNT; ++c) {
            const PlayerColumn& col = PLAYER_COLUMNS[c];
            std::string v = col.textSize          ? "\"Ad, \"\"" + std::to_string(id) + "\"\"\""
                            : c == 0              ? std::to_string(id)
                            : col.low <= col.high ? std::to_string(col.low)
                                                  : "1990";
            players += (c ? "," : "") + v;
        }
    }
    saveText("odt_build", "players.csv", players + "\n");
    saveText("odt_build", "teams.csv",
             "1index,name,squad_size,squad\n0,\"Takim, A\",2,0 1\n1,Takim B,0,\n");
    saveText("odt_build", "calendar.csv",
             "2month,year,slot,day,weekday\r\n8,2004,1,1,Pazartesi\r\n8,2004,2,2,\"Sali\"\r\n"
             "9,2004,1,1,Carsamba\r\n");
}

// A bitmap file header and a 40-byte information header.
Bytes bitmapHeaders(int width, int height, int bits, uint32_t compression, uint32_t colors,
                    uint32_t dataSize) {
    const uint32_t offset = 54 + colors * 4;
    Bytes b{'B', 'M'};
    put(b, offset + dataSize, 4);
    put(b, 0, 4);
    put(b, offset, 4);
    put(b, 40, 4);
    put(b, uint32_t(width), 4);
    put(b, uint32_t(height), 4);
    put(b, 1, 2);
    put(b, uint32_t(bits), 2);
    put(b, compression, 4);
    put(b, dataSize, 4);
    put(b, 2835, 4);
    put(b, 2835, 4);
    put(b, colors, 4);
    put(b, 0, 4);
    for (uint32_t i = 0; i < colors; ++i)
        put(b, i * 0x00102030u, 4);
    return b;
}

void bitmaps() {
    const int w = 5, h = 3;
    const struct {
        const char* name;
        int bits;
        int height;
    } raw[] = {{"b1.bmp", 1, h},   {"b4.bmp", 4, h},   {"b8.bmp", 8, h},
               {"b16.bmp", 16, h}, {"b24.bmp", 24, h}, {"b32_topdown.bmp", 32, -h}};
    for (const auto& r : raw) {
        const uint32_t stride = (uint32_t(w * r.bits) + 31) / 32 * 4;
        Bytes b = bitmapHeaders(w, r.height, r.bits, 0, r.bits <= 8 ? 1u << r.bits : 0, stride * h);
        for (uint32_t i = 0; i < stride * h; ++i)
            b.push_back(uint8_t(i * 37));
        save("bitmap", r.name, b);
    }
    // Run-length 8 and 4 bits: runs, a literal, end of line, a delta, end of picture.
    Bytes rle8 = {3, 1, 0, 3, 2, 3, 4, 0, 0, 0, 2, 1, 1, 2, 7, 0, 1};
    Bytes b = bitmapHeaders(w, h, 8, 1, 8, uint32_t(rle8.size()));
    b.insert(b.end(), rle8.begin(), rle8.end());
    save("bitmap", "rle8.bmp", b);
    Bytes rle4 = {5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 0, 0, 1};
    b = bitmapHeaders(w, h, 4, 2, 16, uint32_t(rle4.size()));
    b.insert(b.end(), rle4.begin(), rle4.end());
    save("bitmap", "rle4.bmp", b);
    // Bit fields after the 40-byte header, 5-6-5.
    b = bitmapHeaders(2, 2, 16, 3, 0, 8);
    put(b, 0xF800, 4);
    put(b, 0x07E0, 4);
    put(b, 0x001F, 4);
    b[10] = 54 + 12;
    put(b, 0xF81F07E0u, 4);
    put(b, 0x001FFFFFu, 4);
    save("bitmap", "b16_565.bmp", b);
}

// A Targa header: image type, colour map (entries, entry bits), size, bits per pixel.
Bytes targaHeader(int type, int mapEntries, int mapBits, int w, int h, int bits, int idLength) {
    Bytes b{uint8_t(idLength), uint8_t(mapEntries ? 1 : 0), uint8_t(type)};
    put(b, 0, 2);
    put(b, uint32_t(mapEntries), 2);
    b.push_back(uint8_t(mapBits));
    put(b, 0, 4);
    put(b, uint32_t(w), 2);
    put(b, uint32_t(h), 2);
    b.push_back(uint8_t(bits));
    b.push_back(0);
    for (int i = 0; i < idLength + mapEntries * mapBits / 8; ++i)
        b.push_back(uint8_t(0xA0 + i));
    return b;
}

void targas() {
    const struct {
        const char* name;
        int type, mapEntries, mapBits, bits, idLength;
    } raw[] = {{"t16.tga", 2, 0, 0, 16, 0},       {"t24.tga", 2, 0, 0, 24, 3},
               {"t32.tga", 2, 0, 0, 32, 0},       {"t24_map.tga", 2, 2, 24, 24, 0},
               {"mapped.tga", 1, 4, 24, 8, 0},    {"grey.tga", 3, 0, 0, 8, 0},
               {"grey_alpha.tga", 3, 0, 0, 16, 0}};
    for (const auto& r : raw) {
        Bytes b = targaHeader(r.type, r.mapEntries, r.mapBits, 3, 2, r.bits, r.idLength);
        for (int i = 0; i < 3 * 2 * r.bits / 8; ++i)
            b.push_back(uint8_t(i * 41));
        save("targa", r.name, b);
    }
    for (int bits : {24, 32}) {
        // A run of four pixels, then a literal of two.
        Bytes b = targaHeader(10, 0, 0, 3, 2, bits, 0);
        b.push_back(0x83);
        for (int i = 0; i < bits / 8; ++i)
            b.push_back(uint8_t(0x10 * i));
        b.push_back(0x01);
        for (int i = 0; i < 2 * bits / 8; ++i)
            b.push_back(uint8_t(0x30 + i));
        save("targa", bits == 24 ? "rle24.tga" : "rle32.tga", b);
    }
}

void jpeg(const char* name, int components, J_COLOR_SPACE space, bool progressive) {
    const fs::path path = seeds / "jpeg" / name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        ok = false;
        return;
    }
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = 16;
    info.image_height = 8;
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 75, TRUE);
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(size_t(16 * components));
    while (info.next_scanline < info.image_height) {
        for (size_t i = 0; i < row.size(); ++i)
            row[i] = uint8_t(i * 13 + info.next_scanline * 29);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    ok = std::fclose(file) == 0 && ok;
}

// Texture lists: a comment, a count larger and smaller than the lines, a line without an index.
void materials() {
    saveText("texture_list", "list.tex",
             "// liste\nNUMTEXTURE 3\n0 veri\\gui\\a.gol\n\n249 b.gol\nx c.gol\n");
    saveText("texture_list", "negative.tex", "NUMTEXTURE -1\n0 a.gol\n");
    // The first byte is the table entry; every keyword once, a frame list, a keyword cut off.
    saveText("shader_script", "all.gol",
             std::string(1, '\x05') +
                 "saydam = ac\ncevre = kapa\nalfa = ac\ntga = kapa\njpg = kapa\ndepth = ac\n"
                 "nkezdon = 2\nanim = ac\nzaman = 3\nzaman1 = 1\nzaman2 = -1\ndon = 1.5\n"
                 "saydamSRC = GL_SRC_ALPHA\nsaydamDST = GL_ONE\nx = 0.1\ny = -0.2\nx1 = 1\n"
                 "y1 = 2\nx2 = 3\ny2 = 4\nDokusayisi = 1000\ndoku = yok1\ndoku = yok2\n"
                 "doku1 = yok3\ndoku2 = yok4\nsaydamSRC1 = GL_ONE\nsaydamDST1 = GL_ZERO\n"
                 "saydamSRC2 = GL_DST_COLOR\nsaydamDST2 = GL_ONE\nzaman =");
    saveText("shader_script", "high.gol", std::string(1, '\xF9') + "nkezdon = 2147483647\n");
}

void demoFiles(const fs::path& veri) {
    const struct {
        const char* extension;
        const char* target;
    } kinds[] = {{".bmp", "bitmap"},       {".tga", "targa"},        {".jpg", "jpeg"},
                 {".odt", "players"},      {".tdt", "teams"},        {".trh", "calendar"},
                 {".tex", "texture_list"}, {".gol", "shader_script"}};
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(veri, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file()) continue;
        std::string extension = it->path().extension().string();
        for (char& c : extension)
            c = char(std::tolower(c));
        for (const auto& k : kinds) {
            if (extension != k.extension) continue;
            const std::string name = "demo_" + it->path().filename().string();
            if (std::strcmp(k.target, "shader_script") != 0) {
                fs::copy_file(it->path(), seeds / k.target / name,
                              fs::copy_options::overwrite_existing, ec);
                continue;
            }
            // Scripts take the table entry in front.
            std::FILE* f = std::fopen(it->path().c_str(), "rb");
            if (!f) continue;
            Bytes script{0};
            for (int c; (c = std::fgetc(f)) != EOF;)
                script.push_back(uint8_t(c));
            std::fclose(f);
            save(k.target, name.c_str(), script);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds SEEDS [VERI]\n");
        return 2;
    }
    seeds = argv[1];
    for (const char* target : {"players", "teams", "calendar", "bitmap", "targa", "jpeg",
                               "odt_build", "texture_list", "shader_script"}) {
        std::error_code ec;
        fs::create_directories(seeds / target, ec);
        if (ec) {
            std::fprintf(stderr, "fuzz_seeds: cannot create %s\n", (seeds / target).c_str());
            return 1;
        }
    }
    databases();
    csvFiles();
    bitmaps();
    targas();
    jpeg("rgb.jpg", 3, JCS_RGB, false);
    jpeg("grey.jpg", 1, JCS_GRAYSCALE, false);
    jpeg("progressive.jpg", 3, JCS_RGB, true);
    jpeg("cmyk.jpg", 4, JCS_CMYK, false);
    materials();
    if (argc == 3) demoFiles(argv[2]);
    return ok ? 0 : 1;
}
