#include <filesystem>
#include <gtest/gtest.h>

#include "render/image_bitmap.h"
#include "tests/render/picture_fixtures.h"

namespace {

constexpr int kWidth = 9; // odd, and crosses a byte for 1 and 4 bits: rows need padding
constexpr int kHeight = 3;
const uint8_t kColors[2][3] = {{255, 0, 0}, {0, 255, 0}};

// Which of the two colours pixel (x, row) has, rows counted from the picture's bottom.
int colorAt(int x, int row) {
    return (x * 7 + row * 3) % 5 < 2;
}

Bytes expectedRgb() {
    Bytes out;
    for (int row = 0; row < kHeight; ++row)
        for (int x = 0; x < kWidth; ++x)
            for (int c = 0; c < 3; ++c)
                out.push_back(kColors[colorAt(x, row)][c]);
    return out;
}

struct Variant {
    int bits;
    bool topDown;
    uint32_t headerSize; // 40 plain, 124 with masks inside, 12 for the old core header
    bool bitFields;
};

Bytes encode(const Variant& v) {
    const bool paletted = v.bits <= 8;
    const int entrySize = v.headerSize == 12 ? 3 : 4;
    const uint32_t paletteBytes = paletted ? (1u << v.bits) * uint32_t(entrySize) : 0;
    const uint32_t maskBytes = v.bitFields && v.headerSize == 40 ? 12 : 0;
    const uint32_t offset = 14 + v.headerSize + maskBytes + paletteBytes;
    const uint32_t stride = (uint32_t(kWidth * v.bits) + 31) / 32 * 4;

    Bytes out = {'B', 'M'};
    put32(out, offset + stride * kHeight);
    put32(out, 0);
    put32(out, offset);
    put32(out, v.headerSize);
    if (v.headerSize == 12) {
        put16(out, kWidth);
        put16(out, kHeight);
        put16(out, 1);
        put16(out, unsigned(v.bits));
    } else {
        put32(out, kWidth);
        put32(out, uint32_t(v.topDown ? -kHeight : kHeight));
        put16(out, 1);
        put16(out, unsigned(v.bits));
        put32(out, v.bitFields ? 3 : 0);
        for (int i = 0; i < 5; ++i)
            put32(out, 0);
        // Masks in the 124-byte header or right after the 40-byte one: 16 bits as 5-6-5.
        const bool wide = v.bits == 32;
        const uint32_t masks[3] = {wide ? 0x0000FF00u : 0xF800u, wide ? 0x00FF0000u : 0x07E0u,
                                   wide ? 0xFF000000u : 0x001Fu};
        if (v.headerSize > 40 || maskBytes)
            for (uint32_t m : masks)
                put32(out, v.bitFields ? m : 0);
        while (out.size() < 14 + v.headerSize + maskBytes)
            out.push_back(0);
    }
    for (uint32_t i = 0; i < (paletted ? 1u << v.bits : 0); ++i) {
        const uint8_t* c = kColors[i == 1 ? 1 : 0];
        out.insert(out.end(), {c[2], c[1], c[0]});
        if (entrySize == 4) out.push_back(0);
    }
    for (int fileRow = 0; fileRow < kHeight; ++fileRow) {
        const int row = v.topDown ? kHeight - 1 - fileRow : fileRow;
        Bytes line(stride, 0);
        for (int x = 0; x < kWidth; ++x) {
            const int index = colorAt(x, row);
            const uint8_t* c = kColors[index];
            if (paletted) {
                const int bit = x * v.bits;
                line[bit / 8] |= uint8_t(index << (8 - v.bits - bit % 8));
            } else if (v.bits == 24) {
                line[x * 3] = c[2], line[x * 3 + 1] = c[1], line[x * 3 + 2] = c[0];
            } else if (v.bits == 16) {
                const unsigned p = v.bitFields ? (c[0] >> 3) << 11 | (c[1] >> 2) << 5 | c[2] >> 3
                                               : (c[0] >> 3) << 10 | (c[1] >> 3) << 5 | c[2] >> 3;
                line[x * 2] = uint8_t(p), line[x * 2 + 1] = uint8_t(p >> 8);
            } else {
                const uint32_t p =
                    v.bitFields ? uint32_t(c[0]) << 8 | uint32_t(c[1]) << 16 | uint32_t(c[2]) << 24
                                : uint32_t(c[0]) << 16 | uint32_t(c[1]) << 8 | c[2];
                for (int k = 0; k < 4; ++k)
                    line[size_t(x * 4 + k)] = uint8_t(p >> (8 * k));
            }
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

ImagePtr decode(const Bytes& file) {
    return decodeBitmap(file.data(), file.size());
}

} // namespace

TEST(Bitmap, EveryDepthAndRowOrderGivesRgbBottomRowFirst) {
    const Variant variants[] = {
        {1, false, 40, false},  {4, false, 40, false},   {8, false, 40, false},
        {24, false, 40, false}, {32, false, 40, false},  {16, false, 40, false},
        {1, true, 40, false},   {8, true, 40, false},    {24, true, 40, false},
        {32, true, 40, false},  {16, false, 40, true},   {32, false, 40, true},
        {32, true, 124, true},  {24, false, 124, false}, {8, false, 12, false},
        {24, false, 12, false},
    };
    const Bytes expected = expectedRgb();
    for (const Variant& v : variants) {
        SCOPED_TRACE(testing::Message() << v.bits << " bits, top-down " << v.topDown << ", header "
                                        << v.headerSize << ", masks " << v.bitFields);
        ImagePtr image = decode(encode(v));
        ASSERT_TRUE(image);
        EXPECT_EQ(image->components, 3);
        EXPECT_EQ(image->width, kWidth);
        EXPECT_EQ(image->height, kHeight);
        EXPECT_EQ(Bytes(image->pixels, image->pixels + image->byteCount()), expected);
    }
}

TEST(Bitmap, LastRowPaddingMayBeMissing) {
    Bytes file = encode({24, false, 40, false});
    file.resize(file.size() - 1); // 27 bytes of pixels in a 28-byte row
    EXPECT_TRUE(decode(file));
    file.resize(file.size() - 1);
    EXPECT_FALSE(decode(file));
}

TEST(Bitmap, PaletteIndexBeyondTheColoursUsedIsBlack) {
    Bytes file = encode({8, false, 40, false});
    file[14 + 32] = 1; // one colour used: index 1 has none
    ImagePtr image = decode(file);
    ASSERT_TRUE(image);
    for (int x = 0; x < kWidth; ++x) {
        const uint8_t* p = image->pixels + x * 3;
        const Bytes want = colorAt(x, 0) ? Bytes{0, 0, 0} : Bytes{255, 0, 0};
        EXPECT_EQ(Bytes(p, p + 3), want) << "x " << x;
    }
}

TEST(Bitmap, RefusesMalformedFiles) {
    const Bytes good = encode({24, false, 40, false});
    auto with = [&](size_t offset, std::initializer_list<uint8_t> bytes) {
        Bytes file = good;
        std::copy(bytes.begin(), bytes.end(), file.begin() + long(offset));
        return file;
    };
    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"no magic", with(0, {'X', 'M'})},
        {"pixel offset past the end", with(10, {0xFF, 0xFF, 0, 0})},
        {"header size past the end", with(14, {0xFF, 0xFF, 0, 0})},
        {"unknown header size", with(14, {20, 0, 0, 0})},
        {"zero width", with(18, {0, 0, 0, 0})},
        {"negative width", with(18, {0xFF, 0xFF, 0xFF, 0xFF})},
        {"height beyond the data", with(22, {0, 1, 0, 0})},
        {"most negative height", with(22, {0, 0, 0, 0x80})},
        {"run-length compressed", with(30, {1, 0, 0, 0})},
        {"two planes", with(26, {2, 0})},
        {"2 bits per pixel", with(28, {2, 0})},
        {"cut inside the header", Bytes(good.begin(), good.begin() + 30)},
        {"empty", Bytes{}},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(decode(c.file)) << c.what;
}

TEST(Bitmap, ReadsDataNamesFromDisk) {
    std::filesystem::create_directories("bmp");
    ASSERT_TRUE(writeFile("bmp/pic.bmp", encode({24, true, 40, false})));
    ImagePtr image = readBitmap("bmp\\pic.bmp");
    ASSERT_TRUE(image);
    EXPECT_EQ(Bytes(image->pixels, image->pixels + image->byteCount()), expectedRgb());
    EXPECT_FALSE(readBitmap("bmp\\missing.bmp"));
}
