#include "tools/datagen/material_pictures.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace materialpictures {

namespace {

// The pointer is drawn in this many screen pixels; its outline is laid out in them.
constexpr double DRAWN_WIDTH = 20.0, DRAWN_HEIGHT = 35.0;
constexpr int SAMPLES = 4; // per side, per texel
constexpr double PI = 3.14159265358979323846;

struct Point {
    double x, y;
};

// The arrow in drawn pixels, tip at the top-left corner. The picture's outermost texels stay
// clear down to the second mipmap level: the texture repeats, so filtering at one edge reads
// the opposite one.
constexpr double MARGIN = 2.0, SCALE_X = 0.76, SCALE_Y = 0.9;
const Point OUTLINE[] = {{0, 0},       {0, 28},  {6.5, 22}, {11, 32.5},
                         {15.5, 30.5}, {11, 20}, {18.5, 20}};

Point arrowPoint(int i) {
    return {MARGIN + OUTLINE[i].x * SCALE_X, MARGIN + OUTLINE[i].y * SCALE_Y};
}
constexpr int CORNERS = int(sizeof OUTLINE / sizeof OUTLINE[0]);

struct Rgba {
    double r, g, b, a;
};

// RGBA rows, top row first.
struct Picture {
    int width, height;
    std::vector<uint8_t> pixels;
    Picture(int w, int h) : width(w), height(h), pixels(size_t(w) * h * 4, 0) {}
    void set(int x, int y, Rgba c) {
        uint8_t* p = &pixels[(size_t(y) * width + x) * 4];
        const double channels[4] = {c.r, c.g, c.b, c.a};
        for (int i = 0; i < 4; ++i)
            p[i] = uint8_t(std::lround(std::fmin(1.0, std::fmax(0.0, channels[i])) * 255.0));
    }
};

bool inside(Point p) {
    bool in = false;
    for (int i = 0, j = CORNERS - 1; i < CORNERS; j = i++) {
        const Point a = arrowPoint(i), b = arrowPoint(j);
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

double edgeDistance(Point p) {
    double best = 1e9;
    for (int i = 0, j = CORNERS - 1; i < CORNERS; j = i++) {
        const Point a = arrowPoint(j), b = arrowPoint(i);
        const double dx = b.x - a.x, dy = b.y - a.y;
        double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy);
        t = std::fmax(0.0, std::fmin(1.0, t));
        best = std::fmin(best, std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy)));
    }
    return best;
}

// Each texel averages SAMPLES² points of the drawn-pixel shape it stretches over.
Picture pointerLayer(Rgba (*shade)(Point)) {
    Picture picture(POINTER_WIDTH, POINTER_HEIGHT);
    for (int y = 0; y < POINTER_HEIGHT; ++y)
        for (int x = 0; x < POINTER_WIDTH; ++x) {
            Rgba sum{0, 0, 0, 0};
            for (int sy = 0; sy < SAMPLES; ++sy)
                for (int sx = 0; sx < SAMPLES; ++sx) {
                    const Point p{(x + (sx + 0.5) / SAMPLES) * DRAWN_WIDTH / POINTER_WIDTH,
                                  (y + (sy + 0.5) / SAMPLES) * DRAWN_HEIGHT / POINTER_HEIGHT};
                    const Rgba c = shade(p);
                    sum = {sum.r + c.r * c.a, sum.g + c.g * c.a, sum.b + c.b * c.a, sum.a + c.a};
                }
            const double a = sum.a / (SAMPLES * SAMPLES);
            picture.set(x, y,
                        sum.a > 0 ? Rgba{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, a}
                                  : Rgba{0, 0, 0, 0});
        }
    return picture;
}

// Layer 0: a soft shadow of the arrow, a pixel and a half down and right.
Rgba shadow(Point p) {
    const Point q{p.x - 1.5, p.y - 1.5};
    if (inside(q)) return {0, 0, 0, 1};
    return {0, 0, 0, std::fmax(0.0, 1.0 - edgeDistance(q) / 0.7)};
}

// Layer 1: the arrow, white with a black outline and a light shading toward its tail.
Rgba arrow(Point p) {
    const double d = edgeDistance(p);
    if (!inside(p)) return d < 0.6 ? Rgba{0, 0, 0, 1} : Rgba{0, 0, 0, 0};
    if (d < 1.4) return {0, 0, 0, 1};
    const double shade = 1.0 - 0.12 * p.y / DRAWN_HEIGHT;
    return {shade, shade, shade, 1};
}

// A red disc with a white rim and a glint that walks round the rim from frame to frame.
Picture marker(int frame) {
    Picture picture(MARKER_SIDE, MARKER_SIDE);
    const double centre = MARKER_SIDE / 2.0, radius = MARKER_SIDE * 0.42, rim = 3.0;
    const double glintAngle = 2.0 * PI * frame / MARKER_FRAMES;
    const Point glint{centre + (radius - rim) * std::cos(glintAngle),
                      centre - (radius - rim) * std::sin(glintAngle)};
    for (int y = 0; y < MARKER_SIDE; ++y)
        for (int x = 0; x < MARKER_SIDE; ++x) {
            double a = 0;
            Rgba sum{0, 0, 0, 0};
            for (int sy = 0; sy < SAMPLES; ++sy)
                for (int sx = 0; sx < SAMPLES; ++sx) {
                    const Point p{x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES};
                    const double r = std::hypot(p.x - centre, p.y - centre);
                    if (r > radius) continue;
                    Rgba c = r > radius - rim ? Rgba{1, 1, 1, 1} : Rgba{0.78, 0.1, 0.1, 1};
                    const double g = std::hypot(p.x - glint.x, p.y - glint.y);
                    const double light = std::fmax(0.0, 1.0 - g / (radius * 0.55));
                    c = {c.r + (1 - c.r) * light, c.g + (1 - c.g) * light,
                         c.b + (0.6 - c.b) * light, 1};
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, 0};
                    a += 1;
                }
            if (a > 0)
                picture.set(x, y, {sum.r / a, sum.g / a, sum.b / a, a / (SAMPLES * SAMPLES)});
        }
    return picture;
}

// An uncompressed 32-bit Targa, bottom row first as the format's default origin has it.
bool writeTarga(const std::filesystem::path& path, const Picture& picture) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "menajer-datagen: cannot write %s\n", path.c_str());
        return false;
    }
    const uint8_t header[18] = {0,
                                0,
                                2,
                                0,
                                0,
                                0,
                                0,
                                0,
                                0,
                                0,
                                0,
                                0,
                                uint8_t(picture.width),
                                uint8_t(picture.width >> 8),
                                uint8_t(picture.height),
                                uint8_t(picture.height >> 8),
                                32,
                                8};
    bool ok = std::fwrite(header, sizeof header, 1, file) == 1;
    std::vector<uint8_t> row(size_t(picture.width) * 4);
    for (int y = picture.height - 1; ok && y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint8_t* p = &picture.pixels[(size_t(y) * picture.width + x) * 4];
            uint8_t* out = &row[size_t(x) * 4];
            out[0] = p[2];
            out[1] = p[1];
            out[2] = p[0];
            out[3] = p[3];
        }
        ok = std::fwrite(row.data(), row.size(), 1, file) == 1;
    }
    ok = std::fclose(file) == 0 && ok;
    if (!ok) std::fprintf(stderr, "menajer-datagen: cannot write %s\n", path.c_str());
    return ok;
}

} // namespace

bool write(const std::filesystem::path& veri) {
    std::error_code ec;
    std::filesystem::create_directories(veri / "gui", ec);
    std::filesystem::create_directories(veri / "doku", ec);
    if (!writeTarga(veri / "gui" / "imlec0.tga", pointerLayer(shadow)) ||
        !writeTarga(veri / "gui" / "imlec1.tga", pointerLayer(arrow)))
        return false;
    for (int frame = 0; frame < MARKER_FRAMES; ++frame)
        if (!writeTarga(veri / "doku" / ("oyuncu" + std::to_string(frame) + ".tga"), marker(frame)))
            return false;
    return true;
}

} // namespace materialpictures
