#include <gtest/gtest.h>

#include "render/image_bitmap.h"
#include "tests/render/picture_fixtures.h"

namespace {

// Odd width, crossing a byte at 1 and 4 bits: every depth needs row padding.
constexpr int kWidth = 9, kHeight = 3;
const uint8_t kColors[2][3] = {{255, 0, 0}, {0, 255, 0}};

int pick(int x, int row) {
    return (x * 7 + row * 3) % 5 < 2;
}

ImagePtr decode(const Bytes& file) {
    return decodeBitmap(file.data(), file.size());
}

} // namespace

TEST(Bitmap, EveryDepthAndRowOrderGivesRgbBottomRowFirst) {
    Bytes expected;
    for (int row = 0; row < kHeight; ++row)
        for (int x = 0; x < kWidth; ++x)
            expected.insert(expected.end(), kColors[pick(x, row)], kColors[pick(x, row)] + 3);
    for (int bits : {1, 4, 8, 24, 32})
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, top-down " << topDown);
            ImagePtr image = decode(bitmapFile(bits, kWidth, kHeight, topDown, pick, kColors));
            ASSERT_TRUE(image);
            EXPECT_EQ(image->components, 3);
            EXPECT_EQ(image->width, kWidth);
            EXPECT_EQ(image->height, kHeight);
            EXPECT_EQ(Bytes(image->pixels, image->pixels + image->byteCount()), expected);
        }
    EXPECT_TRUE(writeFile("pic.bmp", bitmapFile(24, 1, 1, false, pick, kColors)));
    EXPECT_TRUE(readBitmap("pic.bmp"));
    EXPECT_FALSE(readBitmap("missing.bmp"));
}

TEST(Bitmap, RefusesMalformedFiles) {
    const Bytes good = bitmapFile(24, kWidth, kHeight, false, pick, kColors);
    auto with = [&](size_t offset, Bytes bytes) {
        Bytes file = good;
        std::copy(bytes.begin(), bytes.end(), file.begin() + long(offset));
        return file;
    };
    // The last row's padding may be missing; its pixels may not.
    EXPECT_TRUE(decode(Bytes(good.begin(), good.end() - 1)));
    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"last row cut", Bytes(good.begin(), good.end() - 2)},
        {"pixel offset past the end", with(10, {0xFF, 0xFF, 0, 0})},
        {"zero width", with(18, {0, 0, 0, 0})},
        {"height beyond the data", with(22, {0, 1, 0, 0})},
        {"most negative height", with(22, {0, 0, 0, 0x80})},
        {"run-length compressed", with(30, {1})},
        {"cut inside the header", Bytes(good.begin(), good.begin() + 30)},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(decode(c.file)) << c.what;
}
