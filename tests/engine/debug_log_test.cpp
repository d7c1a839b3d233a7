#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "engine/debug_log.h"
#include "platform_fixture.h"

namespace fs = std::filesystem;

namespace {

// Each test starts without a log file (the test program works in a folder of its own).
class DebugLogTest : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all("rav3d.htm"); }
};

// Expected lines; one ending in '*' gives only the start of a line whose content is free.
void expectLines(const std::vector<std::string>& got, const std::vector<std::string>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        if (want[i].ends_with('*'))
            EXPECT_TRUE(got[i].starts_with(want[i].substr(0, want[i].size() - 1))) << got[i];
        else
            EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
    }
}

const std::vector<std::string> kHead = {
    "<html>",
    "<head>",
    "<title>Rav3d Log</title>",
    "</head>",
    "<body bgcolor=\"#000000\" text=\"#FF0000\" link=\"#FFFFFF\" vlink=\"#FFFFFF\" "
    "alink=\"#FFFFFF\">",
    "<p> ----------------------------------</p>",
    "",
    "",
    "<p> |*",
    "<p> |*",
    "<p> |*",
    "<p> **********************************",
    "</p>",
    "<p>DEBUG LOG:: ",
    "</p>",
};

TEST_F(DebugLogTest, HeadParagraphsClosingLinesAndASecondStart) {
    {
        DebugLog log;
        log.writeParagraph("Golge dokusu : %s", "veri\\doku\\cim");
    }
    std::vector<std::string> want = kHead;
    want.insert(want.end(), {
                                "<p> Golge dokusu : veri\\doku\\cim </p>",
                                "<p> Proje Baslangic Zamani:10/07/2003 - Temmuz</p>",
                                "<p> <p> Son Guncelleme Zamani: *",
                                "</p> </p>",
                                "<p> **********************************</p>",
                                "<p> |*",
                                "<p> ----------------------------------</p>",
                                "</body>",
                                "</html>",
                            });
    const std::vector<std::string> lines = logLines();
    ASSERT_NO_FATAL_FAILURE(expectLines(lines, want));
    EXPECT_TRUE(
        std::regex_match(lines[17], std::regex("<p> <p> Son Guncelleme Zamani: [A-Z][a-z]{2} "
                                               "[ 0-9][0-9] [0-9]{4} Saat: "
                                               "[0-9]{2}:[0-9]{2}:[0-9]{2}")))
        << lines[17];

    DebugLog second; // truncates: the head alone
    expectLines(logLines(), kHead);
}

TEST_F(DebugLogTest, MessagesAreExpandedOnceOnly) {
    DebugLog log;
    EXPECT_TRUE(log.writeParagraph("Jpeg Adi : %s ", "veri\\%s%n%d"));
    EXPECT_TRUE(log.writeParagraph("%s", "100% %x"));
    EXPECT_TRUE(log.writeLine("a%%b %d", 7));
    const std::vector<std::string> lines = logLines();
    ASSERT_EQ(lines.size(), kHead.size() + 3);
    EXPECT_EQ(lines[15], "<p> Jpeg Adi : veri\\%s%n%d  </p>");
    EXPECT_EQ(lines[16], "<p> 100% %x </p>");
    EXPECT_EQ(lines[17], "a%b 7");
}

TEST_F(DebugLogTest, LongParagraphIsCutToTheBound) {
    DebugLog log;
    for (size_t length : {241u, 242u, 243u, 5000u}) {
        log.writeParagraph("%s", std::string(length, 'x').c_str());
        const std::string line = logLines().back();
        const size_t kept = std::min<size_t>(length, DebugLog::PARAGRAPH_LIMIT - 9);
        EXPECT_EQ(line, "<p> " + std::string(kept, 'x') + " </p>") << length;
        EXPECT_LE(line.size(), size_t(DebugLog::PARAGRAPH_LIMIT));
    }
}

TEST_F(DebugLogTest, UnwritableFileLosesMessagesSilently) {
    // A directory in the file's place cannot be opened for writing, even by root.
    fs::create_directory("rav3d.htm");
    {
        DebugLog log;
        EXPECT_FALSE(log.writeLine("satir"));
        EXPECT_FALSE(log.writeParagraph("paragraf %d", 1));
        EXPECT_EQ(log.stream, nullptr);
    }
    EXPECT_TRUE(fs::is_empty("rav3d.htm"));
}

} // namespace
