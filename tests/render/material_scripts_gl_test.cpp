#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>

#include "render/shader_script.h"
#include "render/texture_list.h"
#include "tests/render/gl_fixture.h"
#include "tests/render/picture_fixtures.h"

namespace {

// The fields that differ from zero, in a few words; "frames" counts loaded handles.
std::string describe(const ShaderScript& s) {
    std::ostringstream out;
    const auto field = [&](const char* name, auto value) {
        if (value != 0) out << name << "=" << +value << " ";
    };
    int handles = 0;
    for (const FrameTexture& frame : s.frames)
        handles += frame.texture != 0;
    field("blend", s.blend), field("alfa", s.alphaBlend), field("anim", s.animate);
    field("tga", s.targaFrames), field("sphere", s.sphereMap), field("src", s.srcFactor);
    field("dst", s.dstFactor), field("x", s.offsetX), field("y", s.offsetY);
    field("x1", s.offsetX1), field("y1", s.offsetY1), field("x2", s.offsetX2);
    field("angle", s.angle), field("step", s.angleStep), field("count", s.frameCount);
    field("delay", s.delay), field("counter", s.delayCounter), field("delay1", s.delay1);
    field("delay2", s.delay2), field("extra", s.extraDraws), field("loaded", s.loadedFrames);
    field("pass", s.pass), field("frames", handles), field("layer1", s.texture1.texture != 0);
    field("layer2", s.texture2.texture != 0), field("speed", s.scrollSpeedX);
    return out.str();
}

class MaterialScripts : public GlTest {
protected:
    static void SetUpTestSuite() {
        GlTest::SetUpTestSuite();
        std::filesystem::create_directories("mat");
        const uint8_t colors[2][3] = {{0, 200, 0}, {0, 0, 0}};
        writeFile("mat/ok.bmp", bitmapFile(
                                    24, 2, 2, false, [](int, int) { return 0; }, colors));
        writeFile("mat/ok.tga", targaHeader(2, 2, 2, 32) + Bytes(16, 200));
    }
    void SetUp() override {
        GlTest::SetUp();
        std::filesystem::remove("rav3d.htm");
        table = std::make_unique<ShaderScriptTable>();
    }
    // Parses `text` as a script into entry `index` and describes the entry.
    std::string parse(const std::string& text, int index = 3) {
        writeFile("mat/script.gol", text);
        EXPECT_EQ(table->parseScript("mat\\script.gol", index), 1);
        return describe(table->entries[index]);
    }
    std::unique_ptr<ShaderScriptTable> table;
};

TEST_F(MaterialScripts, ScriptsIntoAFreshEntry) {
    std::string manyFrames;
    for (int i = 0; i < ShaderScript::MAX_FRAMES + 2; ++i)
        manyFrames += "doku - mat\\ok\n";
    const struct {
        std::string script, entry;
    } cases[] = {
        {"saydam ac saydamSRC GL_SRC_ALPHA saydamDST GL_ONE doku - mat\\ok",
         "blend=1 src=770 dst=1 loaded=1 frames=1 "},
        {"saydam ac cevre ac saydam AC", "sphere=1 "}, // only "ac" switches on
        {"zaman 5 anim ac", ""},                       // the number is the separator
        {"tga x = 3", "x=3 "},                         // the argument word is a keyword too
        {"saydamSRC GL_ONE saydamSRC GL_ZERO", "src=1 "},
        {"x = 1.5e1z y = abc x1 = .5 y1 = -.e3 x2 = 7.", "x=15 x1=0.5 x2=7 "},
        {"don = 2 Dokusayisi = 12abc", "angle=2 step=2 count=12 "},
        {"nkezdon = 99999999999 zaman1 = -99999999999 zaman2 = x",
         "delay1=-2147483648 extra=2147483647 "},
        {std::string(251, 'q') + "saydam ac", ""}, // cut, not split
        {"alfa ac doku", "alfa=1 "},               // a keyword without its words
        {"doku - mat\\ok tga ac doku - mat\\ok doku1 - mat\\ok doku2 - mat\\ok",
         "tga=1 loaded=2 frames=2 layer1=1 layer2=1 "},
        {manyFrames, "loaded=250 frames=250 "},
    };
    for (const auto& c : cases) {
        table->entries[3] = ShaderScript{};
        EXPECT_EQ(parse(c.script), c.entry) << c.script.substr(0, 60);
    }
    for (int outside : {-1, ShaderScriptTable::SIZE})
        EXPECT_EQ(table->parseScript("mat\\script.gol", outside), 0) << outside;
    EXPECT_TRUE(host->messageBoxes.empty());
}

TEST_F(MaterialScripts, MissingPicturesAreReportedAndStillCount) {
    parse("saydam ac doku - mat\\ok doku - mat\\yok x = 2");
    EXPECT_EQ(
        parse("tga ac doku - mat\\yok doku1 - mat\\yok doku2 - mat\\yok doku - mat\\ok x = 4"),
        "blend=1 tga=1 x=4 loaded=4 frames=2 ");
    const ShaderScript& s = table->entries[3];
    EXPECT_EQ(std::vector<bool>({s.frames[0].texture != 0, s.frames[1].texture != 0,
                                 s.frames[2].texture != 0, s.frames[3].texture != 0}),
              std::vector<bool>({true, false, false, true}));
    EXPECT_EQ(host->messageBoxTexts(),
              Strings({"Bitmap acilamadi : mat\\yok.bmp", "Tga dosyasi acilamadi : mat\\yok.tga",
                       "Tga dosyasi acilamadi : mat\\yok.tga", "Bitmap acilamadi : mat\\yok.bmp"}));
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
        writeFile("mat/liste.tex", c.text);
        TextureList list;
        EXPECT_TRUE(list.read("mat\\liste"));
        Entries got;
        for (int i = 0; i < list.count; ++i)
            got.emplace_back(list.entry(i).index, list.entry(i).scriptName);
        EXPECT_EQ(got, c.entries);
    }
}

TEST_F(MaterialScripts, LoadingAListFillsItsEntriesInOrder) {
    writeFile("mat/s0.gol", "saydam ac doku - mat\\ok zaman = 1");
    writeFile("mat/s5.gol", "zaman = 5 doku - mat\\ok");
    writeFile("mat/liste.tex", "NUMTEXTURE 5\n0 mat\\s0.gol\n5 mat\\s5.gol\n250 mat\\s5.gol\n"
                               "0 mat\\s5.gol\n9 mat\\yok.gol\n");
    TextureList list;
    EXPECT_TRUE(loadMaterials(list, "mat\\liste", *table));
    EXPECT_EQ(std::vector<int>({table->entries[0].blend, table->entries[0].loadedFrames,
                                table->entries[0].delay, table->entries[5].delay,
                                table->entries[ShaderScriptTable::SIZE - 1].delay}),
              std::vector<int>({1, 2, 5, 5, 0}));
    EXPECT_EQ(host->messageBoxTexts(), Strings({"Golge dokusu bulunamadi!"}));
    const Strings log = logLines();
    // Entry 250 lies outside the table: not even tried.
    EXPECT_EQ(std::count(log.begin(), log.end(), "<p> Golge dokusu yukleniyor : mat\\s5.gol </p>"),
              2);
}

// The reset touches the first 200 entries and only their named fields.
TEST_F(MaterialScripts, AMissingListStillResetsAndLogs) {
    TextureList list;
    const std::string tooLong(196, 'u'); // with ".tex" past the name buffer
    for (const char* base : {"mat\\yok", tooLong.c_str()}) {
        for (int i : {0, 199, 200}) {
            ShaderScript& s = table->entries[i];
            s.blend = s.sphereMap = s.animate = 1;
            s.offsetX = s.angle = s.angleStep = 3;
            s.loadedFrames = s.pass = s.delay = s.delayCounter = s.frameCount = 5;
        }
        const std::string kept = describe(table->entries[200]);
        EXPECT_TRUE(loadMaterials(list, base, *table));
        EXPECT_EQ(list.count, 0);
        for (int i : {0, 199})
            EXPECT_EQ(describe(table->entries[i]),
                      "anim=1 step=3 count=5 delay=5 counter=5 speed=0.005 ");
        EXPECT_EQ(table->entries[0].scrollSpeedY, 0.005f);
        EXPECT_EQ(describe(table->entries[200]), kept);
    }
    EXPECT_EQ(host->messageBoxTexts(), Strings(2, "Doku dosyasi bulunamadi!"));
    Strings once = {"<p> Doku Dosyasi Bulunamadi! </p>",
                    "<p> Golge doku ayarlari sifirlaniyor... </p>",
                    "<p> Golge doku ayarlari sifirlandi... </p>",
                    "<p> Golge doku yuklemesi bitti.. </p>"},
            twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(logLines(), twice);
}

} // namespace
