#include <gtest/gtest.h>

#include "render/image_jpeg.h"
#include "tests/render/picture_fixtures.h"

namespace {

void expectNear(const uint8_t* pixel, std::initializer_list<int> want, const char* where) {
    int c = 0;
    for (int w : want)
        EXPECT_NEAR(pixel[c++], w, 6) << where << " component " << c;
}

} // namespace

TEST(Jpeg, TopRowFirstAndGreyWidenedToRgb) {
    const uint8_t red[3] = {250, 10, 10}, blue[3] = {10, 10, 250};
    ASSERT_TRUE(writeJpeg("colour.jpg", 16, 16, 3, red, blue));
    ImagePtr image = readJpeg("colour.jpg");
    ASSERT_TRUE(image);
    ASSERT_EQ(image->components, 3);
    ASSERT_EQ(image->byteCount(), 16u * 16 * 3);
    expectNear(image->pixels, {250, 10, 10}, "first row");
    expectNear(image->pixels + image->byteCount() - 3, {10, 10, 250}, "last row");

    const uint8_t light[1] = {200}, dark[1] = {40};
    ASSERT_TRUE(writeJpeg("grey.jpg", 24, 8, 1, light, dark));
    image = readJpeg("grey.jpg");
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

    EXPECT_FALSE(readJpeg("missing.jpg"));
}
