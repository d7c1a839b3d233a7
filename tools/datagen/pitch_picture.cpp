#include "tools/datagen/pitch_picture.h"

#include <algorithm>
#include <cmath>

#include "tools/datagen/picture_set.h"

namespace pitchpicture {
namespace {

constexpr float CIRCLE_RADIUS = 9.15f;
constexpr float PENALTY_DEPTH = 16.5f, PENALTY_WIDTH = 40.32f;
constexpr float GOAL_AREA_DEPTH = 5.5f, GOAL_AREA_WIDTH = 18.32f;
constexpr float PENALTY_SPOT = 11;
constexpr float GOAL_WIDTH = 7.32f, GOAL_DEPTH = 2;

// Distance to the outline of an axis-aligned box.
float boxOutline(float x, float z, float x0, float z0, float x1, float z1) {
    const float dx = std::max(x0 - x, x - x1), dz = std::max(z0 - z, z - z1);
    const float outside = std::hypot(std::max(dx, 0.f), std::max(dz, 0.f));
    return outside > 0 ? outside : -std::max(dx, dz);
}

// Screen size of the pitch picture and its scale: 5.5 pixels to the metre.
constexpr int SHOWN_WIDTH = 450, SHOWN_HEIGHT = 620;
constexpr float PIXELS_PER_METRE = 5.5f;

} // namespace

float markings(float x, float z, float lineWidth, float blur) {
    const float hl = LENGTH / 2, hw = WIDTH / 2, half = lineWidth / 2;
    float d = boxOutline(x, z, -hw, -hl, hw, hl);
    if (std::fabs(x) <= hw) d = std::min(d, std::fabs(z));
    d = std::min(d, std::fabs(std::hypot(x, z) - CIRCLE_RADIUS));
    float spot = std::hypot(x, z) - lineWidth * 1.6f;
    for (float end : {-1.f, 1.f}) {
        const float goal = end * hl;
        const float inward = -end;
        d = std::min(d, boxOutline(x, z, -PENALTY_WIDTH / 2,
                                   std::min(goal, goal + inward * PENALTY_DEPTH), PENALTY_WIDTH / 2,
                                   std::max(goal, goal + inward * PENALTY_DEPTH)));
        d = std::min(d, boxOutline(x, z, -GOAL_AREA_WIDTH / 2,
                                   std::min(goal, goal + inward * GOAL_AREA_DEPTH),
                                   GOAL_AREA_WIDTH / 2,
                                   std::max(goal, goal + inward * GOAL_AREA_DEPTH)));
        const float spotZ = goal + inward * PENALTY_SPOT;
        spot = std::min(spot, std::hypot(x, z - spotZ) - lineWidth * 1.6f);
        // The arc outside the penalty area.
        const bool outsideBox = (z - (goal + inward * PENALTY_DEPTH)) * inward > 0;
        if (outsideBox) d = std::min(d, std::fabs(std::hypot(x, z - spotZ) - CIRCLE_RADIUS));
        for (float side : {-1.f, 1.f}) {
            const float r = std::hypot(x - side * hw, z - goal);
            const bool onPitch = std::fabs(x) <= hw && std::fabs(z) <= hl;
            if (onPitch) d = std::min(d, std::fabs(r - 1));
        }
    }
    return std::max(coverage(d - half, blur), coverage(spot, blur));
}

Color grass(float x, float z, float stripe, uint32_t seed) {
    const bool light = int(std::floor(z / stripe)) % 2 == 0;
    Color g = light ? rgb(70, 142, 58) : rgb(56, 122, 46);
    g = scale(g, 0.9f + 0.2f * fractalNoise(x * 0.25f, z * 0.25f, 4, seed));
    g = scale(g, 0.94f + 0.12f * valueNoise(x * 4, z * 4, seed + 3));
    // Worn, paler turf in the goalmouths.
    const float wear = std::max(0.f, 1 - std::hypot(x / 9, (std::fabs(z) - LENGTH / 2 + 4) / 7));
    return mix(g, rgb(120, 128, 72), wear * 0.35f * fractalNoise(x, z, 3, seed + 7));
}

bool write(PictureSet& pictures) {
    // Drawn at twice the shown size with square pixels, then fitted to power-of-two sides.
    constexpr float SUPER = 2;
    Canvas shown(int(SHOWN_WIDTH * SUPER), int(SHOWN_HEIGHT * SUPER));
    const float ppm = PIXELS_PER_METRE * SUPER;
    const float cx = shown.width() / 2.f, cz = shown.height() / 2.f;
    shown.paint([&](float px, float py) {
        const float x = (px - cx) / ppm, z = (py - cz) / ppm;
        Color c = grass(x, z, LENGTH / 14, 41);
        // Off the pitch the grass is a shade darker; floodlight pools at the four corners.
        if (std::fabs(x) > WIDTH / 2 + 0.5f || std::fabs(z) > LENGTH / 2 + 0.5f)
            c = scale(c, 0.86f);
        const float lineCover = markings(x, z, 0.24f, 1 / ppm);
        c = mix(c, rgb(238, 240, 232), lineCover * 0.92f);
        // Goals behind both goal lines: posts, crossbar seen from above and the net.
        for (float end : {-1.f, 1.f}) {
            const float zLine = end * LENGTH / 2;
            const float depth = (z - zLine) * end;
            if (depth > 0 && depth < GOAL_DEPTH && std::fabs(x) < GOAL_WIDTH / 2) {
                const float mesh = std::min(std::fabs(std::fmod(x + 10, 0.35f) - 0.175f),
                                            std::fabs(std::fmod(depth, 0.35f) - 0.175f));
                c = mix(scale(c, 0.75f), rgb(230, 230, 230), coverage(mesh - 0.03f, 0.05f) * 0.6f);
            }
            const float frame =
                boxOutline(x, z, -GOAL_WIDTH / 2, std::min(zLine, zLine + end * GOAL_DEPTH),
                           GOAL_WIDTH / 2, std::max(zLine, zLine + end * GOAL_DEPTH));
            if (depth > -0.2f) c = mix(c, rgb(250, 250, 250), coverage((frame - 0.12f) * ppm));
        }
        // Light: brighter in the middle, shaded towards the edges of the picture.
        const float u = px / float(shown.width()) - 0.5f, v = py / float(shown.height()) - 0.5f;
        c = scale(c, 1.08f - 0.55f * (u * u + v * v));
        // A thin dark frame so the picture sits on the page like a board.
        const float edge = std::min({px, py, shown.width() - px, shown.height() - py});
        c = mix(c, rgb(14, 30, 12), 1 - smoothstep(SUPER * 1, SUPER * 2.5f, edge));
        return mix(c, rgb(200, 220, 190),
                   0.35f * coverage(std::fabs(edge - SUPER * 3.2f) - SUPER * 0.5f));
    });
    const Canvas stored = shown.resized(512, 1024);
    return pictures.save(stored, "doku/saha.bmp", {{SHOWN_WIDTH, SHOWN_HEIGHT}});
}

} // namespace pitchpicture
