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

// A paragraph after the head, then the closing lines, whose date paragraph wraps a paragraph
// of its own; a second start begins the file afresh.
TEST_F(DebugLogTest, ParagraphsClosingLinesAndASecondStart) {
    {
        DebugLog log;
        log.writeParagraph("Golge dokusu : %s", "veri\\doku\\cim");
    }
    const std::vector<std::string> lines = logLines();
    const auto mine =
        std::find(lines.begin(), lines.end(), "<p> Golge dokusu : veri\\doku\\cim </p>");
    ASSERT_LE(mine + 5, lines.end());
    EXPECT_EQ(lines.front(), "<html>");
    EXPECT_EQ(mine[1], "<p> Proje Baslangic Zamani:10/07/2003 - Temmuz</p>");
    EXPECT_TRUE(std::regex_match(mine[2], std::regex("<p> <p> Son Guncelleme Zamani: [A-Z][a-z]{2} "
                                                     "[ 0-9][0-9] [0-9]{4} Saat: "
                                                     "[0-9]{2}:[0-9]{2}:[0-9]{2}")))
        << mine[2];
    EXPECT_EQ(mine[3], "</p> </p>");
    EXPECT_EQ(lines.back(), "</html>");

    DebugLog second;
    EXPECT_EQ(logLines(), std::vector(lines.begin(), mine));
}

TEST_F(DebugLogTest, MessagesAreExpandedOnceOnly) {
    DebugLog log;
    EXPECT_TRUE(log.writeParagraph("Jpeg Adi : %s ", "veri\\%s%n%d"));
    EXPECT_TRUE(log.writeParagraph("%s", "100% %x"));
    EXPECT_TRUE(log.writeLine("a%%b %d", 7));
    const std::vector<std::string> lines = logLines();
    EXPECT_EQ(std::vector(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"<p> Jpeg Adi : veri\\%s%n%d  </p>", "<p> 100% %x </p>",
                                        "a%b 7"}));
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
