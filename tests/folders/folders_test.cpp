#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "folders/folders.h"

namespace fs = std::filesystem;

TEST(Folders, UserFolderFromTheEnvironment) {
    struct Case {
        const char *xdg, *home, *want;
    } cases[] = {
        {"/x/data", "/home/a", "/x/data/menajer"},
        {nullptr, "/home/a", "/home/a/.local/share/menajer"},
        {"rel/data", "/home/a", "/home/a/.local/share/menajer"},
        {nullptr, "relative", ""},
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(folders::userFolder(c.xdg, c.home), fs::path(c.want)) << (c.xdg ? c.xdg : "-");
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", "/h", 1);
    EXPECT_EQ(folders::userFolder(), fs::path("/h/.local/share/menajer"));
}

// A path through ".." into the folder is refused by the editor's save test.
TEST(Folders, InsideAFolderGoesByWholeNames) {
    EXPECT_FALSE(folders::isInside("prefix/share/menajerx/a", "prefix/share/menajer"));
}

TEST(Folders, PreparingARunFolder) {
    const fs::path root = fs::current_path();
    std::string why;
    EXPECT_TRUE(folders::prepareRunFolder(root / "u/menajer", &why)) << why;
    EXPECT_TRUE(fs::is_directory(root / "u/menajer/veri/ekrang"));
    std::FILE* blocker = std::fopen((root / "file").c_str(), "w"); // a file where the folder goes
    std::fclose(blocker);
    EXPECT_FALSE(folders::prepareRunFolder(root / "file/menajer", &why));
    EXPECT_FALSE(why.empty());
    EXPECT_FALSE(folders::prepareRunFolder({}, &why));
}
