// The game started on damaged copies of the demo data set, each in a forked process of its own:
// it shows the loaders' messages in load order, plays every page, quits through the exit box and
// ends cleanly; under the sanitizer a bad read fails the case. Unrelated damages share a run.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "database/load_report.h"
#include "tests/database/database_helpers.h"
#include "tests/game/game_frame.h"

namespace {

namespace fs = std::filesystem;

const char* const JPEG_MISSING = "Jpeg dosyasi bulunamadi!";
const char* const BITMAP_MISSING = "Bitmap dosyasi bulunamadi..";
const char* const TARGA_MISSING = "TGA dosyasi bulunamadi..";
const char* const TEXTURE_LIST_MISSING = "Doku dosyasi bulunamadi!";
const char* const SHADER_SCRIPT_MISSING = "Golge dokusu bulunamadi!";

const char* const PLAYERS_FILE = "veri/database/oyuncu.odt";
const char* const TEAMS_FILE = "veri/database/takim.tdt";
const char* const CALENDAR_FILE = "veri/database/tarih.trh";

// --- Damage done to the copy of the data set ---

// The file cut to `size` bytes; a negative size cuts that many from its end.
void cut(const char* path, intmax_t size) {
    fs::resize_file(path, size < 0 ? fs::file_size(path) - uintmax_t(-size) : uintmax_t(size));
}
// The file's bytes, changed in memory and written back.
template <class Change> void edit(const char* path, Change change) {
    std::string bytes = readWholeFile(path);
    change(bytes);
    writeWholeFile(path, bytes);
}
void poke32(const char* path, size_t offset, int32_t value) {
    edit(path, [&](std::string& b) { put32(b, offset, value); });
}

// Every player's five name fields, every club's name and every weekday filled to the last byte
// of their fields, no terminator anywhere.
void unterminatedTexts() {
    edit(PLAYERS_FILE, [](std::string& b) {
        for (int32_t i = 0; i < get32(b.data(), 4); ++i)
            b.replace(HEADER_SIZE + PLAYER_ENTRY_SIZE * size_t(i) + 4, 250, 250,
                      char('A' + i % 26));
    });
    edit(TEAMS_FILE, [](std::string& b) {
        for (int32_t i = 0; i < get32(b.data(), 4); ++i)
            b.replace(HEADER_SIZE + TEAM_RECORD_SIZE * size_t(i) + 4, TEAM_NAME_SIZE,
                      TEAM_NAME_SIZE, 'T');
    });
    edit(CALENDAR_FILE, [](std::string& b) {
        const size_t months = size_t(get32(b.data(), 0));
        const size_t days = CALENDAR_HEADER_SIZE + CALENDAR_MONTH_SIZE * months;
        for (size_t slot = 0; slot < months * CALENDAR_DAY_SLOTS; ++slot)
            b.replace(days + slot * CALENDAR_DAY_SIZE + 4, CALENDAR_WEEKDAY_SIZE,
                      CALENDAR_WEEKDAY_SIZE, 'G');
    });
}
// Squads naming players the file lacks, and sizes outside the squad's room.
void squadsOutOfRange() {
    const int32_t players = get32(readWholeFile(PLAYERS_FILE).data(), 4);
    edit(TEAMS_FILE, [players](std::string& b) {
        const int32_t ids[] = {-1, players, INT_MAX, INT_MIN, 0, PLAYER_CAPACITY, players - 1};
        put32(b, HEADER_SIZE + 164, int32_t(std::size(ids)));
        for (size_t i = 0; i < std::size(ids); ++i)
            put32(b, HEADER_SIZE + 168 + 4 * i, ids[i]);
        put32(b, HEADER_SIZE + TEAM_RECORD_SIZE + 164, -1);
        put32(b, HEADER_SIZE + 2 * TEAM_RECORD_SIZE + 164, INT_MAX);
        put32(b, HEADER_SIZE + 3 * TEAM_RECORD_SIZE + 164, INT_MIN);
    });
}

struct BrokenCase {
    const char* name;
    void (*damage)();
    std::vector<std::string> messages; // the message boxes, in the order shown
};

// clang-format off
const BrokenCase CASES[] = {
    {"nothing", [] { fs::remove_all("veri"); fs::create_directory("veri"); },
     {BITMAP_MISSING, BITMAP_MISSING,                                   // the font, twice
      JPEG_MISSING, JPEG_MISSING, JPEG_MISSING, JPEG_MISSING, JPEG_MISSING, BITMAP_MISSING, TARGA_MISSING, // backgrounds, bar, panel
      BITMAP_MISSING, BITMAP_MISSING, BITMAP_MISSING, BITMAP_MISSING, TEXTURE_LIST_MISSING,          // buttons, mail markers, GUI list
      db_text::NOT_FOUND, db_text::NOT_FOUND,             // players, teams
      BITMAP_MISSING, TEXTURE_LIST_MISSING,                                     // pitch, world list
      db_text::CALENDAR_MISSING}},

    // The three database files refused: every refusal leaves the loader's list empty (each
    // refusal's own checks are the database tests'; the month count overflows a 32-bit size).
    {"database refused", [] {
         cut(PLAYERS_FILE, 0), cut(TEAMS_FILE, 0), poke32(CALENDAR_FILE, 0, INT_MAX); },
     {db_text::WRONG_VERSION, db_text::WRONG_VERSION, db_text::CALENDAR_BROKEN}},
    // Database texts unterminated, and pictures the loaders open but cannot decode: skipped
    // without a message.
    {"texts unterminated, pictures damaged", [] {
         unterminatedTexts();
         cut("veri/gui/arka/arka.jpg", 0);
         cut("veri/gui/arka/arka2.jpg", intmax_t(fs::file_size("veri/gui/arka/arka2.jpg") / 2));
         cut("veri/gui/arka/arkas.tga", 30);
         poke32("veri/gui/mup.bmp", 18, INT_MAX); // wide
         cut("veri/gui/dugme.bmp", 60);
         cut("veri/fnt/cr.bmp", 0);
         cut("veri/doku/saha.bmp", -1);
         poke32("veri/gui/imlec0.tga", 12, 0x7FFF7FFF); }, // 32767 x 32767
     {}},
    {"squads out of range, GUI list count -1, markers 0x7FFFFFFF frames", [] {
         squadsOutOfRange();
         writeWholeFile("veri/gui/gui.tex", "NUMTEXTURE -1\n0 veri\\gui\\imlec0.gol\n");
         writeWholeFile("veri/doku/oyuncu.gol", "anim ac\nzaman = -5\nDokusayisi = 2147483647\n"
                                           "tga ac\ndoku = veri\\doku\\oyuncu0\n"); },
     {}},
    // Texture lists and material scripts damaged: a missing script or frame is named; and no
    // player file.
    {"GUI list, pointer and marker scripts, players missing", [] {
         fs::remove(PLAYERS_FILE);
         writeWholeFile("veri/gui/gui.tex", "NUMTEXTURE 2147483647\n0 veri\\gui\\imlec0.gol\n" +
                                       std::string(5000, 'x') + "\n1 veri\\gui\\imlec1.gol\n7000 " +
                                       std::string(400, 'y'));
         writeWholeFile("veri/gui/imlec0.gol", "tga ac\ndoku =");
         fs::remove("veri/gui/imlec1.tga");
         writeWholeFile("veri/doku/oyuncu.gol", "anim ac\nDokusayisi = -2147483648\n"
                                           "tga ac\ndoku = veri\\doku\\oyuncu0\n");
         writeWholeFile("veri/doku/doku.tex", "NUMTEXTURE 2\n0 veri\\doku\\oyuncu.gol\n"
                                         "1 veri\\doku\\yok.gol\n"); },
     {"Tga dosyasi acilamadi : veri\\gui\\imlec1.tga", db_text::NOT_FOUND, SHADER_SCRIPT_MISSING}},
};
// clang-format on

// Whether the running test failed since it had `from` parts.
bool failedSince(int from) {
    const testing::TestResult& result =
        *testing::UnitTest::GetInstance()->current_test_info()->result();
    for (int i = from; i < result.total_part_count(); ++i)
        if (result.GetTestPartResult(i).failed()) return true;
    return false;
}

// One run of the game, in the child process.
struct Run : GamePasses {
    // Registration, the first club of the list, the news it brings, the tactics page for that
    // club; each page at least once; quitting through the exit box.
    static void play() {
        frame();
        click(BUTTON_GAME_OPTIONS);
        click(BUTTON_MAKERS);
        EXPECT_EQ(game.page, PAGE_ABOUT);
        click(BUTTON_SEARCH);
        EXPECT_EQ(game.page, PAGE_SEARCH);
        registerFor(0);
        click(500, 190); // the first mail
        click(BUTTON_MANAGER_OPTIONS);
        click(BUTTON_TACTICS);
        EXPECT_EQ(game.page, PAGE_TACTICS) << "registration, team choice and news passed";
        // Squad sizes outside the squad's room, set past the loader.
        for (int32_t size : {INT_MAX, INT_MIN}) {
            if (game.teams.count == 0) break;
            game.teams.records[0].squad_size = size;
            frame();
        }
        game.page = PAGE_START;
        hold(platform::SCAN_ESCAPE);
        ASSERT_EQ(game.menuState, MENU_EXIT_BOX);
        click(BUTTON_OK);
        EXPECT_TRUE(tp().quitPosted) << "the exit box's Tamam posts the quit message";
        EXPECT_EQ(tp().quitCode, 0);
    }

    // One case in a folder of its own; exits 0 when it passed.
    [[noreturn]] static void inChild(const BrokenCase& broken) {
        const int from =
            testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count();
        SCOPED_TRACE(broken.name);
        const std::string folder = std::to_string(&broken - CASES);
        fs::create_directory(folder);
        fs::current_path(folder);
        fs::copy(MENAJER_RUN_DIR "/veri", "veri", fs::copy_options::recursive);
        broken.damage();
        if (!failedSince(from)) {
            platform::setCurrent(new platform::TestPlatform(true));
            EXPECT_EQ(startUp(nullptr), 1);
            EXPECT_EQ(tp().messageBoxTexts(), broken.messages);
            EXPECT_EQ(game.teamList.count, game.teams.count) << "the team list holds the clubs";
            tp().messageBoxes.clear();
            play();
            EXPECT_EQ(tp().messageBoxTexts(), std::vector<std::string>{}) << "after start-up";
            shutDown();
        }
        std::fflush(stdout);
        _exit(failedSince(from) ? 1 : 0);
    }
};

TEST(BrokenData, EveryCaseInItsOwnProcess) {
    std::vector<std::pair<const BrokenCase*, pid_t>> running;
    auto finish = [&] {
        int status = 0;
        waitpid(running.front().second, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "case \"" << running.front().first->name << "\", "
            << (WIFSIGNALED(status) ? "killed by signal " : "exit status ")
            << (WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status));
        running.erase(running.begin());
    };
    for (const BrokenCase& broken : CASES) {
        if (running.size() == 2) finish();
        std::fflush(stdout);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0) << std::strerror(errno);
        if (pid == 0) Run::inChild(broken);
        running.push_back({&broken, pid});
    }
    while (!running.empty())
        finish();
}

} // namespace
