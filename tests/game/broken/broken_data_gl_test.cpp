// The game started on damaged copies of the demo data set, one fresh process per damage: each
// run shows the loaders' messages in load order, plays every page frame by frame, quits
// through the exit box and ends cleanly. Under the sanitizer build a bad read in any run
// fails its process, and with it the case.
#include <GL/gl.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/globals.h"
#include "database/load_report.h"
#include "platform/test/test_platform.h"
#include "tests/database/database_helpers.h"

namespace {

namespace fs = std::filesystem;

const char* const kJpeg = "Jpeg dosyasi bulunamadi!";
const char* const kBitmap = "Bitmap dosyasi bulunamadi..";
const char* const kTarga = "TGA dosyasi bulunamadi..";
const char* const kList = "Doku dosyasi bulunamadi!";
const char* const kScript = "Golge dokusu bulunamadi!";

const char* const kPlayers = "veri/database/oyuncu.odt";
const char* const kTeams = "veri/database/takim.tdt";
const char* const kCalendar = "veri/database/tarih.trh";

// --- Damage done to the copy of the data set ---

void cut(const char* path, uintmax_t size) {
    fs::resize_file(path, size);
}
void cutBy(const char* path, uintmax_t bytes) {
    cut(path, fs::file_size(path) - bytes);
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
    edit(kPlayers, [](std::string& b) {
        for (int32_t i = 0; i < get32(b.data(), 4); ++i)
            b.replace(kHeaderSize + kPlayerEntrySize * size_t(i) + 4, 250, 250, char('A' + i % 26));
    });
    edit(kTeams, [](std::string& b) {
        for (int32_t i = 0; i < get32(b.data(), 4); ++i)
            b.replace(kHeaderSize + kTeamRecordSize * size_t(i) + 4, kTeamNameSize, kTeamNameSize,
                      'T');
    });
    edit(kCalendar, [](std::string& b) {
        const size_t months = size_t(get32(b.data(), 0));
        const size_t days = kCalendarHeaderSize + kCalendarMonthSize * months;
        for (size_t slot = 0; slot < months * kCalendarDaySlots; ++slot)
            b.replace(days + slot * kCalendarDaySize + 4, kWeekdaySize, kWeekdaySize, 'G');
    });
}
// Squads naming players the file lacks, and sizes outside the squad's room.
void squadsOutOfRange() {
    const int32_t players = get32(readWholeFile(kPlayers).data(), 4);
    edit(kTeams, [players](std::string& b) {
        const int32_t ids[] = {-1, players, INT_MAX, INT_MIN, 0, kPlayerCapacity, players - 1};
        put32(b, kHeaderSize + 164, int32_t(std::size(ids)));
        for (size_t i = 0; i < std::size(ids); ++i)
            put32(b, kHeaderSize + 168 + 4 * i, ids[i]);
        put32(b, kHeaderSize + kTeamRecordSize + 164, -1);
        put32(b, kHeaderSize + 2 * kTeamRecordSize + 164, INT_MAX);
        put32(b, kHeaderSize + 3 * kTeamRecordSize + 164, INT_MIN);
    });
}
void forEachDatabaseFile(void (*damage)(const char* path, size_t countOffset)) {
    damage(kPlayers, 4);
    damage(kTeams, 4);
    damage(kCalendar, 0);
}

struct BrokenCase {
    const char* name;
    void (*damage)();
    std::vector<std::string> messages; // the message boxes, in the order shown
};

// clang-format off
const BrokenCase kCases[] = {
    {"intact", [] {}, {}},
    {"nothing", [] { fs::remove_all("veri"); fs::create_directory("veri"); },
     {kBitmap, kBitmap,                                   // the font, twice
      kJpeg, kJpeg, kJpeg, kJpeg, kJpeg, kBitmap, kTarga, // backgrounds, bar, panel
      kBitmap, kBitmap, kBitmap, kBitmap, kList,          // buttons, mail markers, GUI list
      db_text::kNotFound, db_text::kNotFound,             // players, teams
      kBitmap, kList,                                     // pitch, world list
      db_text::kCalendarMissing}},
    {"players missing", [] { fs::remove(kPlayers); }, {db_text::kNotFound}},
    {"teams missing", [] { fs::remove(kTeams); }, {db_text::kNotFound}},

    // The three database files damaged alike.
    {"database empty", [] { forEachDatabaseFile([](const char* p, size_t) { cut(p, 0); }); },
     {db_text::kWrongVersion, db_text::kWrongVersion, db_text::kCalendarBroken}},
    {"database cut in a record", [] {
         cut(kPlayers, kHeaderSize + kPlayerEntrySize * 3 + 57);
         cut(kTeams, kHeaderSize + kTeamRecordSize + 170);
         cut(kCalendar, kCalendarHeaderSize + kCalendarMonthSize * 12 + kCalendarDaySize * 40 + 9);
     },
     {db_text::kShortFile, db_text::kShortFile, db_text::kCalendarBroken}},
    {"database counts -1",
     [] { forEachDatabaseFile([](const char* p, size_t at) { poke32(p, at, -1); }); },
     {db_text::kBadCount, db_text::kBadCount, db_text::kCalendarBroken}},
    {"database counts 0x7FFFFFFF", [] {
         forEachDatabaseFile([](const char* p, size_t at) { poke32(p, at, INT_MAX); }); },
     {db_text::kBadCount, db_text::kShortFile, db_text::kCalendarBroken}},
    {"database texts unterminated", unterminatedTexts, {}},
    {"squads out of range", squadsOutOfRange, {}},

    // Pictures the loaders open but cannot decode: skipped without a message.
    {"pictures damaged", [] {
         cut("veri/gui/arka/arka.jpg", 0);
         cutBy("veri/gui/arka/arka2.jpg", fs::file_size("veri/gui/arka/arka2.jpg") / 2);
         cut("veri/gui/arka/arkas.tga", 30);
         poke32("veri/gui/mup.bmp", 18, INT_MAX); // wide
         cut("veri/gui/dugme.bmp", 60);
         cut("veri/fnt/cr.bmp", 0);
         cutBy("veri/doku/saha.bmp", 1);
         poke32("veri/gui/imlec0.tga", 12, 0x7FFF7FFF); }, // 32767 x 32767
     {}},
    // Texture lists and material scripts damaged; a missing script or frame is named.
    {"GUI list and pointer scripts", [] {
         writeWholeFile("veri/gui/gui.tex", "NUMTEXTURE 2147483647\n0 veri\\gui\\imlec0.gol\n" +
                                       std::string(5000, 'x') + "\n1 veri\\gui\\imlec1.gol\n7000 " +
                                       std::string(400, 'y'));
         writeWholeFile("veri/gui/imlec0.gol", "tga ac\ndoku =");
         fs::remove("veri/gui/imlec1.tga"); },
     {"Tga dosyasi acilamadi : veri\\gui\\imlec1.tga"}},
    {"GUI list count -1, markers 0x7FFFFFFF frames", [] {
         writeWholeFile("veri/gui/gui.tex", "NUMTEXTURE -1\n0 veri\\gui\\imlec0.gol\n");
         writeWholeFile("veri/doku/oyuncu.gol", "anim ac\nzaman = -5\nDokusayisi = 2147483647\n"
                                           "tga ac\ndoku = veri\\doku\\oyuncu0\n"); },
     {}},
    {"markers -2147483648 frames, their script missing", [] {
         writeWholeFile("veri/doku/oyuncu.gol", "anim ac\nDokusayisi = -2147483648\n"
                                           "tga ac\ndoku = veri\\doku\\oyuncu0\n");
         writeWholeFile("veri/doku/doku.tex", "NUMTEXTURE 2\n0 veri\\doku\\oyuncu.gol\n"
                                         "1 veri\\doku\\yok.gol\n"); },
     {kScript}},
};
// clang-format on

// --- One run of the game, in the child process ---

platform::TestPlatform* host = nullptr;
bool quitSeen = false;

void frame(int x = 900, int y = 700, bool left = false, uint8_t key = 0) {
    platform::WindowMessage message;
    while (host->pendingMessages() && host->peekMessage(message)) {
        if (message.type == platform::MessageType::Quit) {
            quitSeen = true;
            return;
        }
        windowProc(message);
    }
    engine.inputSystem.cursorX = x;
    engine.inputSystem.cursorY = y;
    if (key)
        host->queueKeys({key});
    else
        host->queueKeys({});
    host->queueMouse(0, 0, 0, left);
    engine.inputSystem.poll();
    renderFrame();
    host->advance(20);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "page " << game.page;
}
void click(int x, int y) {
    frame(x, y, true);
    frame(x, y);
}
void click(int button) {
    const HitRect& r = game.buttons[button].hitArea;
    click(int(r.x + r.width / 2), int(r.y + r.height / 2));
    frame(); // the next page places its buttons
}

// Registration, the first club of the list, the news it brings, the tactics page for that club
// and for indices naming none; each page at least once; quitting through the exit box.
void play() {
    frame();
    click(BUTTON_GAME_OPTIONS);
    click(BUTTON_MAKERS);
    EXPECT_EQ(game.page, PAGE_ABOUT);
    click(BUTTON_SEARCH);
    EXPECT_EQ(game.page, PAGE_SEARCH);
    click(BUTTON_GAME_OPTIONS);
    click(BUTTON_ADD_MANAGER);
    EXPECT_EQ(game.page, PAGE_REGISTRATION);
    host->typeText("Ayşe");
    frame();
    click(BUTTON_SURNAME);
    host->typeText("Yılmaz");
    click(BUTTON_OK);
    EXPECT_EQ(game.page, PAGE_TEAM_CHOICE);
    click(965 + 10, 210); // the star opens the team list
    click(700, 210);      // its first row
    click(BUTTON_OK);
    EXPECT_EQ(game.page, PAGE_NEWS);
    click(500, 190); // the first mail
    click(BUTTON_MANAGER_OPTIONS);
    click(BUTTON_TACTICS);
    EXPECT_EQ(game.page, PAGE_TACTICS);
    for (int32_t team : {1, 2, 3, -1, game.teams.count, INT_MAX, INT_MIN}) {
        game.chosenTeam = team;
        frame();
    }
    game.page = PAGE_START;
    frame(900, 700, false, 1); // Escape: the exit box
    ASSERT_EQ(game.menuState, MENU_EXIT_BOX);
    click(BUTTON_OK);
    EXPECT_TRUE(quitSeen) << "the exit box's Tamam posts the quit message";
    EXPECT_EQ(host->quitCode, 0);
}

const BrokenCase* caseNamed(const char* name) {
    for (const BrokenCase& c : kCases)
        if (name && c.name == std::string(name)) return &c;
    return nullptr;
}

// Run by the parent test below in a process of its own, with the case in the environment.
TEST(BrokenDataRun, OneCase) {
    const BrokenCase* broken = caseNamed(std::getenv("MENAJER_BROKEN_CASE"));
    if (!broken) GTEST_SKIP() << "run by BrokenData.EveryCaseInItsOwnProcess";
    fs::copy(MENAJER_RUN_DIR "/veri", "veri", fs::copy_options::recursive);
    broken->damage();
    ASSERT_FALSE(HasFatalFailure());

    host = new platform::TestPlatform(true);
    platform::setCurrent(host);
    ASSERT_EQ(startUp(nullptr), 1);
    EXPECT_EQ(host->messageBoxTexts(), broken->messages);
    EXPECT_EQ(game.teamList.count, game.teams.count) << "the team list holds the file's clubs";
    host->messageBoxes.clear();
    play();
    EXPECT_EQ(host->messageBoxTexts(), std::vector<std::string>{}) << "after start-up";
    shutDown();
}

// --- The parent: every case in a fresh process, two at a time ---

struct Child {
    const BrokenCase* broken;
    pid_t pid;
    std::string output;
};

TEST(BrokenData, EveryCaseInItsOwnProcess) {
    if (std::getenv("MENAJER_BROKEN_CASE")) GTEST_SKIP();
    char exe[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", exe, sizeof exe - 1), 0);

    std::vector<Child> running;
    auto finish = [&](Child& child) {
        int status = 0;
        waitpid(child.pid, &status, 0);
        std::ifstream in(child.output);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        const bool passed = WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                            text.find("[  PASSED  ] 1 test") != std::string::npos;
        EXPECT_TRUE(passed) << "case \"" << child.broken->name << "\", "
                            << (WIFSIGNALED(status) ? "killed by signal " : "exit status ")
                            << (WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status))
                            << ":\n"
                            << text.substr(text.size() > 6000 ? text.size() - 6000 : 0);
    };
    for (const BrokenCase& broken : kCases) {
        if (running.size() == 2) {
            finish(running.front());
            running.erase(running.begin());
        }
        Child child{&broken, 0, "case" + std::to_string(&broken - kCases) + ".txt"};
        char filter[] = "--gtest_filter=BrokenDataRun.OneCase";
        char color[] = "--gtest_color=no";
        char* argv[] = {exe, filter, color, nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, child.output.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        setenv("MENAJER_BROKEN_CASE", broken.name, 1);
        const int spawned = posix_spawn(&child.pid, exe, &actions, nullptr, argv, environ);
        unsetenv("MENAJER_BROKEN_CASE");
        posix_spawn_file_actions_destroy(&actions);
        ASSERT_EQ(spawned, 0) << std::strerror(spawned);
        running.push_back(child);
    }
    for (Child& child : running)
        finish(child);
}

} // namespace
