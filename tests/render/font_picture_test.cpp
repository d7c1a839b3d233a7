#include <gtest/gtest.h>
#include <string>

#include "render/image_bitmap.h"
#include "text/cp1254.h"

// The generated font picture the game loads at start-up.
TEST(FontPicture, GridOfWindows1254GlyphsInsideTheAdvance) {
    ImagePtr image = readBitmap(MENAJER_RUN_DIR "/veri/fnt/cr.bmp");
    ASSERT_TRUE(image) << "build the demo_data target first";
    ASSERT_EQ(image->width, image->height);
    ASSERT_EQ(image->width & (image->width - 1), 0) << "side must be a power of two";
    const int size = image->width / 16;

    int lit[256] = {};
    std::string shape[256]; // a cell's texels, to tell glyphs apart
    for (int byte = 0; byte < 256; ++byte) {
        for (int y = 0; y < size; ++y) {
            const int row = image->height - 1 - (byte / 16 * size + y); // rows come bottom first
            const uint8_t* p = image->pixels + (size_t(row) * image->width + byte % 16 * size) * 3;
            shape[byte].append(reinterpret_cast<const char*>(p), size_t(size) * 3);
            for (int x = 0; x < size; ++x, p += 3) {
                if (!p[0] && !p[1] && !p[2]) continue;
                ++lit[byte];
                // Glyphs advance 10 of 16 units: anything further right is under the next.
                EXPECT_LT(x, size * 10 / 16) << "byte " << byte;
            }
        }
    }
    for (int byte : {0, 9, 31, 32, 127, 0x81, 0x9D, 0xA0})
        EXPECT_EQ(lit[byte], 0) << byte;
    for (int byte = '!'; byte <= '~'; ++byte)
        EXPECT_GT(lit[byte], 0) << byte;
    const std::string turkish = "ÇçĞğİıÖöŞşÜü"_w, latin = "CcGgIiOoSsUu";
    for (size_t i = 0; i < turkish.size(); ++i) {
        EXPECT_GT(lit[uint8_t(turkish[i])], 0) << turkish[i];
        EXPECT_NE(shape[uint8_t(turkish[i])], shape[uint8_t(latin[i])]) << latin[i];
    }
}
