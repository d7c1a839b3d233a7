// Each screen of the game rendered through the real GL path at 1024 × 768 with a fixed clock,
// FPS figure and pointer, against the reviewed picture of it in this folder.
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "platform/startup_dialog_view.h"
#include "tests/game/game_frame.h"

namespace {

// RGB, rows top to bottom.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
};

// A pixel differs when a channel is more than CHANNEL_TOLERANCE from the reference; a frame
// matches while at most PIXEL_BUDGET pixels differ.
constexpr int CHANNEL_TOLERANCE = 2;
constexpr int PIXEL_BUDGET = 16;

// Lossless, at zlib's best compression with the filter chosen row by row.
bool writePng(const std::string& path, const Picture& picture) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!file || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_compression_level(png, 9);
    png_set_compression_mem_level(png, 9);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
    png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE,
                 PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y)
        png_write_row(png, &picture.rgb[size_t(y) * size_t(picture.width) * 3]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fflush(file.get()) == 0;
}

bool readPng(const std::string& path, Picture& picture) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    picture = {int(image.width), int(image.height), std::vector<uint8_t>(PNG_IMAGE_SIZE(image))};
    return png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) != 0;
}

// "" when `frame` matches tests/screens/<name>.png; else what differs, with the frame, the
// reference and a difference picture written beside the test program as <name>-frame.png,
// -reference.png and -difference.png. With SCREENS_UPDATE set to a folder, the frame is
// written there as <name>.png instead.
std::string checkScreen(const std::string& name, const Picture& frame) {
    if (const char* update = std::getenv("SCREENS_UPDATE"); update && *update) {
        std::filesystem::create_directories(update);
        const std::string path = std::string(update) + "/" + name + ".png";
        return writePng(path, frame) ? "" : "cannot write " + path;
    }
    const std::string referencePath = SCREENS_REFERENCE_DIR "/" + name + ".png";
    Picture reference;
    if (!readPng(referencePath, reference))
        return "no reference " + referencePath + " (scripts/golden renders it)";
    if (frame.width != reference.width || frame.height != reference.height)
        return "the frame is " + std::to_string(frame.width) + " x " +
               std::to_string(frame.height) + ", the reference " + std::to_string(reference.width) +
               " x " + std::to_string(reference.height);

    // The reference darkened, with the differing pixels in red.
    Picture difference = reference;
    int differing = 0, largest = 0;
    size_t first = 0;
    for (size_t i = 0; i < frame.rgb.size(); i += 3) {
        int most = 0;
        for (size_t k = 0; k < 3; ++k)
            most = std::max(most, std::abs(frame.rgb[i + k] - reference.rgb[i + k]));
        largest = std::max(largest, most);
        uint8_t* d = &difference.rgb[i];
        if (most > CHANNEL_TOLERANCE) {
            if (differing++ == 0) first = i / 3;
            d[0] = 255, d[1] = d[2] = 0;
        } else {
            d[0] = d[1] = d[2] = uint8_t((d[0] + d[1] + d[2]) / 12);
        }
    }
    if (differing <= PIXEL_BUDGET) return "";

    const std::string out = SCREENS_OUTPUT_DIR "/" + name;
    std::filesystem::create_directories(SCREENS_OUTPUT_DIR);
    writePng(out + "-frame.png", frame);
    writePng(out + "-reference.png", reference);
    writePng(out + "-difference.png", difference);
    return std::to_string(differing) + " pixels differ by more than " +
           std::to_string(CHANNEL_TOLERANCE) + " (" + std::to_string(PIXEL_BUDGET) +
           " may), the first at x " + std::to_string(first % size_t(frame.width)) + ", y " +
           std::to_string(first / size_t(frame.width)) + " from the top, the most by " +
           std::to_string(largest) + "; see " + out + "-frame.png, " + out + "-reference.png and " +
           out + "-difference.png (red: differs)";
}

constexpr uint32_t CLOCK_START = 600000; // ms; far past every timer's last firing

// The real demo data set, pictures and font included, each screen from a fresh game state.
class Screens : public GameFrameTest {
protected:
    void SetUp() override {
        GameFrameTest::SetUp();
        tp().setTicks(CLOCK_START);
        for (IntervalTimer* t :
             {&game.exitBlinkTimer, &game.caretTimer, &game.mailbox.indicatorTimer,
              &game.mailbox.list.blinkTimer, &game.typingBuffer.blinkTimer,
              &game.firstNameField.blinkTimer, &game.surnameField.blinkTimer})
            *t = IntervalTimer{};
        game.caretShown = 0;
        game.mailbox.list.blinkPhase = 0;
        std::memset(game.mailbox.list.items.get(), 0, sizeof(ListItem) * ListView::CAPACITY);
        frame();
    }
    // The last pass, with the frame it presents kept; the FPS line reads 50 throughout.
    static Picture finish(int x, int y) {
        host->undefinedBackBufferAfterSwap = true;
        ::engine.fps = 50;
        ::engine.secondStart = clockSeconds(); // no new figure in this frame
        frame(x, y);
        host->undefinedBackBufferAfterSwap = false;
        Picture p{W, H, std::vector<uint8_t>(size_t(W) * H * 3)};
        for (int row = 0; row < H; ++row) // bottom row first in GL
            std::memcpy(&p.rgb[size_t(H - 1 - row) * W * 3],
                        &host->presentedFrame[size_t(row) * W * 3], size_t(W) * 3);
        return p;
    }
    static void expectScreen(const char* name, int x, int y) {
        if (const std::string failure = checkScreen(name, finish(x, y)); !failure.empty())
            ADD_FAILURE() << name << ": " << failure;
    }
    static void hover(const GuiButton& b, const char* name) {
        const HitRect& r = b.hitArea;
        frame(int(r.x + r.width / 2), int(r.y + r.height / 2));
        expectScreen(name, int(r.x + r.width / 2), int(r.y + r.height / 2));
    }
};

// Before registration: the start page, then the pointer on an item of three drop-downs (the fifth
// header opens the search page).
TEST_F(Screens, StartAndMenus) {
    expectScreen("start", 512, 400);
    click(BUTTON_GAME_OPTIONS);
    hover(game.buttons[BUTTON_MAKERS], "menu-game");
    click(BUTTON_LEAGUE);
    hover(game.buttons[BUTTON_FIXTURES], "menu-league");
    click(BUTTON_TRANSFERS);
    hover(game.buttons[BUTTON_INCOMING], "menu-transfers");
    frame(900, 700, false, true); // the right button closes it
    click(BUTTON_SEARCH);
    expectScreen("search", 940, 75);
}

// After registration: the manager's menu with its items awake, then the tactics page of the
// club's 25 players with the pointer inside the pitch (ox and oy differ).
TEST_F(Screens, ManagerMenuAndTactics) {
    registerFor(1);
    click(BUTTON_MANAGER_OPTIONS);
    hover(game.buttons[BUTTON_TACTICS], "menu-manager");
    click(BUTTON_TACTICS);
    expectScreen("tactics", 700, 333);
}

TEST_F(Screens, ExitBoxAndAboutPage) {
    hold(platform::SCAN_ESCAPE);
    frame(400, 420);
    expectScreen("exit-box", 330, 412);
    click(game.buttons[BUTTON_CANCEL]);
    click(BUTTON_GAME_OPTIONS);
    click(BUTTON_MAKERS);
    expectScreen("about", 300, 300);
}

TEST_F(Screens, Registration) {
    click(BUTTON_GAME_OPTIONS);
    click(BUTTON_ADD_MANAGER);
    expectScreen("registration-empty", 700, 600);
    type("Ayşe Gül");
    click(BUTTON_SURNAME);
    type("Yılmaz");
    click(410, 375); // the month box opens its list
    expectScreen("registration-filled", 420, 430);
}

TEST_F(Screens, TeamChoiceLists) {
    fillIn("Ayşe", "Yılmaz");
    click(BUTTON_OK);
    const struct {
        int star;
        const char* name;
    } lists[] = {
        {325, "team-choice-countries"}, {650, "team-choice-leagues"}, {975, "team-choice-teams"}};
    for (const auto& l : lists) {
        click(l.star, 210);
        expectScreen(l.name, l.star - 100, 215);
        frame(900, 700, true); // a press outside closes it
        frame();
    }
}

TEST_F(Screens, NewsWithTheAppointmentRead) {
    registerFor(1);
    hold(platform::SCAN_DOWN);
    frame();
    expectScreen("news-appointment", 600, 600);
}

// 25 mails, scrolled to the end by the thumb, the last row selected.
TEST_F(Screens, NewsScrolled) {
    registerFor(0);
    while (game.mailbox.list.count < 25)
        game.mailbox.addIntroductionMail();
    frame();
    frame(997, 162, true);
    frame(997, 162, true);
    frame(997, 600, true);
    frame(997, 600);
    click(500, 390);
    expectScreen("news-scrolled", 500, 390);
}

TEST(StartupDialogScreen, AsItOpens) {
    const platform::DialogContent& content = startupDialogContent();
    platform::StartupDialogState state(content);
    startupDialogProc(state, platform::DialogMessage::Init, 0);
    std::vector<uint32_t> argb(size_t(content.width) * size_t(content.height));
    platform::PixelBuffer buffer{argb.data(), content.width, content.height};
    platform::StartupDialogView::paint(buffer, state);
    Picture p{content.width, content.height, {}};
    for (uint32_t c : argb)
        p.rgb.insert(p.rgb.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    if (const std::string failure = checkScreen("startup-dialog", p); !failure.empty())
        ADD_FAILURE() << failure;
}

} // namespace
