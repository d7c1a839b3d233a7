#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

#include <jpeglib.h>

#include "render/image_jpeg.h"
#include "tests/render/picture_fixtures.h"

namespace {

// Writes a JPEG whose top half is `top` and bottom half `bottom` (grey when components is 1).
bool writeJpeg(const char* path, int width, int height, int components, const uint8_t* top,
               const uint8_t* bottom) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    Bytes row(size_t(width * components));
    while (info.next_scanline < info.image_height) {
        const uint8_t* color = int(info.next_scanline) < height / 2 ? top : bottom;
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c)
                row[size_t(x * components + c)] = color[c];
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

void expectNear(const uint8_t* pixel, std::initializer_list<int> want, const char* where) {
    int c = 0;
    for (int w : want)
        EXPECT_NEAR(pixel[c++], w, 6) << where << " component " << c;
}

} // namespace

TEST(Jpeg, TopRowOfThePictureComesFirst) {
    const uint8_t red[3] = {250, 10, 10}, blue[3] = {10, 10, 250};
    ASSERT_TRUE(writeJpeg("colour.jpg", 16, 16, 3, red, blue));
    ImagePtr image = readJpeg("colour.jpg");
    ASSERT_TRUE(image);
    ASSERT_EQ(image->components, 3);
    ASSERT_EQ(image->width, 16);
    ASSERT_EQ(image->height, 16);
    expectNear(image->pixels, {250, 10, 10}, "first row");
    expectNear(image->pixels + 15 * 16 * 3 + 15 * 3, {10, 10, 250}, "last row");
}

TEST(Jpeg, GreyPictureIsWidenedToRgb) {
    const uint8_t light[1] = {200}, dark[1] = {40};
    ASSERT_TRUE(writeJpeg("grey.jpg", 24, 8, 1, light, dark));
    ImagePtr image = readJpeg("grey.jpg");
    ASSERT_TRUE(image);
    ASSERT_EQ(image->components, 3);
    expectNear(image->pixels, {200, 200, 200}, "first pixel");
    expectNear(image->pixels + image->byteCount() - 3, {40, 40, 40}, "last pixel");
}

TEST(Jpeg, FatalErrorsComeBackAsFailures) {
    ASSERT_TRUE(writeFile("not.jpg", Bytes(64, 0x42)));
    char error[JMSG_LENGTH_MAX] = "unchanged";
    EXPECT_FALSE(readJpeg("not.jpg", error, sizeof error));
    EXPECT_STRNE(error, "unchanged");
    EXPECT_STRNE(error, "");

    // A header claiming a picture far beyond any texture is refused before allocating.
    const uint8_t any[3] = {0, 0, 0};
    ASSERT_TRUE(writeJpeg("wide.jpg", 16, 16, 3, any, any));
    std::FILE* file = std::fopen("wide.jpg", "rb");
    Bytes bytes(4096);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
    for (size_t i = 0; i + 8 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) { // start of frame: height, width
            bytes[i + 5] = bytes[i + 7] = 0xFF;
            break;
        }
    ASSERT_TRUE(writeFile("wide.jpg", bytes));
    EXPECT_FALSE(readJpeg("wide.jpg"));

    EXPECT_FALSE(readJpeg("missing.jpg"));
}
