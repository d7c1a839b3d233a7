#include <cstring>
#include <gtest/gtest.h>
#include <iconv.h>
#include <string>

#include "text/cp1254.h"

// The table must agree with the C library's own converter on every defined byte.
TEST(Cp1254, TableMatchesSystemConverter) {
    iconv_t cd = iconv_open("UTF-8", "CP1254");
    ASSERT_NE(cd, (iconv_t)-1);
    for (int b = 1; b < 256; ++b) {
        char in[1] = {char(b)};
        char out[8] = {};
        char* ip = in;
        char* op = out;
        size_t il = 1, ol = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &ip, &il, &op, &ol) == size_t(-1)) continue; // no character there
        EXPECT_EQ(cp1254::toUtf8(std::string(1, char(b))), std::string(out, op)) << "byte " << b;
    }
    iconv_close(cd);
}

TEST(Cp1254, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    std::string back;
    ASSERT_TRUE(cp1254::fromUtf8(cp1254::toUtf8(all), back));
    EXPECT_EQ(back, all);
}

TEST(Cp1254, TurkishLettersAndRefusals) {
    std::string out;
    ASSERT_TRUE(cp1254::fromUtf8("ĞÜŞİÖÇğüşıöç", out));
    EXPECT_EQ(out, "\xD0\xDC\xDE\xDD\xD6\xC7\xF0\xFC\xFE\xFD\xF6\xE7");

    size_t bad = 0;
    EXPECT_FALSE(cp1254::fromUtf8("ab\xE2\x82", out, &bad)); // truncated sequence
    EXPECT_EQ(bad, 2u);
    EXPECT_FALSE(cp1254::fromUtf8("x→y", out, &bad)); // arrow has no byte
    EXPECT_EQ(bad, 1u);
    EXPECT_FALSE(cp1254::fromUtf8("\xC0\xAF", out, &bad)); // overlong
    EXPECT_EQ(cp1254::fromUtf8Lossy("a→ş"), "a\xFE");
}

TEST(Cp1254, CompileTimeLiteral) {
    static_assert(cp1254::fromUnicode(U'ı') == 0xFD);
    EXPECT_STREQ("TAKTİK ve ANTREMAN"_w, "TAKT\xDDK ve ANTREMAN");
    EXPECT_STREQ("Yükle"_w, "Y\xFCkle");
    EXPECT_STREQ("Line AntiAnaliz "_w, "Line AntiAnaliz ");
    EXPECT_EQ(std::strlen("ZG Topluluğu"_w), 12u);
}
