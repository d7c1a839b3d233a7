#include <gtest/gtest.h>
#include <iconv.h>
#include <string>

#include "text/cp1254.h"

// The table agrees with the C library's own converter on every defined byte, and every byte,
// defined or not, survives a round trip.
TEST(Cp1254, TableMatchesSystemConverterAndEveryByteRoundTrips) {
    iconv_t cd = iconv_open("UTF-8", "CP1254");
    ASSERT_NE(cd, (iconv_t)-1);
    std::string all, back;
    for (int b = 1; b < 256; ++b) {
        all += char(b);
        char in[1] = {char(b)}, out[8] = {};
        char *ip = in, *op = out;
        size_t il = 1, ol = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &ip, &il, &op, &ol) == size_t(-1)) continue; // no character there
        EXPECT_EQ(cp1254::toUtf8(std::string(1, char(b))), std::string(out, op)) << "byte " << b;
    }
    iconv_close(cd);
    ASSERT_TRUE(cp1254::fromUtf8(cp1254::toUtf8(all), back));
    EXPECT_EQ(back, all);
}

TEST(Cp1254, Refusals) {
    std::string out;
    size_t bad = 0;
    EXPECT_FALSE(cp1254::fromUtf8("ab\xE2\x82", out, &bad)); // truncated sequence
    EXPECT_EQ(bad, 2u);
    EXPECT_FALSE(cp1254::fromUtf8("x→y", out, &bad)); // arrow has no byte
    EXPECT_EQ(bad, 1u);
    EXPECT_FALSE(cp1254::fromUtf8("\xC0\xAF", out, &bad)); // overlong
    size_t at = 0;
    EXPECT_EQ(cp1254::decodeUtf8("\xED\xBF\xBF", at), -1); // the last surrogate
    EXPECT_EQ(cp1254::fromUtf8Lossy("a→ş"), "a\xFE");
    // U+0080 has no byte, U+0000 has; a view ends where it ends, even where the bytes after
    // it would complete its last sequence.
    EXPECT_FALSE(cp1254::fromUtf8("\xC2\x80", out));
    EXPECT_TRUE(cp1254::fromUtf8(std::string("a\0b", 3), out) && out == std::string("a\0b", 3));
    EXPECT_FALSE(cp1254::fromUtf8(std::string_view("ab\xE2\x82\xAC", 4), out));
}
