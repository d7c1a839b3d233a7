#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <unistd.h>
#include <vector>

#include "engine/debug_log.h"
#include "platform_fixture.h"

namespace fs = std::filesystem;

namespace {

class DebugLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        home = fs::current_path();
        char pattern[] = "/tmp/debuglogXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        fs::current_path(dir);
    }
    void TearDown() override {
        fs::current_path(home);
        fs::remove_all(dir);
    }
    fs::path home, dir;
};

TEST_F(DebugLogTest, HeadMessagesAndClosingLinesInOrder) {
    {
        DebugLog log;
        log.writeParagraph("Golge dokusu : %s", "veri\\doku\\cim");
    }
    const std::vector<std::string> lines = logLines();
    const std::vector<std::string> head = {
        "<html>",
        "<head>",
        "<title>Rav3d Log</title>",
        "</head>",
        "<body bgcolor=\"#000000\" text=\"#FF0000\" link=\"#FFFFFF\" vlink=\"#FFFFFF\" "
        "alink=\"#FFFFFF\">",
        "<p> ----------------------------------</p>",
        "",
        "",
    };
    ASSERT_EQ(lines.size(), 24u);
    for (size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(lines[i], head[i]) << "line " << i + 1;
    for (size_t i = 8; i < 11; ++i)
        EXPECT_TRUE(lines[i].starts_with("<p> |")) << lines[i];
    EXPECT_EQ(lines[11], "<p> **********************************");
    EXPECT_EQ(lines[12], "</p>");
    EXPECT_EQ(lines[13], "<p>DEBUG LOG:: ");
    EXPECT_EQ(lines[14], "</p>");
    EXPECT_EQ(lines[15], "<p> Golge dokusu : veri\\doku\\cim </p>");

    const std::vector<std::string> tail(lines.begin() + 16, lines.end());
    EXPECT_EQ(tail[0], "<p> Proje Baslangic Zamani:10/07/2003 - Temmuz</p>");
    EXPECT_TRUE(std::regex_match(tail[1], std::regex("<p> <p> Son Guncelleme Zamani: [A-Z][a-z]{2} "
                                                     "[ 0-9][0-9] [0-9]{4} Saat: "
                                                     "[0-9]{2}:[0-9]{2}:[0-9]{2}")))
        << tail[1];
    EXPECT_EQ(tail[2], "</p> </p>");
    EXPECT_EQ(tail[3], "<p> **********************************</p>");
    EXPECT_TRUE(tail[4].starts_with("<p> |")) << tail[4];
    EXPECT_EQ(tail[5], "<p> ----------------------------------</p>");
    EXPECT_EQ(tail[6], "</body>");
    EXPECT_EQ(tail[7], "</html>");
}

TEST_F(DebugLogTest, MessagesAreExpandedOnceOnly) {
    DebugLog log;
    const std::string before = logLines().back();
    EXPECT_TRUE(log.writeParagraph("Jpeg Adi : %s ", "veri\\%s%n%d"));
    EXPECT_TRUE(log.writeParagraph("%s", "100% %x"));
    EXPECT_TRUE(log.writeLine("a%%b %d", 7));
    const std::vector<std::string> lines = logLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "<p> Jpeg Adi : veri\\%s%n%d  </p>");
    EXPECT_EQ(lines[lines.size() - 2], "<p> 100% %x </p>");
    EXPECT_EQ(lines[lines.size() - 1], "a%b 7");
}

TEST_F(DebugLogTest, LongParagraphIsCutToTheBound) {
    DebugLog log;
    for (size_t length : {241u, 242u, 243u, 5000u}) {
        const std::string message(length, 'x');
        log.writeParagraph("%s", message.c_str());
        const std::string line = logLines().back();
        const size_t kept = std::min<size_t>(length, DebugLog::PARAGRAPH_LIMIT - 9);
        EXPECT_EQ(line, "<p> " + std::string(kept, 'x') + " </p>") << length;
        EXPECT_LE(line.size(), size_t(DebugLog::PARAGRAPH_LIMIT));
    }
}

TEST_F(DebugLogTest, SecondStartReplacesTheOldFile) {
    {
        DebugLog first;
        first.writeParagraph("eski kayit");
    }
    DebugLog second;
    const std::vector<std::string> lines = logLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "<html>"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "<p> eski kayit </p>"), 0);
    EXPECT_EQ(lines.size(), 15u); // the head alone
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
    EXPECT_TRUE(fs::is_directory("rav3d.htm"));
    EXPECT_TRUE(fs::is_empty("rav3d.htm"));
}

} // namespace
