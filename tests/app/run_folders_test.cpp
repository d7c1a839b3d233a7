#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/options.h"
#include "app/run_folders.h"
#include "engine/screenshot.h"
#include "folders/data_path.h"
#include "tests/engine/platform_fixture.h"
#include "text/cp1254.h"

namespace fs = std::filesystem;

// Where each kind of run reads and writes: `log` is the folder that gets rav3d.htm and the shots
// ("-": none can), `line` a text of its log; the one message box expected starts with `box`
// ("opened": the user's folder, "found": the data set) and names the folders in `named`.
TEST(RunFolders, DataSetAndWritingFolder) {
    const fs::path root = fs::current_path();
    for (const char* folder :
         {"prefix/bin", "prefix/share/menajer/veri", "build/bin", "build/run/veri", "bare/bin",
          "game/veri", "empty", "mine", "locked/veri"})
        fs::create_directories(root / folder);
    std::ofstream(root / "locked/veri/ekrang") << "x"; // no shots can go there
    fs::create_directories(root / "blocked");
    std::ofstream(root / "blocked/menajer") << "x"; // nor a user's folder there
    struct Case {
        const char *exe, *here, *option, *xdg, *data, *log;
        bool overlay;
        const char *line, *box;
        std::vector<const char*> named;
    } cases[] = {
        // clang-format off
        {"prefix/bin", "game", nullptr, "xdg", "prefix/share/menajer/veri", "xdg/menajer", true, "(kurulu)", nullptr, {}},
        {"prefix/bin", "game", nullptr, "blocked", "prefix/share/menajer/veri", "-", false, "", "opened", {"blocked/menajer"}},
        {"bare/bin", "game", "../mine", "xdg", "mine", "xdg/menajer", true, "(--data)", nullptr, {}},
        {"bare/bin", "game", "../absent", "xdg", "absent", "xdg/menajer", true, "(yok)", "found", {"absent"}},
        {"bare/bin", "game", nullptr, "xdg", "game/veri", "game", false, "(calisma klasoru)", nullptr, {}},
        {"bare/bin", "locked", nullptr, "xdg", "locked/veri", "xdg/menajer", false, "yazilamiyor", nullptr, {}},
        {"build/bin", "empty", nullptr, "xdg", "build/run/veri", "build/run", false, "(derleme agaci)", nullptr, {}},
        {"build/bin", "game", nullptr, "xdg", "game/veri", "game", false, "(calisma klasoru)", nullptr, {}},
        {"bare/bin", "empty", nullptr, "xdg", "empty/veri", "xdg/menajer", true, "(yok)", "found",
         {"bare/share/menajer/veri", "empty/veri", "bare/run/veri"}},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.exe) + " in " + c.here + " " + (c.option ? c.option : "") + " " +
                     c.xdg);
        fs::current_path(root / c.here);
        fs::remove_all(root / "xdg");
        platform::TestPlatform host;
        platform::setCurrent(&host);
        setenv("XDG_DATA_HOME", (root / c.xdg).c_str(), 1);
        Options options;
        if (c.option) options.dataFolder = c.option;
        const DataFolders settled = settleFolders(options, root / c.exe);
        EXPECT_EQ(settled.data, (root / c.data).string());
        EXPECT_EQ(settled.user, c.overlay ? (root / "xdg/menajer/veri").string() : "");

        const std::vector<std::string> boxes = host.messageBoxTexts();
        ASSERT_EQ(boxes.size(), c.box ? 1u : 0u);
        if (c.box) {
            std::string want = std::string(c.box) == "found"
                                   ? "Oyunun veri klasörü bulunamadı. Bakılan klasörler:\n"_w
                                   : "Kullanıcı klasörü açılamadı:"_w;
            for (const char* folder : c.named)
                want += "\n" + (root / folder).string();
            EXPECT_EQ(boxes[0].substr(0, want.size()), want);
        }
        if (std::string(c.log) == "-") {
            EXPECT_TRUE(screenshotFolder.empty());
            EXPECT_FALSE(debugLog.writeLine("nowhere"));
        } else {
            EXPECT_EQ(fs::current_path(), root / c.log);
            EXPECT_EQ(screenshotFolder, (root / c.log / "veri/ekrang").string());
            std::ifstream log(root / c.log / "rav3d.htm");
            const std::string text((std::istreambuf_iterator<char>(log)), {});
            EXPECT_NE(text.find(c.line), std::string::npos) << text;
        }
        parkPlatform();
    }
    fs::current_path(root);
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
    testing::internal::CaptureStderr();
    for (const Case& c : cases) {
        std::vector<char*> argv{const_cast<char*>("menajer")};
        for (const char* a : c.args)
            argv.push_back(const_cast<char*>(a));
        Options options;
        EXPECT_EQ(parseOptions(int(argv.size()), argv.data(), options), c.status)
            << (c.args.empty() ? "" : c.args[0]);
        EXPECT_EQ(options.dataFolder, c.data);
    }
    EXPECT_EQ(
        testing::internal::GetCapturedStderr(),
        "menajer: --data needs DIR\nmenajer: --data needs DIR\nmenajer: --help takes no value\n"
        "menajer: unknown option '--dat'; see 'menajer --help'\n");
    // The program itself: --help answers and ends before any window or folder.
    EXPECT_EQ(std::system("DISPLAY= XDG_DATA_HOME=$PWD/help timeout 20 " MENAJER_BIN_DIR
                          "/menajer --help >help.txt 2>help.err"),
              0);
    EXPECT_EQ(fs::file_size("help.err"), 0u);
    EXPECT_FALSE(fs::exists("help"));
}
