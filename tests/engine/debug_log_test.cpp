#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/debug_log.h"
#include "platform_fixture.h"

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

namespace {

// Messages are expanded once (text from outside is data) and cut to the bound; the closing
// lines' date paragraph wraps one of its own (the end-to-end runs check the file's first and
// last lines); a second start begins the file afresh.
TEST(DebugLog, ParagraphsClosingLinesAndASecondStart) {
    const std::string kept(DebugLog::PARAGRAPH_LIMIT - 9, 'x');
    Strings lines;
    {
        DebugLog log;
        EXPECT_TRUE(log.writeParagraph("Jpeg Adi : %s ", "veri\\%s%n%d"));
        EXPECT_TRUE(log.writeLine("a%%b %d", 7));
        for (size_t length : {kept.size() - 1, kept.size() + 1})
            log.writeParagraph("%s", std::string(length, 'x').c_str());
        lines = logLines();
    }
    const Strings head(lines.begin(), lines.end() - 4);
    EXPECT_EQ(Strings(lines.end() - 4, lines.end()),
              (Strings{"<p> Jpeg Adi : veri\\%s%n%d  </p>", "a%b 7",
                       "<p> " + kept.substr(1) + " </p>", "<p> " + kept + " </p>"}));
    const Strings closed = logLines();
    ASSERT_EQ(closed.size(), lines.size() + 8);
    EXPECT_EQ(closed[lines.size() + 1].rfind("<p> <p> Son Guncelleme Zamani: ", 0), 0u);
    EXPECT_EQ(closed[lines.size() + 2], "</p> </p>");
    DebugLog second;
    EXPECT_EQ(logLines(), head);
}

TEST(DebugLog, UnwritableFileLosesMessagesSilently) {
    // A directory in the file's place cannot be opened for writing, even by root.
    fs::create_directory("klasor");
    {
        DebugLog log("klasor");
        EXPECT_FALSE(log.writeLine("satir"));
        EXPECT_FALSE(log.writeParagraph("paragraf %d", 1));
    }
    EXPECT_TRUE(fs::is_empty("klasor"));
}

} // namespace
