#include <algorithm>
#include <filesystem>

#include "render/frame_texture.h"
#include "render/texture_loader.h"
#include "tests/render/gl_fixture.h"
#include "tests/render/picture_fixtures.h"

namespace {

// base.bmp (2 × 2) and base.jpg (8 × 8) red on top of blue; base.tga is 1 × 2, 24 bits, with
// 3-byte rows that need padding under any unpack alignment above 1.
void writePictures(const std::string& base) {
    const uint8_t red[3] = {255, 0, 0}, blue[3] = {0, 0, 255},
                  colors[2][3] = {{0, 0, 255}, {255, 0, 0}};
    writeFile(base + ".bmp", bitmapFile(
                                 24, 2, 2, false, [](int, int row) { return row; }, colors));
    writeJpeg((base + ".jpg").c_str(), 8, 8, 3, red, blue);
    writeFile(base + ".tga", targaHeader(2, 1, 2, 24) + Bytes{10, 60, 110, 160, 210, 250});
}

enum { GameBitmap, GameTarga, GameJpeg, FrameBitmap, FrameTarga, FrameJpeg };

// The handle the loader produced, 0 when it failed.
uint32_t load(int loader, const char* base) {
    uint32_t handle = 0, array[2] = {};
    FrameTexture frame;
    const bool ok = loader == GameBitmap    ? textureLoader.loadBitmapTexture(handle, base)
                    : loader == GameTarga   ? (textureLoader.loadTargaTexture(array, base, 1), true)
                    : loader == GameJpeg    ? textureLoader.loadJpegTexture(handle, base)
                    : loader == FrameBitmap ? frame.loadBitmap(base)
                    : loader == FrameTarga  ? frame.loadTarga(base)
                                            : frame.loadJpeg(base);
    return ok ? (loader < FrameBitmap ? handle | array[1] : frame.texture) : 0;
}

class TextureLoading : public GlTest {
protected:
    static void SetUpTestSuite() {
        GlTest::SetUpTestSuite();
        std::filesystem::create_directories("pics");
        writePictures("pics/ok");
        writeFile("pics/bad.bmp", Bytes{'B', 'M', 1, 2, 3});
        writeFile("pics/bad.jpg", Bytes(40, 7));
        writeFile("pics/bad.tga", targaHeader(3, 2, 2, 8) + Bytes(4, 9)); // 8-bit grey
    }
    void SetUp() override {
        GlTest::SetUp();
        std::filesystem::remove("rav3d.htm"); // the log opens it again for every line
    }
};

TEST_F(TextureLoading, SettingsRowOrderAndLogLines) {
    const Bytes blueThenRed = {0, 0, 255, 0, 0, 255, 255, 0, 0, 255, 0, 0}, red = {255, 0, 0};
    const struct {
        int loader;
        const char* base;
        bool setsState; // unpack alignment 1 and the modulate environment
        Bytes start;    // the start of level 0, whose first row is t = 0
    } cases[] = {
        {GameTarga, "pics\\ok", false, {110, 60, 10, 250, 210, 160}},
        {FrameBitmap, "pics\\ok", true, blueThenRed},
        {FrameTarga, "pics\\ok", false, {110, 60, 10, 250, 210, 160}},
        {FrameJpeg, "pics\\ok", true, red},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        ASSERT_NE(load(c.loader, c.base), 0u);
        GLint alignment, env, components, width, height;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &components);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        EXPECT_EQ(
            (std::vector<GLint>{alignment, env, components}),
            (std::vector<GLint>{c.setsState ? 1 : 4, c.setsState ? GL_MODULATE : GL_REPLACE, 3}));
        Bytes pixels(size_t(width * height * 3));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        for (size_t b = 0; b < std::min(c.start.size(), pixels.size()); ++b)
            EXPECT_NEAR(pixels[b], c.start[b], 8) << b;
    }
    EXPECT_TRUE(host->messageBoxes.empty());
    // The material Targa line is written as soon as the file opens; JPEG's names the base.
    EXPECT_EQ(
        logLines(),
        (Strings{"<p> Golge dokusu : pics\\ok.bmp </p>", "<p> Golge dokusu : pics\\ok.tga </p>",
                 "<p> Jpeg Adi : pics\\ok.jpg  </p>", "<p> Golge dokusu : pics\\ok </p>"}));
}

// Missing, broken, and opening but unreadable (a folder: still found, so not "bulunamadi").
TEST_F(TextureLoading, FailuresReportAndLeaveHandlesAlone) {
    for (const char* ext : {".bmp", ".tga", ".jpg"})
        std::filesystem::create_directories(std::string("pics/folder") + ext);
    for (const char* base : {"pics\\missing", "pics\\bad", "pics\\folder"}) {
        uint32_t handle = 77, array[2] = {5, 6};
        EXPECT_FALSE(textureLoader.loadBitmapTexture(handle, base));
        EXPECT_FALSE(textureLoader.loadJpegTexture(handle, base));
        textureLoader.loadTargaTexture(array, base, 1); // the program goes on
        FrameTexture frame{9};
        EXPECT_FALSE(frame.loadBitmap(base) || frame.loadTarga(base) || frame.loadJpeg(base));
        EXPECT_EQ(handle + array[1] + frame.texture, 77u + 6 + 9);
    }
    EXPECT_EQ(
        host->messageBoxTexts(),
        (Strings{"Bitmap dosyasi bulunamadi..", "Jpeg dosyasi bulunamadi!",
                 "TGA dosyasi bulunamadi..", "Bitmap acilamadi : pics\\missing.bmp",
                 "Tga dosyasi acilamadi : pics\\missing.tga", "Jpeg dosyasi bulunamadi!",
                 "Bitmap yuklenemedi : pics\\bad.bmp", "Bitmap yuklenemedi : pics\\folder.bmp"}));
    const Strings log = logLines(); // a JPEG read error is logged, not shown
    EXPECT_NE(std::find(log.begin(), log.end(), "<p> Jpeg okunamadi : pics\\folder.jpg :  </p>"),
              log.end());
}

TEST_F(TextureLoading, LongestBaseNames) {
    // A name one longer than its buffer allows is refused even though the file exists.
    for (size_t length : {195u, 196u, 245u, 246u}) {
        const std::string stem = std::string(length - 5, 'n'), base = "pics\\" + stem;
        writePictures("pics/" + stem);
        for (const char* ext : {".bmp", ".jpg", ".tga"}) // what a name cut by one would find
            std::filesystem::copy_file("pics/" + stem + ext, "pics/" + stem + std::string(ext, 3),
                                       std::filesystem::copy_options::overwrite_existing);
        for (int loader = GameBitmap; loader <= FrameJpeg; ++loader)
            EXPECT_EQ(load(loader, base.c_str()) != 0,
                      length <= (loader < FrameBitmap ? 245u : 195u))
                << length << " " << loader;
    }
}

} // namespace
