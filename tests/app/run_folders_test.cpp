#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/globals.h"
#include "app/options.h"
#include "app/run_folders.h"
#include "engine/screenshot.h"
#include "tests/engine/platform_fixture.h"
#include "text/path.h"

namespace fs = std::filesystem;

// Installed: the data set beside the program (or --data), the user's folder as the working
// folder with the log and the shots; a file where that folder goes gives one box and no log.
TEST(RunFolders, InstalledGameReadsBesideItselfAndWritesIntoTheUsersFolder) {
    const fs::path root = fs::current_path();
    fs::create_directories(root / "prefix/bin");
    fs::create_directories(root / "prefix/share/menajer/veri");
    fs::create_directories(root / "blocked");
    std::ofstream(root / "blocked/menajer") << "x";
    struct Case {
        const char* xdg;
        const char* data;
        fs::path wantData;
        bool writable;
    } cases[] = {
        {"xdg", nullptr, root / "prefix/share/menajer/veri", true},
        {"blocked", "mine", root / "mine", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xdg);
        fs::current_path(root);
        platform::TestPlatform host;
        platform::setCurrent(&host);
        setenv("XDG_DATA_HOME", (root / c.xdg).c_str(), 1);
        Options options;
        if (c.data) options.dataFolder = c.data;
        screenshotFolder.clear();
        settleFolders(options, root / "prefix/bin");
        EXPECT_EQ(dataFolder(), c.wantData.string());
        const fs::path user = root / c.xdg / "menajer";
        if (c.writable) {
            EXPECT_TRUE(host.messageBoxes.empty());
            EXPECT_EQ(fs::current_path(), user);
            EXPECT_EQ(screenshotFolder, (user / "veri/ekrang").string());
            EXPECT_TRUE(fs::exists(user / "rav3d.htm"));
        } else {
            ASSERT_EQ(host.messageBoxTexts().size(), 1u);
            EXPECT_NE(host.messageBoxTexts()[0].find(user.string()), std::string::npos);
            EXPECT_TRUE(screenshotFolder.empty());
            EXPECT_FALSE(debugLog.writeLine("nowhere"));
            EXPECT_EQ(fs::current_path(), root);
        }
        parkPlatform();
    }
    dataFolder() = "veri";
    unsetenv("XDG_DATA_HOME");
}

TEST(RunFolders, CommandLine) {
    struct Case {
        std::vector<const char*> args;
        int status;
        const char* data;
    } cases[] = {
        {{}, -1, ""},
        {{"--data", "d"}, -1, "d"},
        {{"--data=e"}, -1, "e"},
        {{"--data"}, 2, ""},
        {{"--data="}, 2, ""},
        {{"--help=x"}, 2, ""},
        {{"--dat", "d"}, 2, ""},
        {{"--version"}, 0, ""},
    };
    for (const Case& c : cases) {
        std::vector<char*> argv{const_cast<char*>("menajer")};
        for (const char* a : c.args)
            argv.push_back(const_cast<char*>(a));
        Options options;
        EXPECT_EQ(parseOptions(int(argv.size()), argv.data(), options), c.status)
            << (c.args.empty() ? "" : c.args[0]);
        EXPECT_EQ(options.dataFolder, c.data);
    }
    // The program itself: --help answers and ends before any window or folder.
    EXPECT_EQ(std::system("DISPLAY= XDG_DATA_HOME=$PWD/help timeout 20 " MENAJER_BIN_DIR
                          "/menajer --help >help.txt 2>help.err"),
              0);
    std::string first;
    std::getline(std::ifstream("help.txt"), first);
    EXPECT_EQ(first, "usage: menajer [OPTION]...");
    EXPECT_EQ(fs::file_size("help.err"), 0u);
    EXPECT_FALSE(fs::exists("help"));
}
