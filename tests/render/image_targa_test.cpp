#include <filesystem>
#include <gtest/gtest.h>

#include "render/image_targa.h"
#include "tests/render/picture_fixtures.h"

namespace {

Bytes decoded(const Bytes& file, int components) {
    ImagePtr image = decodeTarga(file.data(), file.size());
    if (!image) return {};
    EXPECT_EQ(image->components, components);
    return Bytes(image->pixels, image->pixels + image->byteCount());
}

} // namespace

TEST(Targa, PixelsInFileOrderWithRedAndBlueInPlace) {
    // Bottom-up 2 × 2: the file's first row stays first.
    EXPECT_EQ(decoded(targaHeader(2, 2, 2, 24) + Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 3),
              (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
    EXPECT_EQ(decoded(targaHeader(2, 2, 1, 32) + Bytes{1, 2, 3, 200, 4, 5, 6, 100}, 4),
              (Bytes{3, 2, 1, 200, 6, 5, 4, 100}));
    // The identification field is skipped.
    EXPECT_EQ(decoded(targaHeader(2, 1, 1, 24, 5) + Bytes{10, 20, 30}, 3), (Bytes{30, 20, 10}));
    Bytes sixteen;
    for (unsigned p : {0x7FFFu, 0x8000u, 0x7C00u, 0x03E0u, 0x001Fu})
        put16(sixteen, p);
    EXPECT_EQ(decoded(targaHeader(2, 5, 1, 16) + sixteen, 3),
              (Bytes{0xF8, 0xF8, 0xF8, 0, 0, 0, 0xF8, 0, 0, 0, 0xF8, 0, 0, 0, 0xF8}));
}

TEST(Targa, RunLengthPackets) {
    // A raw packet of one pixel, then a run of 128.
    const Bytes pixels = decoded(targaHeader(10, 129, 1, 24) + Bytes{0, 1, 2, 3, 255, 4, 5, 6}, 3);
    ASSERT_EQ(pixels.size(), 129u * 3);
    EXPECT_EQ(Bytes(pixels.begin(), pixels.begin() + 6), (Bytes{3, 2, 1, 6, 5, 4}));
    EXPECT_EQ(Bytes(pixels.end() - 3, pixels.end()), (Bytes{6, 5, 4}));
    EXPECT_EQ(decoded(targaHeader(10, 3, 1, 32) + Bytes{0, 1, 2, 3, 9, 129, 4, 5, 6, 7}, 4),
              (Bytes{3, 2, 1, 9, 6, 5, 4, 7, 6, 5, 4, 7}));
    // Packets running past the last pixel are cut there.
    EXPECT_EQ(decoded(targaHeader(10, 2, 1, 24) + Bytes{255, 7, 8, 9}, 3),
              (Bytes{9, 8, 7, 9, 8, 7}));
    EXPECT_EQ(decoded(targaHeader(10, 2, 1, 24) + Bytes{3, 1, 1, 1, 2, 2, 2}, 3),
              (Bytes{1, 1, 1, 2, 2, 2}));
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
        {"no pixels", targaHeader(2, 0, 4, 24)},
        {"header cut short", Bytes(17, 0)},
        {"huge size, tiny file", targaHeader(2, 65535, 65535, 32) + Bytes(64, 0)},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(decoded(c.file, 0).empty()) << c.what;

    std::filesystem::create_directories("tga");
    ASSERT_TRUE(writeFile("tga/pic.tga", targaHeader(2, 1, 1, 24) + Bytes{1, 2, 3}));
    EXPECT_TRUE(readTarga("tga\\pic.tga"));
    EXPECT_FALSE(readTarga("tga\\missing.tga"));
}
