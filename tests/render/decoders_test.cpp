#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

#include "render/image_bitmap.h"
#include "render/image_jpeg.h"
#include "render/image_targa.h"
#include "tests/render/picture_fixtures.h"

namespace {

// The pixels, or nothing when the decoder refused.
Bytes pixelsOf(const ImagePtr& image, int components) {
    if (!image) return {};
    EXPECT_EQ(image->components, components);
    return Bytes(image->pixels, image->pixels + image->byteCount());
}
Bytes patched(Bytes file, size_t at, uint8_t value) {
    file.at(at) = value;
    return file;
}
// 32-bit pictures keep their alpha.
Bytes targa(const Bytes& file) {
    return pixelsOf(decodeTarga(file.data(), file.size()),
                    file.size() > 16 && file[16] == 32 ? 4 : 3);
}

// Odd width, crossing a byte at 1 and 4 bits: every depth needs row padding.
constexpr int WIDTH = 9, HEIGHT = 3;
const uint8_t COLORS[2][3] = {{255, 0, 0}, {0, 255, 0}};
int pick(int x, int row) {
    return (x * 7 + row * 3) % 5 < 2;
}
ImagePtr bitmap(const Bytes& file) {
    return decodeBitmap(file.data(), file.size());
}

TEST(Targa, PixelsInFileOrderWithRedAndBlueInPlace) {
    Bytes longRun = {3, 2, 1};
    for (int i = 0; i < 128; ++i)
        longRun = longRun + Bytes{6, 5, 4};
    const struct {
        Bytes file, pixels; // no pixels: refused
    } cases[] = {
        // Bottom-up 2 × 2: the file's first row stays first.
        {targaHeader(2, 2, 2, 24) + Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}},
        {targaHeader(2, 5, 1, 16) + le({0x7FFF, 0x8000, 0x7C00, 0x03E0, 0x001F}, 2),
         {0xF8, 0xF8, 0xF8, 0, 0, 0, 0xF8, 0, 0, 0, 0xF8, 0, 0, 0, 0xF8}},
        // Run length: a raw packet of one pixel, then a run of 128; packets running past the
        // last pixel are cut there.
        {targaHeader(10, 129, 1, 24) + Bytes{0, 1, 2, 3, 255, 4, 5, 6}, longRun},
        {targaHeader(10, 3, 1, 32) + Bytes{0, 1, 2, 3, 9, 129, 4, 5, 6, 7},
         {3, 2, 1, 9, 6, 5, 4, 7, 6, 5, 4, 7}},
        {targaHeader(10, 2, 1, 24) + Bytes{3, 1, 1, 1, 2, 2, 2}, {1, 1, 1, 2, 2, 2}},
        // An identification field and a colour map (3 entries of 24, then 15 bits) are skipped.
        {targaHeader(2, 2, 1, 24, 2, 3, 24) + Bytes{1, 2, 3, 4, 5, 6}, {3, 2, 1, 6, 5, 4}},
        {targaHeader(10, 2, 1, 24, 0, 3, 15) + Bytes{129, 1, 2, 3}, {3, 2, 1, 3, 2, 1}},
        // Refused: colour-mapped pictures, even at a true-colour depth; run-length 16 bits, data
        // cut short, a colour map reaching past the end, no pixels, a header cut short, a huge
        // size in a tiny file.
        {targaHeader(1, 1, 1, 24, 0, 2, 24) + Bytes(3, 1), {}},
        {patched(targaHeader(2, 1, 1, 24, 0, 1, 24) + Bytes{1, 2, 3}, 5, 200), {}},
        {targaHeader(10, 1, 1, 16) + Bytes{0, 0, 0}, {}},
        {targaHeader(10, 4, 1, 24) + Bytes{1, 0, 0, 0}, {}},
        {targaHeader(10, 2, 1, 24) + Bytes{0, 1, 2, 3}, {}}, // ends after a whole packet
        {targaHeader(2, 0, 4, 24), {}},
        {Bytes(17, 0), {}},
        {targaHeader(2, 65535, 65535, 32) + Bytes(64, 0), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(targa(c.file), c.pixels) << &c - cases;
}

TEST(Bitmap, EveryDepthAndRowOrderGivesRgbBottomRowFirst) {
    Bytes expected;
    for (int i = 0; i < WIDTH * HEIGHT; ++i)
        expected.insert(expected.end(), COLORS[pick(i % WIDTH, i / WIDTH)],
                        COLORS[pick(i % WIDTH, i / WIDTH)] + 3);
    for (int bits : {1, 4, 8, 24, 32})
        for (bool topDown : {false, true}) {
            ImagePtr image = bitmap(bitmapFile(bits, WIDTH, HEIGHT, topDown, pick, COLORS));
            ASSERT_TRUE(image) << bits << " bits";
            EXPECT_EQ(image->width, WIDTH);
            EXPECT_EQ(pixelsOf(image, 3), expected) << bits << " bits, top-down " << topDown;
        }
}

// One row of 16- or 32-bit pixels; with masks (red, green, blue) a bit-field bitmap whose
// masks follow a 40-byte header or sit inside a larger one of headerSize bytes.
Bytes directBitmap(int bits, const std::vector<uint32_t>& pixels,
                   const std::vector<uint32_t>& masks = {}, uint32_t headerSize = 40) {
    const uint32_t width = uint32_t(pixels.size()), stride = (width * bits + 31) / 32 * 4;
    const uint32_t offset = 14 + (masks.empty() || headerSize > 40 ? headerSize : 52);
    Bytes out = Bytes{'B', 'M'} + le({offset + stride, 0, offset, headerSize, width, 1}, 4) +
                le({1, uint32_t(bits)}, 2) + le({masks.empty() ? 0u : 3u, 0, 0, 0, 0, 0}, 4);
    for (uint32_t mask : masks)
        out = out + le({mask}, 4);
    out.resize(offset);
    for (uint32_t p : pixels)
        out = out + le({p}, bits / 8);
    out.resize(offset + stride);
    return out;
}

TEST(Bitmap, DirectColourPixelsThroughTheirMasks) {
    const uint32_t r565 = 0xF800, g565 = 0x07E0, b565 = 0x001F;
    const struct {
        Bytes file, pixels;
    } cases[] = {
        // 16 bits without masks: 5 bits a channel, red at the top.
        {directBitmap(16, {0x7FFF, 0x8000, 0x7C00, 0x03E0, 0x001F, 0x4210}),
         {255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 131, 131, 131}},
        {directBitmap(32, {0x00112233, 0xFF000000}), {0x11, 0x22, 0x33, 0, 0, 0}},
        // Bit fields after the 40-byte header and inside a 108-byte one.
        {directBitmap(16, {r565, g565, b565, 0x8410}, {r565, g565, b565}),
         {255, 0, 0, 0, 255, 0, 0, 0, 255, 131, 129, 131}},
        {directBitmap(32, {0x00112233}, {0xFF, 0xFF00, 0xFF0000}, 108), {0x33, 0x22, 0x11}},
        {directBitmap(16, {0x0F00}, {0x0F00, 0, 0x00F0}), {255, 0, 0}}, // no green: zero
    };
    for (const auto& c : cases)
        EXPECT_EQ(pixelsOf(bitmap(c.file), 3), c.pixels) << &c - cases;
}

TEST(Bitmap, RefusesMalformedFiles) {
    const Bytes good = bitmapFile(24, WIDTH, HEIGHT, false, pick, COLORS);
    auto with = [&](size_t offset, Bytes bytes) {
        Bytes file = good;
        for (size_t i = 0; i < bytes.size(); ++i)
            file.at(offset + i) = bytes[i];
        return file;
    };
    // The last row's padding may be missing; its pixels may not.
    EXPECT_TRUE(bitmap(Bytes(good.begin(), good.end() - 1)));
    Bytes masksCut = with(14, {44}); // bit-field masks past a header too short to hold them
    masksCut[18] = 1, masksCut[28] = 32, masksCut[30] = 3;
    const Bytes cases[] = {
        Bytes(good.begin(), good.end() - 2),    // last row cut
        with(10, {0xFF, 0xFF, 0, 0}),           // pixel offset past the end
        with(18, {0, 0, 0, 0}),                 // zero width
        with(22, {0, 0, 0, 0x80}),              // most negative height
        with(30, {1}),                          // run-length 8 with 24 bits
        Bytes(good.begin(), good.begin() + 30), // cut inside the header
        masksCut,
    };
    for (const auto& c : cases)
        EXPECT_FALSE(bitmap(c)) << &c - cases;
}

// Indices into the palette, rows from the bottom; runs and deltas reaching outside the picture
// are cut at its edges, skipped pixels show entry 0.
TEST(Bitmap, RunLengthEightAndFourBits) {
    const uint8_t palette[4][3] = {{10, 20, 30}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    const struct {
        int bits, width, height;
        Bytes data;
        std::vector<int> indices; // empty: refused
    } cases[] = {
        // A run, a literal of three running one past the edge (padded), end of line; a delta
        // to (2, 1), a run of one, end of line; a run of seven over a row of five, end.
        {8,
         5,
         3,
         {3, 1, 0, 3, 2, 3, 2, 0, 0, 0, 0, 2, 2, 0, 1, 3, 0, 0, 7, 2, 0, 1},
         {1, 1, 1, 2, 3, 0, 0, 3, 0, 0, 2, 2, 2, 2, 2}},
        // Nibbles alternate in a run; a literal of three in two bytes (no padding).
        {4, 5, 2, {5, 0x12, 0, 0, 0, 3, 0x31, 0x20, 1, 0x30, 0, 1}, {1, 2, 1, 2, 1, 3, 1, 2, 3, 0}},
        // Runs and a delta far outside the picture; a file ending without its end mark.
        {8, 2, 1, {255, 1, 0, 2, 255, 255, 255, 2, 0, 1}, {1, 1}},
        {8, 3, 2, {3, 1, 0, 0, 1}, {1, 1, 1, 0, 0, 0}},
        {4, 3, 1, {0, 3, 0x12}, {0, 0, 0}},
        // Refused: stored top-down, a huge picture from a few bytes.
        {8, 2, -1, {2, 1, 0, 1}, {}},
        {8, 32768, 32768, {0, 1}, {}},
    };
    for (const auto& c : cases) {
        const Bytes pixels =
            pixelsOf(bitmap(runLengthBitmap(c.bits, c.width, c.height, c.data, palette)), 3);
        Bytes expected;
        for (int index : c.indices)
            expected.insert(expected.end(), palette[index], palette[index] + 3);
        EXPECT_EQ(pixels, expected) << &c - cases;
    }
    // 4 bits marked run-length 8.
    EXPECT_FALSE(bitmap(patched(runLengthBitmap(4, 2, 1, {2, 0x11, 0, 1}, palette), 30, 1)));
}

// Grey is widened to RGB. Files from print-oriented programs store the inks inverted: each channel
// is (255 − ink) × (255 − black) / 255, as reference decoders give it.
TEST(Jpeg, GreyCmykAndYcckBecomeRgbAndFatalErrorsAreReturned) {
    // Stored C, M, Y, K (255 − ink): magenta and yellow ink make red; the second mixes all four.
    const uint8_t light[1] = {200}, dark[1] = {40}, redStored[4] = {255, 0, 0, 255},
                  mixedStored[4] = {127, 255, 191, 204};
    const struct {
        int components;
        const uint8_t *top, *bottom;
        J_COLOR_SPACE stored;
        Bytes topRgb, bottomRgb; // a reference decoder gives the mix as 101, 204, 152
        int tolerance;
    } cases[] = {
        {1, light, dark, JCS_UNKNOWN, {200, 200, 200}, {40, 40, 40}, 6},
        {4, redStored, mixedStored, JCS_CMYK, {255, 0, 0}, {102, 204, 153}, 3},
        {4, redStored, mixedStored, JCS_YCCK, {255, 0, 0}, {102, 204, 153}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        ASSERT_TRUE(writeJpeg("in.jpg", 16, 16, c.components, c.top, c.bottom, c.stored));
        const Bytes pixels = pixelsOf(readJpeg("in.jpg"), 3);
        ASSERT_EQ(pixels.size(), 16u * 16 * 3);
        for (size_t k = 0; k < 3; ++k) {
            EXPECT_NEAR(pixels[k], c.topRgb[k], c.tolerance) << k;
            EXPECT_NEAR(pixels[pixels.size() - 3 + k], c.bottomRgb[k], c.tolerance) << k;
        }
    }
    ASSERT_TRUE(writeFile("not.jpg", Bytes(64, 0x42)));
    char error[JMSG_LENGTH_MAX] = "";
    EXPECT_FALSE(readJpeg("not.jpg", error, sizeof error));
    EXPECT_STRNE(error, "");
}

} // namespace

// A few bytes may announce a picture too large to decode: refused before any decoding.
TEST(Jpeg, AnnouncedSizeBeyondTheLimitIsRefused) {
    const uint8_t grey[1] = {128};
    ASSERT_TRUE(writeJpeg("small.jpg", 16, 16, 1, grey, grey, JCS_UNKNOWN));
    std::ifstream in("small.jpg", std::ios::binary);
    const Bytes file{std::istreambuf_iterator<char>(in), {}};
    size_t frame = 0; // the baseline frame header: FF C0, length, precision, height, width
    while (frame + 9 < file.size() && !(file[frame] == 0xFF && file[frame + 1] == 0xC0))
        ++frame;
    ASSERT_LT(frame + 9, file.size());
    for (auto [width, height] : {std::pair{10000, 10000}, {16385, 16}, {16, 16385}}) {
        Bytes big = file;
        big[frame + 5] = uint8_t(height >> 8), big[frame + 6] = uint8_t(height);
        big[frame + 7] = uint8_t(width >> 8), big[frame + 8] = uint8_t(width);
        char error[JMSG_LENGTH_MAX] = "";
        EXPECT_FALSE(decodeJpeg(big.data(), big.size(), error, sizeof error))
            << width << "x" << height;
        EXPECT_STREQ(error, "picture too large") << width << "x" << height;
    }
}
