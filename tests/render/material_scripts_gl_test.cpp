#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <memory>

#include "render/shader_script.h"
#include "render/texture_list.h"
#include "tests/render/gl_fixture.h"
#include "tests/render/picture_fixtures.h"

namespace {

using Strings = std::vector<std::string>;

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

Strings logLines() {
    std::ifstream in("rav3d.htm", std::ios::binary);
    Strings lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool logged(const std::string& text) {
    const Strings lines = logLines();
    return std::find(lines.begin(), lines.end(), "<p> " + text + " </p>") != lines.end();
}

int firstColumn(int, int) {
    return 0;
}

class MaterialScripts : public GlTest {
protected:
    static void SetUpTestSuite() {
        GlTest::SetUpTestSuite();
        std::filesystem::create_directories("mat");
        const uint8_t colors[2][3] = {{0, 200, 0}, {0, 0, 0}};
        writeFile("mat/ok.bmp", bitmapFile(24, 2, 2, false, firstColumn, colors));
        writeFile("mat/ok.tga", targaHeader(2, 2, 2, 32) + Bytes(16, 200));
    }
    void SetUp() override {
        GlTest::SetUp();
        std::filesystem::remove("rav3d.htm");
        table = std::make_unique<ShaderScriptTable>();
    }
    // Parses `text` as a script into entry `index` and answers that entry.
    ShaderScript& parse(const std::string& text, int index = 3) {
        writeText("mat/script.gol", text);
        EXPECT_EQ(table->parseScript("mat\\script.gol", index), 1);
        return table->entries[index];
    }
    std::unique_ptr<ShaderScriptTable> table;
};

TEST_F(MaterialScripts, KeywordForms) {
    const std::string longWord(251, 'q');
    const struct {
        const char* name;
        std::string script;
        std::function<void(const ShaderScript&)> check;
    } cases[] = {
        {"blend switch and factors",
         "saydam ac saydamSRC GL_SRC_ALPHA saydamDST GL_ONE doku - mat\\ok",
         [](const ShaderScript& s) {
             EXPECT_EQ(std::vector<uint32_t>({s.blend, s.srcFactor, s.dstFactor}),
                       std::vector<uint32_t>({1, 0x0302, 1}));
             EXPECT_EQ(s.loadedFrames, 1);
             EXPECT_NE(s.frames[0].texture, 0u);
         }},
        {"a switch is on only for ac", "saydam ac saydam AC",
         [](const ShaderScript& s) { EXPECT_EQ(s.blend, 0); }},
        {"forgotten separator eats the next keyword", "zaman 5 anim ac",
         [](const ShaderScript& s) {
             EXPECT_EQ(s.delay, 0);
             EXPECT_EQ(s.animate, 0);
         }},
        {"argument word fires a later keyword", "tga x = 3",
         [](const ShaderScript& s) {
             EXPECT_EQ(s.targaFrames, 0);
             EXPECT_FLOAT_EQ(s.offsetX, 3.0f);
         }},
        {"unknown factor name leaves the factor", "saydamSRC GL_ONE saydamSRC GL_ZERO",
         [](const ShaderScript& s) { EXPECT_EQ(s.srcFactor, 1u); }},
        {"reals from their leading part", "x = 1.5e1z y = abc x1 = .5 y1 = -.e3 x2 = 7.",
         [](const ShaderScript& s) {
             EXPECT_EQ(
                 std::vector<float>({s.offsetX, s.offsetY, s.offsetX1, s.offsetY1, s.offsetX2}),
                 std::vector<float>({15.0f, 0.0f, 0.5f, 0.0f, 7.0f}));
         }},
        {"rotation sets angle and step", "don = 2",
         [](const ShaderScript& s) {
             EXPECT_FLOAT_EQ(s.angle, 2.0f);
             EXPECT_FLOAT_EQ(s.angleStep, 2.0f);
         }},
        {"integers saturate and stop at the first non-digit",
         "nkezdon = 99999999999 zaman1 = -99999999999 zaman2 = 12abc Dokusayisi = abc",
         [](const ShaderScript& s) {
             EXPECT_EQ(std::vector<int32_t>({s.extraDraws, s.delay1, s.delay2, s.frameCount}),
                       std::vector<int32_t>({INT32_MAX, INT32_MIN, 12, 0}));
         }},
        {"a long word is cut, not split", longWord + "saydam ac",
         [](const ShaderScript& s) { EXPECT_EQ(s.blend, 0); }},
        {"a keyword at the end without its words does nothing", "saydam ac doku",
         [](const ShaderScript& s) {
             EXPECT_EQ(s.blend, 1);
             EXPECT_EQ(s.loadedFrames, 0);
         }},
        {"format switches apply to the frames after them",
         "doku - mat\\ok tga ac doku - mat\\ok doku1 - mat\\ok",
         [](const ShaderScript& s) {
             EXPECT_EQ(s.loadedFrames, 2);
             EXPECT_NE(s.frames[1].texture, 0u);
             EXPECT_NE(s.texture1.texture, 0u);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        table->entries[3] = ShaderScript{};
        c.check(parse(c.script));
    }
    EXPECT_TRUE(host->messageBoxes.empty());
}

TEST_F(MaterialScripts, MissingPicturesAreReportedAndStillCount) {
    const ShaderScript& s = parse("doku - mat\\yok doku - mat\\ok tga ac doku - mat\\yok "
                                  "doku1 - mat\\yok doku2 - mat\\yok");
    EXPECT_EQ(s.loadedFrames, 3);
    EXPECT_EQ(s.frames[0].texture, 0u);
    EXPECT_NE(s.frames[1].texture, 0u);
    EXPECT_EQ(s.frames[2].texture + s.texture1.texture + s.texture2.texture, 0u);
    EXPECT_EQ(host->messageBoxTexts(),
              Strings({"Bitmap acilamadi : mat\\yok.bmp", "Tga dosyasi acilamadi : mat\\yok.tga",
                       "Tga dosyasi acilamadi : mat\\yok.tga", "Bitmap acilamadi : mat\\yok.bmp"}));
}

TEST_F(MaterialScripts, FramesBeyondTheTableAreNeitherLoadedNorCounted) {
    std::string script;
    for (int i = 0; i < ShaderScript::MAX_FRAMES + 2; ++i)
        script += "doku - mat\\ok\n";
    const ShaderScript& s = parse(script);
    EXPECT_EQ(s.loadedFrames, ShaderScript::MAX_FRAMES);
    EXPECT_NE(s.frames[ShaderScript::MAX_FRAMES - 1].texture, 0u);
    EXPECT_EQ(s.delay, 0); // the entry's next field is untouched
}

TEST_F(MaterialScripts, ASecondScriptAddsToTheEntry) {
    parse("saydam ac doku - mat\\ok doku - mat\\ok x = 2");
    const uint32_t first = table->entries[3].frames[0].texture;
    const ShaderScript& s = parse("tga ac doku - mat\\ok x = 4");
    EXPECT_EQ(s.loadedFrames, 3);
    EXPECT_EQ(s.frames[0].texture, first);
    EXPECT_NE(s.frames[2].texture, 0u);
    EXPECT_EQ(s.blend, 1);
    EXPECT_FLOAT_EQ(s.offsetX, 4.0f);
}

TEST_F(MaterialScripts, MissingScriptAndIndexOutsideTheTable) {
    table->entries[3].delay = 9;
    EXPECT_EQ(table->parseScript("mat\\yok.gol", 3), 0);
    EXPECT_EQ(table->entries[3].delay, 9);
    EXPECT_EQ(host->messageBoxTexts(), Strings({"Golge dokusu bulunamadi!"}));
    EXPECT_TRUE(logged("Golge dokusu bulunamadi!"));
    writeText("mat/script.gol", "zaman = 4");
    EXPECT_EQ(table->parseScript("mat\\script.gol", ShaderScriptTable::SIZE), 0);
    EXPECT_EQ(table->parseScript("mat\\script.gol", -1), 0);
}

TEST_F(MaterialScripts, ResetTouchesTheFirst200EntriesAndTheirNamedFields) {
    for (int i : {0, 199, 200}) {
        ShaderScript& s = table->entries[i];
        s.blend = s.sphereMap = s.animate = 1;
        s.offsetX = s.angle = s.angleStep = 3;
        s.loadedFrames = s.pass = s.delay = s.delayCounter = s.frameCount = 5;
        s.srcFactor = 7;
    }
    table->reset();
    for (int i : {0, 199}) {
        const ShaderScript& s = table->entries[i];
        EXPECT_EQ(std::vector<float>({float(s.blend), float(s.sphereMap), s.offsetX, s.angle,
                                      float(s.loadedFrames), float(s.pass), s.scrollSpeedX,
                                      s.scrollSpeedY}),
                  std::vector<float>({0, 0, 0, 0, 0, 0, 0.005f, 0.005f}));
        EXPECT_EQ(
            std::vector<float>({float(s.animate), s.angleStep, float(s.delay),
                                float(s.delayCounter), float(s.frameCount), float(s.srcFactor)}),
            std::vector<float>({1, 3, 5, 5, 5, 7}));
    }
    EXPECT_EQ(table->entries[200].blend, 1);
    EXPECT_EQ(table->entries[200].scrollSpeedX, 0.0f);
    EXPECT_EQ(logLines(), Strings({"<p> Golge doku ayarlari sifirlaniyor... </p>",
                                   "<p> Golge doku ayarlari sifirlandi... </p>"}));
}

TEST_F(MaterialScripts, TextureListLines) {
    using Entries = std::vector<std::pair<int, std::string>>;
    const std::string name199(199, 'n'), name200(200, 'n');
    const struct {
        const char* name;
        std::string text;
        Entries entries;
    } cases[] = {
        {"comment and empty line are no entries",
         "NUMTEXTURE 2\n// yorum\n\n0 a.gol\n5 b.gol\n",
         {{0, "a.gol"}, {5, "b.gol"}}},
        {"only the first character marks a comment", "NUMTEXTURE 1\n //x\n0 a\n", {{-1, ""}}},
        {"carriage returns end lines", "NUMTEXTURE 1\r\n\r\n3 a.gol\r\n", {{3, "a.gol"}}},
        {"a short file uses what it read", "NUMTEXTURE 3\n0 a\n", {{0, "a"}}},
        {"a huge count", "NUMTEXTURE 2000000000\n0 a\n1 b\n", {{0, "a"}, {1, "b"}}},
        {"a negative count", "NUMTEXTURE -1\n0 a\n", {}},
        {"another header", "NUMTEX 1\n0 a\n", {}},
        {"a line without its name", "NUMTEXTURE 2\n4\n7 b\n", {{-1, ""}, {7, "b"}}},
        {"the longest name",
         "NUMTEXTURE 2\n1 " + name199 + "\n2 " + name200 + "\n",
         {{1, name199}, {-1, ""}}},
        {"a long line's rest is no line",
         "NUMTEXTURE 1\n/" + std::string(253, 'c') + "9 b\n0 a\n",
         {{0, "a"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeText("mat/liste.tex", c.text);
        TextureList list;
        EXPECT_TRUE(list.read("mat\\liste"));
        Entries got;
        for (int i = 0; i < list.count; ++i)
            got.emplace_back(list.entry(i).index, list.entry(i).scriptName);
        EXPECT_EQ(got, c.entries);
    }
}

TEST_F(MaterialScripts, LoadingAListFillsItsEntriesInOrder) {
    writeText("mat/s0.gol", "saydam ac doku - mat\\ok zaman = 1");
    writeText("mat/s5.gol", "zaman = 5 doku - mat\\ok");
    writeText("mat/liste.tex", "NUMTEXTURE 5\n0 mat\\s0.gol\n5 mat\\s5.gol\n250 mat\\s5.gol\n"
                               "0 mat\\s5.gol\n9 mat\\yok.gol\n");
    TextureList list;
    table->entries[7].blend = 1;
    EXPECT_TRUE(loadMaterials(list, "mat\\liste", *table));
    EXPECT_EQ(
        std::vector<int>({table->entries[0].blend, table->entries[0].loadedFrames,
                          table->entries[0].delay, table->entries[5].delay, table->entries[7].blend,
                          table->entries[ShaderScriptTable::SIZE - 1].delay}),
        std::vector<int>({1, 2, 5, 5, 0, 0}));
    EXPECT_EQ(host->messageBoxTexts(), Strings({"Golge dokusu bulunamadi!"}));
    EXPECT_EQ(logLines().back(), "<p> Golge doku yuklemesi bitti.. </p>");
}

TEST_F(MaterialScripts, AMissingListStillResetsAndLogs) {
    TextureList list;
    const std::string tooLong(196, 'u'); // with ".tex" past the name buffer
    for (const char* base : {"mat\\yok", tooLong.c_str()}) {
        table->entries[0].blend = 1;
        EXPECT_TRUE(loadMaterials(list, base, *table));
        EXPECT_EQ(list.count, 0);
        EXPECT_EQ(table->entries[0].blend, 0);
        EXPECT_EQ(table->entries[0].scrollSpeedX, 0.005f);
    }
    EXPECT_EQ(host->messageBoxTexts(),
              Strings({"Doku dosyasi bulunamadi!", "Doku dosyasi bulunamadi!"}));
    EXPECT_TRUE(logged("Doku Dosyasi Bulunamadi!"));
    EXPECT_EQ(logLines().back(), "<p> Golge doku yuklemesi bitti.. </p>");
}

} // namespace
