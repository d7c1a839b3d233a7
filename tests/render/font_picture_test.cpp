#include <gtest/gtest.h>
#include <string>

#include "render/image_bitmap.h"
#include "text/cp1254.h"

namespace {

struct Cell {
    int lit = 0;        // texels above black
    int rightmost = -1; // in cell columns
    uint64_t shape = 0; // a hash of the texels, to tell glyphs apart
};

Cell cellOf(const DecodedImage& image, int byte) {
    const int size = image.width / 16;
    const int left = byte % 16 * size;
    const int top = byte / 16 * size; // counted from the picture's top
    Cell cell;
    cell.shape = 1469598103934665603ull;
    for (int y = 0; y < size; ++y) {
        const int row = image.height - 1 - (top + y); // rows come bottom first
        for (int x = 0; x < size; ++x) {
            const uint8_t* p =
                image.pixels + (size_t(row) * size_t(image.width) + size_t(left + x)) * 3;
            EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]) << "byte " << byte << ": not grey";
            if (p[0] == 0) continue;
            ++cell.lit;
            if (x > cell.rightmost) cell.rightmost = x;
            cell.shape =
                (cell.shape ^ uint64_t(y * size + x) ^ (uint64_t(p[0]) << 20)) * 1099511628211ull;
        }
    }
    return cell;
}

} // namespace

// The generated font picture the game loads at start-up.
TEST(FontPicture, GridOfWindows1254GlyphsInsideTheAdvance) {
    ImagePtr image = readBitmap(MENAJER_RUN_DIR "/veri/fnt/cr.bmp");
    ASSERT_TRUE(image) << "build the demo_data target first";
    ASSERT_EQ(image->width, image->height);
    ASSERT_EQ(image->width & (image->width - 1), 0) << "side must be a power of two";
    ASSERT_GE(image->width, 256);
    const int cellSize = image->width / 16;

    Cell cells[256];
    for (int byte = 0; byte < 256; ++byte) {
        cells[byte] = cellOf(*image, byte);
        // Glyphs advance 10 of 16 units: anything further right is covered by the next one.
        EXPECT_LT(cells[byte].rightmost, cellSize * 10 / 16) << "byte " << byte;
    }
    for (int byte : {0, 9, 31, 32, 127, 0x81, 0x9D, 0xA0})
        EXPECT_EQ(cells[byte].lit, 0) << byte;

    const std::string turkish = "ÇçĞğİıÖöŞşÜü"_w;
    const std::string latin = "CcGgIiOoSsUu";
    for (size_t i = 0; i < turkish.size(); ++i) {
        const int letter = uint8_t(turkish[i]);
        const int plain = uint8_t(latin[i]);
        EXPECT_GT(cells[letter].lit, 0) << "byte " << letter;
        EXPECT_NE(cells[letter].shape, cells[plain].shape) << "byte " << letter;
    }
    for (int byte = '!'; byte <= '~'; ++byte)
        EXPECT_GT(cells[byte].lit, 0) << "byte " << byte;
}
