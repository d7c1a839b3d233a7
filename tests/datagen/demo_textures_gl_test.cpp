// The demo data set's pictures through the game's own loaders: each loads without a message
// and shows the right way up; its file has sides of powers of two.
#include <algorithm>
#include <filesystem>
#include <string>

#include "render/image_bitmap.h"
#include "render/image_jpeg.h"
#include "render/image_targa.h"
#include "render/texture_loader.h"
#include "tests/render/gl_fixture.h"

namespace {

class DemoTextures : public GlTest {
protected:
    static void SetUpTestSuite() {
        GlTest::SetUpTestSuite();
        std::error_code ec;
        std::filesystem::remove("veri", ec);
        std::filesystem::create_directory_symlink(MENAJER_RUN_DIR "/veri", "veri", ec);
    }

    // Draws the texture over the whole window and returns the brightness (r + g + b) of the
    // pixel `fromTop` rows below the top and of the one `fromTop` rows above the bottom.
    static std::pair<int, int> topAndBottom(uint32_t texture, int fromTop) {
        glBindTexture(GL_TEXTURE_2D, texture);
        glBegin(GL_QUADS);
        for (const auto& [s, t] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}})
            glTexCoord2i(s, t), glVertex2i(s * W, t * H);
        glEnd();
        const Rgb top = pixel(W / 2 + 100, H - 1 - fromTop), bottom = pixel(W / 2 + 100, fromTop);
        return {top.r + top.g + top.b, bottom.r + bottom.g + bottom.b};
    }
};

} // namespace

TEST_F(DemoTextures, TextureTableLoadsUpright) {
    // Base names as the game passes them; which end of the picture is the lighter one.
    enum { Any, TopLighter, BottomLighter };
    const struct {
        const char* base;
        char kind;
        int lighter;
        int fromTop;
    } pictures[] = {{"veri\\gui\\arka\\arka", 'j', BottomLighter, 20},
                    {"veri\\gui\\arka\\arka2", 'j', TopLighter, 20},
                    {"veri\\gui\\arka\\arka3", 'j', Any, 0},
                    {"veri\\gui\\arka\\arka4", 'j', Any, 0},
                    {"veri\\gui\\arka\\arka5", 'j', Any, 0},
                    {"veri\\gui\\mup", 'b', TopLighter, 60},
                    {"veri\\gui\\arka\\arkas", 't', TopLighter, 60},
                    {"veri\\gui\\dugme", 'b', TopLighter, 150},
                    {"veri\\gui\\dugme2", 'b', TopLighter, 150},
                    {"veri\\gui\\mail", 'b', Any, 0},
                    {"veri\\gui\\mailo", 'b', Any, 0},
                    {"veri\\doku\\saha", 'b', Any, 0},
                    {"veri\\fnt\\cr", 'b', Any, 0}};
    for (const auto& p : pictures) {
        uint32_t handle = 0, slots[1] = {};
        if (p.kind == 'j') textureLoader.loadJpegTexture(handle, p.base);
        if (p.kind == 'b') textureLoader.loadBitmapTexture(handle, p.base);
        if (p.kind == 't') textureLoader.loadTargaTexture(slots, p.base, 0), handle = slots[0];
        ASSERT_NE(handle, 0u) << p.base;
        EXPECT_TRUE(host->messageBoxes.empty()) << p.base;
        std::string file = std::string(MENAJER_RUN_DIR "/") + p.base;
        std::replace(file.begin(), file.end(), '\\', '/');
        ImagePtr image = p.kind == 'j'   ? readJpeg((file + ".jpg").c_str())
                         : p.kind == 't' ? readTarga((file + ".tga").c_str())
                                         : readBitmap((file + ".bmp").c_str());
        ASSERT_TRUE(image) << file;
        EXPECT_EQ(image->components, p.kind == 't' ? 4 : 3) << file;
        for (int side : {image->width, image->height})
            EXPECT_TRUE(side > 0 && (side & (side - 1)) == 0) << file << " " << side;
        if (p.lighter == Any) continue;
        const auto [top, bottom] = topAndBottom(handle, p.fromTop);
        EXPECT_GT(p.lighter == TopLighter ? top - bottom : bottom - top, 0) << p.base;
    }
}
