#include <filesystem>
#include <gtest/gtest.h>

#include "render/image_targa.h"
#include "tests/render/picture_fixtures.h"

namespace {

Bytes pixelsOf(const DecodedImage& image) {
    return Bytes(image.pixels, image.pixels + image.byteCount());
}

ImagePtr decode(const Bytes& file) {
    return decodeTarga(file.data(), file.size());
}

} // namespace

TEST(Targa, RawTrueColourKeepsFileRowOrderAndSwapsRedBlue) {
    // 2 × 2, stored bottom-up: file row 0 is the picture's bottom.
    const Bytes bgr = {1, 2, 3, 4, 5, 6, /* row 2 */ 7, 8, 9, 10, 11, 12};
    ImagePtr rgb = decode(targaHeader(2, 2, 2, 24) + bgr);
    ASSERT_TRUE(rgb);
    EXPECT_EQ(rgb->components, 3);
    EXPECT_EQ(pixelsOf(*rgb), (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));

    const Bytes bgra = {1, 2, 3, 200, 4, 5, 6, 100};
    ImagePtr rgba = decode(targaHeader(2, 2, 1, 32) + bgra);
    ASSERT_TRUE(rgba);
    EXPECT_EQ(rgba->components, 4);
    EXPECT_EQ(pixelsOf(*rgba), (Bytes{3, 2, 1, 200, 6, 5, 4, 100}));

    // The image identification field is skipped; the data start right after it.
    ImagePtr withId = decode(targaHeader(2, 1, 1, 24, 5) + Bytes{10, 20, 30});
    ASSERT_TRUE(withId);
    EXPECT_EQ(pixelsOf(*withId), (Bytes{30, 20, 10}));
}

TEST(Targa, SixteenBitPixels) {
    Bytes data;
    for (unsigned p : {0x7FFFu, 0x8000u, 0x7C00u, 0x03E0u, 0x001Fu})
        put16(data, p);
    ImagePtr image = decode(targaHeader(2, 5, 1, 16) + data);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->components, 3);
    EXPECT_EQ(pixelsOf(*image),
              (Bytes{0xF8, 0xF8, 0xF8, 0, 0, 0, 0xF8, 0, 0, 0, 0xF8, 0, 0, 0, 0xF8}));
}

TEST(Targa, RunLengthPackets) {
    // A raw packet of one pixel, then a run of 128: 129 pixels.
    const Bytes packets = {0, 1, 2, 3, 255, 4, 5, 6};
    ImagePtr image = decode(targaHeader(10, 129, 1, 24) + packets);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->byteCount(), 129u * 3);
    EXPECT_EQ(Bytes(image->pixels, image->pixels + 6), (Bytes{3, 2, 1, 6, 5, 4}));
    EXPECT_EQ(Bytes(image->pixels + 128 * 3, image->pixels + 129 * 3), (Bytes{6, 5, 4}));

    // 32 bits keep their alpha through both packet kinds.
    ImagePtr rgba = decode(targaHeader(10, 3, 1, 32) + Bytes{0, 1, 2, 3, 9, 129, 4, 5, 6, 7});
    ASSERT_TRUE(rgba);
    EXPECT_EQ(pixelsOf(*rgba), (Bytes{3, 2, 1, 9, 6, 5, 4, 7, 6, 5, 4, 7}));

    // Packets running past the last pixel are cut there, raw or run.
    ImagePtr cutRun = decode(targaHeader(10, 2, 2, 24) + Bytes{255, 7, 8, 9});
    ASSERT_TRUE(cutRun);
    EXPECT_EQ(cutRun->byteCount(), 12u);
    ImagePtr cutRaw = decode(targaHeader(10, 2, 1, 24) + Bytes{3, 1, 1, 1, 2, 2, 2});
    ASSERT_TRUE(cutRaw);
    EXPECT_EQ(pixelsOf(*cutRaw), (Bytes{1, 1, 1, 2, 2, 2}));
}

TEST(Targa, RefusesWhatItCannotDecode) {
    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"8-bit grey", targaHeader(3, 2, 2, 8) + Bytes(4, 0x80)},
        {"8-bit colour-mapped", targaHeader(1, 2, 2, 8) + Bytes(4, 1)},
        {"run-length 16-bit", targaHeader(10, 1, 1, 16) + Bytes{0, 0, 0}},
        {"raw data cut short", targaHeader(2, 4, 4, 24) + Bytes(47, 0)},
        {"run-length data cut short", targaHeader(10, 4, 1, 24) + Bytes{1, 0, 0, 0}},
        {"run pixel missing", targaHeader(10, 4, 1, 24) + Bytes{130, 0}},
        {"no pixels", targaHeader(2, 0, 4, 24)},
        {"header cut short", Bytes(17, 0)},
        {"huge size, tiny file", targaHeader(2, 65535, 65535, 32) + Bytes(64, 0)},
        {"image id past the end", Bytes{200, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 24, 0}},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(decode(c.file)) << c.what;
}

TEST(Targa, ReadsDataNamesFromDisk) {
    std::filesystem::create_directories("tga");
    ASSERT_TRUE(writeFile("tga/pic.tga", targaHeader(2, 1, 1, 24) + Bytes{1, 2, 3}));
    ImagePtr image = readTarga("tga\\pic.tga");
    ASSERT_TRUE(image);
    EXPECT_EQ(pixelsOf(*image), (Bytes{3, 2, 1}));
    EXPECT_FALSE(readTarga("tga\\missing.tga"));
    EXPECT_FALSE(readTarga(nullptr));
}
