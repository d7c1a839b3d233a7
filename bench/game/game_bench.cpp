// The game's start-up and frames, each beside its floor, on a real X display (scripts/bench
// starts Xvfb; Mesa draws with llvmpipe). Usage: bench_game RUN_DIR [FRAMES] [STARTUPS], or
// bench_game --screen RUN_DIR [FRAMES] for the start page scaled to a larger screen.
// Start-ups run as child processes of this one, so each is timed from its own exec. With
// BENCH_FRAMES_TO=DIR each screen's recorded frame is written there as N.ppm (upside down);
// with BENCH_ALLOC_TRACE set the first allocations in frames print their call stacks.
#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/app.h"
#include "app/frame_parts.h"
#include "app/globals.h"
#include "bench/common/side_by_side.h"
#include "bench/game/alloc_count.h"
#include "bench/game/gl_recorder.h"
#include "bench/game/scenarios.h"
#include "platform/sdl_platform.h"
#include "render/image_bitmap.h"
#include "render/image_jpeg.h"
#include "render/image_targa.h"
#include "render/texture_loader.h"

namespace {

constexpr int SCREEN_W = 1024;
constexpr int SCREEN_H = 768;
constexpr int WARM_UP_FRAMES = 30;
constexpr double GIVE_UP_MS = 20000;

double wallMs() {
    return bench::nowMs(bench::Clock::WALL);
}

struct NoDialog : platform::DialogHandle {
    void checkButton(int, bool) override {}
    bool isButtonChecked(int) const override { return false; }
    void endDialog() override {}
};

// The real platform with the start-up dialog answered at once, the devices quiet, and the
// presented frames watched.
class BenchPlatform : public platform::SdlPlatform {
public:
    void runStartupDialog(const platform::DialogContent&, platform::DialogProc proc) override {
        NoDialog dialog;
        proc(dialog, platform::DialogMessage::Init, 0);
        proc(dialog, platform::DialogMessage::Command, 1); // "Devam"
    }
    void swapBuffers() override {
        if (capture) glReadPixels(0, 0, SCREEN_W, SCREEN_H, GL_RGBA, GL_UNSIGNED_BYTE, capture);
        capture = nullptr;
        if (!present) {
            glFinish();
            return;
        }
        SdlPlatform::swapBuffers();
        if (firstPresent == 0) firstPresent = wallMs();
    }
    int32_t readKeyboard(uint8_t state[256]) override {
        std::memset(state, 0, 256);
        return platform::INPUT_OK;
    }
    int32_t readMouse(platform::MouseSample& sample) override {
        sample = platform::MouseSample{};
        return platform::INPUT_OK;
    }

    // The platform's slow steps inside the window's creation, for the start-up breakdown.
    bool registerWindowClass(const char* name) override {
        const double t = wallMs();
        const bool ok = SdlPlatform::registerWindowClass(name);
        videoStartMs += wallMs() - t;
        return ok;
    }
    bool createWindow(const char* title, int width, int height) override {
        const double t = wallMs();
        const bool ok = SdlPlatform::createWindow(title, width, height);
        windowMs += wallMs() - t;
        return ok;
    }
    void showWindow() override {
        const double t = wallMs();
        SdlPlatform::showWindow();
        showMs += wallMs() - t;
    }

    double firstPresent = 0;
    double videoStartMs = 0, windowMs = 0, showMs = 0;
    uint8_t* capture = nullptr; // the next frame's pixels, read before it is presented
    bool present = true;        // false: frames are drawn and finished but neither scaled nor shown
};

// Window messages, one input poll and one frame, as the main loop runs them.
void gameFrame(BenchPlatform& host) {
    platform::WindowMessage message;
    while (host.peekMessage(message))
        if (message.type != platform::MessageType::Quit) windowProc(message);
    engine.inputSystem.poll();
    if (engine.active) renderFrame();
}

std::vector<std::string> pictures;
void notePicture(const char* path) {
    const std::size_t n = std::strlen(path);
    if (n < 4) return;
    const char* ext = path + n - 4;
    // A loader may open a file to see that it is there before it opens it to decode it.
    const bool picture =
        !strcasecmp(ext, ".bmp") || !strcasecmp(ext, ".tga") || !strcasecmp(ext, ".jpg");
    if (picture && std::find(pictures.begin(), pictures.end(), path) == pictures.end())
        pictures.emplace_back(path);
}

// Decoding and uploading the pictures the start-up opened, alone: the start-up's floor.
double picturesAlone() {
    const double t = wallMs();
    std::vector<GLuint> made;
    for (const std::string& path : pictures) {
        const char* ext = path.c_str() + path.size() - 4;
        ImagePtr image;
        texture::Kind kind = texture::Kind::Bitmap;
        if (!strcasecmp(ext, ".bmp")) {
            image = readBitmap(path.c_str());
        } else if (!strcasecmp(ext, ".tga")) {
            image = readTarga(path.c_str());
            kind = texture::Kind::Targa;
        } else {
            image = readJpeg(path.c_str());
            kind = texture::Kind::Jpeg;
        }
        if (image) made.push_back(texture::makeTexture(*image, kind));
    }
    glFinish();
    const double took = wallMs() - t;
    glDeleteTextures(GLsizei(made.size()), made.data());
    return took;
}

long peakResidentKb() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    long kb = -1;
    char line[256];
    while (f && std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) break;
    if (f) std::fclose(f);
    return kb;
}

bool openGame(BenchPlatform& host, double* stamps) {
    host.runStartupDialog(startupDialogContent(), startupDialogProc);
    if (!createGameWindow(nullptr)) return false;
    stamps[0] = wallMs();
    loadFont();
    stamps[1] = wallMs();
    loadGameData();
    stamps[2] = wallMs();
    engine.ready = 1;
    engine.renderState.applyViewOptions(startupSettings.waitForRefresh,
                                        startupSettings.lineAntialiasing);
    const double giveUp = wallMs() + GIVE_UP_MS;
    while (host.firstPresent == 0 && wallMs() < giveUp)
        gameFrame(host);
    return host.firstPresent != 0;
}

// The steps of a start-up, in order; the first five end at the time they name.
enum Step {
    STEP_MAIN,
    STEP_WINDOW,
    STEP_FONT,
    STEP_DATA,
    STEP_FIRST_FRAME,
    STEP_VIDEO_START, // parts of STEP_WINDOW
    STEP_WINDOW_ONLY,
    STEP_SHOW,
    STEP_FLOOR,
    STEP_COUNT
};
const char* const STEP_NAMES[STEP_COUNT] = {
    "  exec to main",
    "  window, GL context, input devices",
    "  font picture and glyphs",
    "  game data (pictures, materials, database, lists, calendar)",
    "  first frame presented",
    "    of the window: SDL video start",
    "    of the window: window and visual (loads the GL driver)",
    "    of the window: showing it (SDL waits up to 100 ms for a window manager)",
};

// One start-up, in a child: prints each step's time and then the peak resident size after a
// few frames.
int startupChild(double execAt) {
    double at[STEP_COUNT] = {};
    at[STEP_MAIN] = wallMs();
    alloccount::watchOpens(notePicture);
    BenchPlatform host;
    platform::setCurrent(&host);
    double stamps[3];
    if (!openGame(host, stamps)) return 1;
    alloccount::watchOpens(nullptr);
    at[STEP_WINDOW] = stamps[0];
    at[STEP_FONT] = stamps[1];
    at[STEP_DATA] = stamps[2];
    at[STEP_FIRST_FRAME] = host.firstPresent;
    double took[STEP_COUNT] = {};
    for (int s = STEP_MAIN; s <= STEP_FIRST_FRAME; ++s)
        took[s] = at[s] - (s == STEP_MAIN ? execAt : at[s - 1]);
    took[STEP_VIDEO_START] = host.videoStartMs;
    took[STEP_WINDOW_ONLY] = host.windowMs;
    took[STEP_SHOW] = host.showMs;
    for (int i = 0; i < WARM_UP_FRAMES; ++i)
        gameFrame(host);
    const long peakKb = peakResidentKb(); // before the floor's second copy of the pictures
    took[STEP_FLOOR] = picturesAlone();
    std::printf("STARTUP %zu %ld", pictures.size(), peakKb);
    for (double ms : took)
        std::printf(" %f", ms);
    std::printf("\n");
    shutDown();
    return 0;
}

// Reads one child's line into `took`; false when the child printed none.
bool readStartup(int fd, double* took, std::size_t& pictureCount, long& peakKb) {
    char text[1024] = {};
    std::size_t got = 0;
    ssize_t n;
    while (got < sizeof text - 1 && (n = read(fd, text + got, sizeof text - 1 - got)) > 0)
        got += std::size_t(n);
    const char* line = std::strstr(text, "STARTUP ");
    if (!line) return false;
    char* at = nullptr;
    pictureCount = std::strtoul(line + 8, &at, 10);
    peakKb = std::strtol(at, &at, 10);
    for (int s = 0; s < STEP_COUNT; ++s) {
        char* end = nullptr;
        took[s] = std::strtod(at, &end);
        if (end == at) return false;
        at = end;
    }
    return true;
}

bool runStartups(const char* self, int runs) {
    bench::Samples steps[STEP_COUNT], total;
    std::size_t pictureCount = 0;
    long peakKb = 0;
    for (int r = 0; r < runs; ++r) {
        int out[2];
        if (pipe(out) != 0) return false;
        const double execAt = wallMs();
        const pid_t child = fork();
        if (child == 0) {
            dup2(out[1], 1);
            close(out[0]);
            const std::string at = std::to_string(execAt);
            execl(self, self, "--startup-child", at.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(out[1]);
        double took[STEP_COUNT];
        const bool read = readStartup(out[0], took, pictureCount, peakKb);
        close(out[0]);
        int status = 0;
        waitpid(child, &status, 0);
        if (!read) {
            std::fprintf(stderr, "bench_game: a start-up run failed (status %d)\n", status);
            return false;
        }
        double sum = 0;
        for (int s = 0; s < STEP_COUNT; ++s) {
            steps[s].add(took[s]);
            if (s <= STEP_FIRST_FRAME) sum += took[s];
        }
        total.add(sum);
    }
    const bench::Pair p{total, steps[STEP_FLOOR]};
    char what[96];
    std::snprintf(what, sizeof what, "start-up to first frame (floor: its %zu pictures alone)",
                  pictureCount);
    bench::ratioRow(what, p, 1.5);
    for (int s = 0; s < STEP_FLOOR; ++s) {
        char figure[32];
        std::snprintf(figure, sizeof figure, "%.1f ms", steps[s].median());
        bench::row(STEP_NAMES[s], figure, "-", -1, "-", "-");
    }
    char figure[32];
    std::snprintf(figure, sizeof figure, "%.1f MB", double(peakKb) * 1024 / 1e6);
    bench::row("peak resident size: the game, demo data", figure, "-", -1, "report", "-");
    return true;
}

// Pixels that differ between the frame and its playback without the redundant calls; the
// playback is a fair floor only when it draws the same picture.
long playbackDifference(BenchPlatform& host, int scenario) {
    static uint8_t frame[SCREEN_W * SCREEN_H * 4], played[SCREEN_W * SCREEN_H * 4];
    host.capture = frame;
    glrec::startRecording();
    gameFrame(host);
    if (!glrec::stopRecording()) return -1;
    host.capture = played;
    glrec::playBack(true);
    host.swapBuffers();
    if (const char* folder = std::getenv("BENCH_FRAMES_TO")) {
        const std::string path = std::string(folder) + "/" + std::to_string(scenario) + ".ppm";
        if (std::FILE* f = std::fopen(path.c_str(), "wb")) { // bottom row first
            std::fprintf(f, "P6 %d %d 255\n", SCREEN_W, SCREEN_H);
            for (std::size_t i = 0; i < sizeof frame; i += 4)
                std::fwrite(frame + i, 1, 3, f);
            std::fclose(f);
        }
    }
    long differ = 0;
    for (std::size_t i = 0; i < sizeof frame; i += 4)
        differ += std::memcmp(frame + i, played + i, 3) != 0;
    return differ;
}

bool runFrames(int frames) {
    BenchPlatform host;
    platform::setCurrent(&host);
    double stamps[3];
    if (!openGame(host, stamps)) return false;
    alloccount::traceFromEnvironment();
    // A zero means something only if the counter sees an allocation made on purpose.
    alloccount::start();
    void* volatile probe = std::malloc(16);
    std::free(probe);
    const bool counterWorks = alloccount::stop() == 1;
    int64_t allocations = 0;
    long framesCounted = 0;
    int index = 0;
    for (const Scenario& scenario : scenarios()) {
        ++index;
        if (!scenario.setUp()) {
            bench::row(scenario.name, "not measured", "-", -1, "<= 1.2x median", "-");
            continue;
        }
        for (int i = 0; i < WARM_UP_FRAMES; ++i)
            gameFrame(host);
        const long differ = playbackDifference(host, index);
        bench::Samples figure, floor;
        for (int i = 0; i < frames; ++i) {
            double t = wallMs();
            alloccount::start();
            gameFrame(host);
            allocations += alloccount::stop();
            figure.add(wallMs() - t);
            t = wallMs();
            glrec::playBack(true);
            host.swapBuffers();
            floor.add(wallMs() - t);
        }
        framesCounted += frames;
        bench::Pair p{figure, floor};
        char what[128], fig[48], flo[48];
        std::snprintf(what, sizeof what, "frame: %s (%d GL calls, %d redundant%s)", scenario.name,
                      glrec::recordedCalls(), glrec::redundantCalls(),
                      differ == 0  ? ""
                      : differ < 0 ? ", too many to play back"
                                   : ", PLAYBACK DIFFERS");
        std::snprintf(fig, sizeof fig, "%.2f ms, p99 %.2f", figure.median(), figure.percentile(99));
        std::snprintf(flo, sizeof flo, "%.2f ms, p99 %.2f", floor.median(), floor.percentile(99));
        bench::row(what, fig, flo, p.ratio(), "<= 1.2x median", p.ratio() <= 1.2 ? "yes" : "no");
        if (differ > 0) std::fprintf(stderr, "bench_game: %ld pixels differ\n", differ);
    }
    char figure[64];
    std::snprintf(figure, sizeof figure, "%lld in %ld frames", static_cast<long long>(allocations),
                  framesCounted);
    bench::row(counterWorks ? "heap allocations in steady-state frames"
                            : "heap allocations in steady-state frames (COUNTER BROKEN)",
               figure, "-", -1, "0", counterWorks && allocations == 0 ? "yes" : "no");
    shutDown();
    return true;
}

// One full-screen textured quad at the window's size, the frame as its texture, presented: with
// the frame drawn at its own size, the least that showing it scaled can cost.
class ScreenQuad {
public:
    explicit ScreenQuad(BenchPlatform& host)
        : bind(reinterpret_cast<void (*)(GLenum, GLuint)>(host.glProcAddress("glBindFramebuffer"))),
          window(host.sdlWindow()) {
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, 0, 0, SCREEN_W, SCREEN_H, 0); // the frame
    }
    ~ScreenQuad() { glDeleteTextures(1, &texture); }
    bool usable() const { return bind != nullptr; }
    void draw() {
        GLint frame = 0, w = 0, h = 0;
        glGetIntegerv(GL_FRAMEBUFFER_BINDING, &frame);
        SDL_GL_GetDrawableSize(window, &w, &h);
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        bind(GL_FRAMEBUFFER, 0);
        glViewport(0, 0, w, h);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture);
        glColor4ub(255, 255, 255, 255);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0), glVertex2f(-1, -1);
        glTexCoord2f(1, 0), glVertex2f(1, -1);
        glTexCoord2f(1, 1), glVertex2f(1, 1);
        glTexCoord2f(0, 1), glVertex2f(-1, 1);
        glEnd();
        SDL_GL_SwapWindow(window);
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopAttrib();
        bind(GL_FRAMEBUFFER, GLuint(frame));
    }

private:
    void (*bind)(GLenum, GLuint);
    SDL_Window* window;
    GLuint texture = 0;
};

// F11 pressed (Alt+Enter does the same) to the first frame presented in the other mode, each
// way, from full screen on this display's screen.
bool runModeSwitches(BenchPlatform& host, int screenW, int screenH) {
    constexpr int SWITCHES = 10;
    bench::Samples toWindow, toFullScreen;
    for (int i = 0; i < 2 * SWITCHES; ++i) {
        const bool toFull = !host.fullScreen();
        SDL_Event key = {};
        key.type = SDL_KEYDOWN;
        key.key.keysym.scancode = SDL_SCANCODE_F11;
        const double t = wallMs();
        SDL_PushEvent(&key);
        key.type = SDL_KEYUP;
        SDL_PushEvent(&key);
        gameFrame(host);
        (toFull ? toFullScreen : toWindow).add(wallMs() - t);
        int w = 0, h = 0;
        SDL_GL_GetDrawableSize(host.sdlWindow(), &w, &h);
        const bool right = host.fullScreen() == toFull &&
                           (toFull ? w == screenW && h == screenH : w == SCREEN_W && h == SCREEN_H);
        if (!right) {
            std::fprintf(stderr, "bench_game: F11 left a %d x %d drawable\n", w, h);
            return false;
        }
        for (int f = 0; f < 3; ++f) // settled in the new mode before the next switch
            gameFrame(host);
    }
    char what[96], fig[48];
    std::snprintf(fig, sizeof fig, "%.1f ms, max %.1f", toWindow.median(),
                  toWindow.percentile(100));
    bench::row("mode key to the first frame shown: full screen to window", fig, "-", -1, "report",
               "-");
    std::snprintf(fig, sizeof fig, "%.1f ms, max %.1f", toFullScreen.median(),
                  toFullScreen.percentile(100));
    std::snprintf(what, sizeof what, "mode key to the first frame shown: window to %d x %d",
                  screenW, screenH);
    bench::row(what, fig, "-", -1, "report", "-");
    return true;
}

// The start page on this display's screen (scripts/bench gives a 1920 x 1080 one): the scaled
// frame as the game shows it, beside the same frame drawn at 1024 x 768 and not shown plus one
// presented full-screen textured quad.
bool runScreen(int frames) {
    BenchPlatform host;
    platform::setCurrent(&host);
    double stamps[3];
    if (!openGame(host, stamps) || !scenarios()[0].setUp()) return false;
    for (int i = 0; i < WARM_UP_FRAMES; ++i)
        gameFrame(host);
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(host.sdlWindow(), &w, &h);
    ScreenQuad quad(host);
    if (!quad.usable() || !host.frameScaler().offScreen()) {
        std::fprintf(stderr, "bench_game: a %d x %d screen does not scale the frame\n", w, h);
        return false;
    }
    bench::Samples figure, frame, shown, floor;
    for (int i = 0; i < frames; ++i) {
        double t = wallMs();
        gameFrame(host);
        figure.add(wallMs() - t);
        host.present = false;
        t = wallMs();
        gameFrame(host);
        const double drawn = wallMs() - t;
        host.present = true;
        t = wallMs();
        quad.draw();
        const double quadMs = wallMs() - t;
        frame.add(drawn);
        shown.add(quadMs);
        floor.add(drawn + quadMs);
    }
    const bench::Pair p{figure, floor};
    char what[96], fig[48], flo[48];
    std::snprintf(what, sizeof what, "frame: start page on a %d x %d screen", w, h);
    std::snprintf(fig, sizeof fig, "%.2f ms, p99 %.2f", figure.median(), figure.percentile(99));
    std::snprintf(flo, sizeof flo, "%.2f ms, p99 %.2f", floor.median(), floor.percentile(99));
    bench::row(what, fig, flo, p.ratio(), "<= 1.1x median", p.ratio() <= 1.1 ? "yes" : "no");
    std::snprintf(fig, sizeof fig, "%.2f ms", frame.median());
    bench::row("  floor: the same frame at 1024 x 768, not shown", fig, "-", -1, "-", "-");
    std::snprintf(fig, sizeof fig, "%.2f ms", shown.median());
    std::snprintf(what, sizeof what, "  floor: one textured quad at %d x %d, shown", w, h);
    bench::row(what, fig, "-", -1, "-", "-");
    const bool switched = runModeSwitches(host, w, h);
    shutDown();
    return switched;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--screen") == 0) {
        if (chdir(argv[2]) != 0) return 1;
        return runScreen(argc > 3 ? std::atoi(argv[3]) : 2000) ? 0 : 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "--startup-child") == 0)
        return startupChild(std::atof(argv[2]));
    if (argc < 2) {
        std::fputs("usage: bench_game RUN_DIR [FRAMES] [STARTUPS]\n", stderr);
        return 2;
    }
    const int frames = argc > 2 ? std::atoi(argv[2]) : 2000;
    const int startups = argc > 3 ? std::atoi(argv[3]) : 5;
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0 || chdir(argv[1]) != 0) {
        std::fprintf(stderr, "bench_game: cannot enter %s\n", argv[1]);
        return 1;
    }
    self[n] = '\0';
    if (!runStartups(self, startups)) return 1;
    return runFrames(frames) ? 0 : 1;
}
