#include <GL/gl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "engine/globals.h"
#include "platform/test/test_platform.h"
#include "render/frame_texture.h"
#include "render/texture_loader.h"
#include "tests/render/picture_fixtures.h"

namespace {

// 2 × 2 bitmap, 24 bits, bottom-up: picture top row red, bottom row blue.
Bytes twoRowBitmap() {
    Bytes out = {'B', 'M'};
    put32(out, 54 + 16);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, 2);
    put32(out, 2);
    put16(out, 1);
    put16(out, 24);
    for (int i = 0; i < 6; ++i)
        put32(out, 0);
    const Bytes bottom = {255, 0, 0, 255, 0, 0, 0, 0}; // blue, blue, padding
    const Bytes top = {0, 0, 255, 0, 0, 255, 0, 0};    // red, red, padding
    return out + bottom + top;
}

// 2 × 2 JPEG, top row red, bottom row blue (colours far apart enough to survive).
bool writeTwoRowJpeg(const char* path) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = 8;
    info.image_height = 8;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    Bytes row(8 * 3);
    while (info.next_scanline < 8) {
        const bool top = info.next_scanline < 4;
        for (int x = 0; x < 8; ++x) {
            row[size_t(x * 3)] = top ? 255 : 0;
            row[size_t(x * 3 + 2)] = top ? 0 : 255;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

// 1 × 2 Targa: 3-byte rows that need padding under any alignment above 1.
Bytes narrowTarga(int bits) {
    return targaHeader(2, 1, 2, bits) + (bits == 24 ? Bytes{10, 60, 110, 160, 210, 250}
                                                    : Bytes{10, 60, 110, 40, 160, 210, 250, 50});
}

std::vector<std::string> logLines() {
    std::ifstream in("rav3d.htm", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct TextureState {
    GLint minFilter = 0, magFilter = 0, internalFormat = 0, width = 0, levelOneWidth = 0;
    Bytes pixels; // level 0, rows packed
};

TextureState stateOf(uint32_t handle, int components) {
    TextureState s;
    glBindTexture(GL_TEXTURE_2D, handle);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &s.minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &s.magFilter);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &s.internalFormat);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &s.width);
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &s.levelOneWidth);
    s.pixels.resize(size_t(s.width * height * components));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, components == 4 ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE,
                  s.pixels.data());
    return s;
}

class TextureLoading : public testing::Test {
protected:
    static void SetUpTestSuite() {
        host = new platform::TestPlatform(true);
        platform::setCurrent(host);
        opened = host->openGLWindow(1024, 768);
        std::filesystem::create_directories("pics");
        writeFile("pics/two.bmp", twoRowBitmap());
        writeFile("pics/broken.bmp", Bytes{'B', 'M', 1, 2, 3});
        writeTwoRowJpeg("pics/two.jpg");
        writeFile("pics/broken.jpg", Bytes(40, 7));
        writeFile("pics/narrow.tga", narrowTarga(24));
        writeFile("pics/alpha.tga", narrowTarga(32));
        writeFile("pics/grey.tga", targaHeader(3, 2, 2, 8) + Bytes(4, 9));
    }
    static void TearDownTestSuite() {
        host->closeGLWindow();
        platform::setCurrent(nullptr);
        delete host;
    }
    void SetUp() override {
        ASSERT_TRUE(opened) << "no GL window (is DISPLAY set?)";
        host->messageBoxes.clear();
        logStart = logLines().size();
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    }

    std::vector<std::string> boxes() const {
        std::vector<std::string> texts;
        for (const platform::RecordedMessageBox& box : host->messageBoxes) {
            EXPECT_EQ(box.icon, platform::MessageIcon::Warning) << box.text;
            texts.push_back(box.text);
        }
        return texts;
    }
    std::vector<std::string> newLogLines() const {
        std::vector<std::string> lines = logLines();
        return std::vector<std::string>(lines.begin() + long(logStart), lines.end());
    }

    static platform::TestPlatform* host;
    static bool opened;
    size_t logStart = 0;
};

platform::TestPlatform* TextureLoading::host = nullptr;
bool TextureLoading::opened = false;

GLint currentEnvMode() {
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    return mode;
}

GLint currentUnpackAlignment() {
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    return alignment;
}

} // namespace

TEST_F(TextureLoading, SettingsAndRowOrderPerLoader) {
    struct Case {
        const char* what;
        uint32_t (*load)();
        int components;
        GLint minFilter;
        bool setsState; // unpack alignment 1 and the modulate environment
        Bytes pixels;   // the start of level 0: row 0 is t = 0
    };
    const Bytes blueThenRed = {0, 0, 255, 0, 0, 255, 255, 0, 0, 255, 0, 0};
    const Bytes red = {255, 0, 0, 255, 0, 0};
    const Case cases[] = {
        {"game bitmap",
         [] {
             uint32_t h = 0;
             return textureLoader.loadBitmapTexture(h, "pics\\two") ? h : 0u;
         },
         3, GL_LINEAR_MIPMAP_NEAREST, true, blueThenRed},
        {"game Targa",
         [] {
             uint32_t array[3] = {};
             textureLoader.loadTargaTexture(array, "pics\\narrow", 2);
             return array[2];
         },
         3,
         GL_LINEAR_MIPMAP_NEAREST,
         false,
         {110, 60, 10, 250, 210, 160}},
        {"game JPEG",
         [] {
             uint32_t h = 0;
             return textureLoader.loadJpegTexture(h, "pics\\two") ? h : 0u;
         },
         3, GL_LINEAR_MIPMAP_LINEAR, true, red},
        {"material bitmap",
         [] {
             FrameTexture f;
             return f.loadBitmap("pics\\two") ? f.texture : 0u;
         },
         3, GL_LINEAR_MIPMAP_NEAREST, true, blueThenRed},
        {"material Targa",
         [] {
             FrameTexture f;
             return f.loadTarga("pics\\alpha") ? f.texture : 0u;
         },
         4,
         GL_LINEAR_MIPMAP_NEAREST,
         false,
         {110, 60, 10, 40, 250, 210, 160, 50}},
        {"material JPEG",
         [] {
             FrameTexture f;
             return f.loadJpeg("pics\\two") ? f.texture : 0u;
         },
         3, GL_LINEAR_MIPMAP_LINEAR, true, red},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        const uint32_t handle = c.load();
        ASSERT_NE(handle, 0u);
        EXPECT_EQ(currentUnpackAlignment(), c.setsState ? 1 : 4);
        EXPECT_EQ(currentEnvMode(), c.setsState ? GL_MODULATE : GL_REPLACE);
        const TextureState s = stateOf(handle, c.components);
        EXPECT_EQ(s.minFilter, c.minFilter);
        EXPECT_EQ(s.magFilter, GL_LINEAR);
        EXPECT_EQ(s.internalFormat, c.components); // the legacy component-count form
        EXPECT_GT(s.width, 0);
        if (s.width > 1) {
            EXPECT_EQ(s.levelOneWidth, s.width / 2) << "mipmap chain";
        }
        ASSERT_GE(s.pixels.size(), c.pixels.size());
        for (size_t i = 0; i < c.pixels.size(); ++i)
            EXPECT_NEAR(s.pixels[i], c.pixels[i], 8) << "byte " << i;
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(TextureLoading, FailuresReportAndLeaveHandlesAlone) {
    uint32_t handle = 77;
    EXPECT_FALSE(textureLoader.loadBitmapTexture(handle, nullptr));
    EXPECT_FALSE(textureLoader.loadBitmapTexture(handle, "pics\\missing"));
    EXPECT_FALSE(textureLoader.loadBitmapTexture(handle, "pics\\broken"));
    EXPECT_FALSE(textureLoader.loadJpegTexture(handle, nullptr));
    EXPECT_FALSE(textureLoader.loadJpegTexture(handle, "pics\\missing"));
    EXPECT_FALSE(textureLoader.loadJpegTexture(handle, "pics\\broken"));
    EXPECT_EQ(handle, 77u);
    // Missing and unsupported Targa pictures are reported and skipped; the program goes on.
    uint32_t array[2] = {5, 6};
    textureLoader.loadTargaTexture(array, "pics\\missing", 1);
    textureLoader.loadTargaTexture(array, "pics\\grey", 1);
    EXPECT_EQ(array[1], 6u);
    EXPECT_EQ(boxes(),
              (std::vector<std::string>{"Bitmap dosyasi bulunamadi..", "Jpeg dosyasi bulunamadi!",
                                        "TGA dosyasi bulunamadi.."}));
    const std::vector<std::string> log = newLogLines();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], "<p> Jpeg Adi : pics\\missing.jpg  </p>");
    EXPECT_EQ(log[1], "<p> Jpeg Adi : pics\\broken.jpg  </p>");
}

TEST_F(TextureLoading, MaterialLoaderMessagesAndLogLines) {
    FrameTexture frame;
    frame.texture = 9;
    EXPECT_FALSE(frame.loadBitmap("pics\\missing"));
    EXPECT_FALSE(frame.loadBitmap("pics\\broken"));
    EXPECT_FALSE(frame.loadTarga("pics\\missing"));
    EXPECT_FALSE(frame.loadTarga("pics\\grey"));
    EXPECT_FALSE(frame.loadJpeg("pics\\missing"));
    EXPECT_EQ(frame.texture, 9u);
    EXPECT_TRUE(frame.loadBitmap("pics\\two"));
    EXPECT_TRUE(frame.loadTarga("pics\\narrow"));
    EXPECT_TRUE(frame.loadJpeg("pics\\two"));

    EXPECT_EQ(boxes(), (std::vector<std::string>{"Bitmap acilamadi : pics\\missing.bmp",
                                                 "Bitmap yuklenemedi : pics\\broken.bmp",
                                                 "Tga dosyasi acilamadi : pics\\missing.tga",
                                                 "Jpeg dosyasi bulunamadi!"}));
    // The Targa line comes as soon as the file opens, before decoding; JPEG's names the base.
    EXPECT_EQ(newLogLines(), (std::vector<std::string>{
                                 "<p> Bitmap acilamadi : pics\\missing.bmp </p>",
                                 "<p> Bitmap yuklenemedi : pics\\broken.bmp </p>",
                                 "<p> Tga dosyasi acilamadi : pics\\missing.tga </p>",
                                 "<p> Golge dokusu : pics\\grey.tga </p>",
                                 "<p> Jpeg Adi : pics\\missing.jpg  </p>",
                                 "<p> Golge dokusu : pics\\two.bmp </p>",
                                 "<p> Golge dokusu : pics\\narrow.tga </p>",
                                 "<p> Jpeg Adi : pics\\two.jpg  </p>",
                                 "<p> Golge dokusu : pics\\two </p>",
                             }));
}

TEST_F(TextureLoading, LongestBaseNames) {
    // Base name + 4 extension characters + terminator: 250 bytes for the game loaders,
    // 200 for the material loaders. A name one longer is refused even though the file exists.
    for (size_t length : {194u, 195u, 196u, 244u, 245u, 246u}) {
        const std::string base = "pics\\" + std::string(length - 5, 'n');
        const std::string file = "pics/" + std::string(length - 5, 'n');
        writeFile(file + ".bmp", twoRowBitmap());
        writeFile(file + ".tga", narrowTarga(24));
        writeTwoRowJpeg((file + ".jpg").c_str());
        SCOPED_TRACE(length);

        uint32_t handle = 0;
        EXPECT_EQ(textureLoader.loadBitmapTexture(handle, base.c_str()), length <= 245);
        EXPECT_EQ(textureLoader.loadJpegTexture(handle, base.c_str()), length <= 245);
        uint32_t array[1] = {};
        textureLoader.loadTargaTexture(array, base.c_str(), 0);
        EXPECT_EQ(array[0] != 0, length <= 245);

        FrameTexture frame;
        EXPECT_EQ(frame.loadBitmap(base.c_str()), length <= 195);
        EXPECT_EQ(frame.loadTarga(base.c_str()), length <= 195);
        EXPECT_EQ(frame.loadJpeg(base.c_str()), length <= 195);
    }
}
