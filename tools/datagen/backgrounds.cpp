#include "tools/datagen/backgrounds.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/datagen/canvas.h"
#include "tools/datagen/picture_set.h"
#include "tools/datagen/pitch_picture.h"
#include "tools/datagen/seeded_random.h"

namespace backgrounds {
namespace {

// Each scene is painted with square pixels at the size the game shows it, then fitted to
// power-of-two sides.
constexpr int SHOWN_WIDTH = 1024, SHOWN_HEIGHT = 648;
constexpr int STORED_WIDTH = 1024, STORED_HEIGHT = 1024;

float hash01(int x, int y, uint32_t seed) {
    return grain(x, y, seed) * 0.5f + 0.5f;
}

Color vignette(const Color& c, float x, float y, float strength) {
    const float u = x / SHOWN_WIDTH - 0.5f, v = y / SHOWN_HEIGHT - 0.5f;
    return scale(c, 1 - strength * (u * u * 1.4f + v * v * 2.2f));
}

// A camera over the ground plane: eye height, focal length in pixels, the horizon's row, and
// where it stands and looks (a unit direction on the ground).
struct Camera {
    float horizon, focal, height;
    float x, z, dirX, dirZ;

    // The ground point seen at a pixel and the ground metres one pixel spans there.
    bool ground(float px, float py, float& gx, float& gz, float& metresPerPixel) const {
        if (py <= horizon + 0.5f) return false;
        const float depth = focal * height / (py - horizon);
        const float side = (px - SHOWN_WIDTH / 2.f) * depth / focal;
        gx = x + dirX * depth + dirZ * side;
        gz = z + dirZ * depth - dirX * side;
        metresPerPixel = depth / focal;
        return true;
    }
    // Pixel of a point at height h above the ground; false behind the camera.
    bool project(float gx, float h, float gz, float& px, float& py) const {
        const float rx = gx - x, rz = gz - z;
        const float depth = rx * dirX + rz * dirZ;
        const float side = rx * dirZ - rz * dirX;
        if (depth < 0.1f) return false;
        px = SHOWN_WIDTH / 2.f + focal * side / depth;
        py = horizon + focal * (height - h) / depth;
        return true;
    }
};

Color pitchGround(const Camera& cam, float px, float py, float lineAlpha, uint32_t seed) {
    float gx = 0, gz = 0, mpp = 0;
    cam.ground(px, py, gx, gz, mpp);
    Color c = pitchpicture::grass(gx, gz, pitchpicture::LENGTH / 14, seed);
    const float lines = pitchpicture::markings(gx, gz, std::max(0.13f, mpp * 0.9f), mpp);
    return mix(c, rgb(236, 238, 230), lines * lineAlpha);
}

// Supporters seen far away: a grid of seats, each with a head and a shirt of the home colours
// or others, some seats empty.
Color distantCrowd(float px, float py, float cellW, float cellH, uint32_t seed, float light) {
    const int ix = int(std::floor(px / cellW)), iy = int(std::floor(py / cellH));
    const float fx = px / cellW - float(ix), fy = py / cellH - float(iy);
    const float r = hash01(ix, iy, seed), r2 = hash01(ix, iy, seed + 1),
                r3 = hash01(ix, iy, seed + 2);
    Color seat = rgb(40, 44, 56);
    if (r3 < 0.08f) return scale(seat, light * 0.8f);
    const Color shirts[] = {rgb(200, 30, 30),   rgb(235, 195, 40), rgb(200, 30, 30),
                            rgb(230, 230, 230), rgb(30, 50, 120),  rgb(20, 20, 20),
                            rgb(235, 195, 40)};
    const Color skins[] = {rgb(228, 180, 145), rgb(196, 140, 104), rgb(150, 104, 74)};
    const float jx = (r2 - 0.5f) * 0.25f;
    const float head = std::hypot((fx - 0.5f - jx) * cellW, (fy - 0.3f) * cellH) - cellW * 0.22f;
    const float body =
        roundedBoxDistance(fx * cellW, fy * cellH, (0.18f + jx) * cellW, 0.45f * cellH,
                           (0.82f + jx) * cellW, 1.1f * cellH, cellW * 0.2f);
    Color c = mix(seat, shirts[int(r * 7) % 7], coverage(body, 0.8f));
    c = mix(c, skins[int(r2 * 3) % 3], coverage(head, 0.8f));
    return scale(c, light * (0.75f + 0.4f * r2));
}

Color bloom(float px, float py, float cx, float cy, float radius, Color tint) {
    const float d2 = ((px - cx) * (px - cx) + (py - cy) * (py - cy)) / (radius * radius);
    return scale(tint, std::exp(-d2));
}

Color sevenSegments(Color base, Color ink, float u, float v, int digit, float blur) {
    // u, v in 0..1 over the digit's box.
    static const int SEGMENTS[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const float seg[7][4] = {{0.2f, 0.1f, 0.8f, 0.1f},     {0.85f, 0.15f, 0.85f, 0.45f},
                             {0.85f, 0.55f, 0.85f, 0.85f}, {0.2f, 0.9f, 0.8f, 0.9f},
                             {0.15f, 0.55f, 0.15f, 0.85f}, {0.15f, 0.15f, 0.15f, 0.45f},
                             {0.2f, 0.5f, 0.8f, 0.5f}};
    float d = 1e9f;
    for (int s = 0; s < 7; ++s)
        if (SEGMENTS[digit] & (1 << s))
            d = std::min(d, segmentDistance(u, v, seg[s][0], seg[s][1], seg[s][2], seg[s][3]));
    return mix(base, ink, coverage(d - 0.09f, blur));
}

// The floodlight towers of the night stadium: where each bank of lamps hangs.
constexpr float TOWERS[2][2] = {{140, 52}, {884, 46}};

// Above the roof: the night sky with its stars, the two masts and their banks of lamps.
Color nightSky(float px, float py) {
    Color out = mix(rgb(3, 5, 16), rgb(20, 26, 52), py / 96);
    out = add(out, rgb(255, 255, 255), std::pow(hash01(int(px), int(py), 3), 400.f) * 0.6f);
    for (const auto& t : TOWERS) {
        // A lattice mast under the lamps.
        const float mast = std::fabs(px - t[0]) - 4;
        const float lattice = std::fabs(std::fmod(py + std::fabs(px - t[0]) * 1.5f, 12.f) - 6);
        const float solid = lattice < 1.5f || std::fabs(px - t[0]) > 3 ? 1.f : 0.35f;
        if (py > t[1]) out = mix(out, rgb(70, 74, 90), coverage(mast) * solid);
        // The bank of lamps: a grid of bright discs on a dark frame.
        const float fx = (px - (t[0] - 34)) / 17, fy = (py - (t[1] - 14)) / 14;
        if (fx > 0 && fx < 4 && fy > 0 && fy < 2) {
            const float lx = (fx - std::floor(fx) - 0.5f) * 17,
                        ly = (fy - std::floor(fy) - 0.5f) * 14;
            out = mix(rgb(26, 28, 34), rgb(255, 253, 240), coverage(std::hypot(lx, ly) - 5.5f));
        }
    }
    return out;
}

// The roof: steel trusses lit from below, lamps along its front edge.
Color nightRoof(float px, float py) {
    const float v = (py - 96) / 38;
    Color out = mix(rgb(18, 20, 26), rgb(52, 56, 66), v);
    const float truss = std::fabs(std::fmod(px + (py - 96) * 1.4f, 38.f) - 19);
    out = mix(out, rgb(70, 74, 84), coverage(truss - 1.2f) * 0.6f);
    out = mix(out, rgb(24, 26, 30), coverage(std::fabs(py - 118) - 1));
    const float lamp = std::hypot(std::fmod(px, 48.f) - 24, py - 130) - 2.2f;
    out = mix(out, rgb(255, 240, 200), coverage(lamp));
    return out;
}

// Two tiers of supporters with a row of lit boxes between them.
Color nightStands(float px, float py) {
    Color out;
    if (py > 228 && py < 244) {
        // Glazed boxes: warm light inside, brighter at the ceiling, glazing bars.
        const float window = std::fabs(std::fmod(px, 36.f) - 18) - 14;
        const float bar = std::fabs(std::fmod(px, 12.f) - 6) - 5.4f;
        const Color inside = mix(rgb(255, 214, 150), rgb(110, 70, 40), (py - 231) / 10);
        const float glass = coverage(window) * (1 - coverage(-bar) * 0.7f);
        out = mix(rgb(30, 30, 36), inside, glass * (py > 231 && py < 241 ? 0.8f : 0));
    } else {
        const bool upper = py < 228;
        const float light =
            upper ? 0.55f + 0.45f * (py - 134) / 94 : 0.85f + 0.25f * (py - 244) / 86;
        out = distantCrowd(px, py, upper ? 5.f : 6.f, upper ? 6.f : 7.f, upper ? 17 : 19,
                           light * 0.8f);
        // Tier steps every few rows.
        const float row = std::fmod(py, upper ? 6.f : 7.f);
        out = scale(out, row < 1 ? 0.8f : 1.f);
    }
    return out;
}

// Advertising boards glowing along the touchline.
Color nightBoards(float px, float py) {
    const int board = int(px / 128);
    const Color colors[] = {rgb(230, 40, 30), rgb(30, 110, 230), rgb(250, 190, 20),
                            rgb(40, 170, 80)};
    const float u = std::fmod(px, 128.f) / 128;
    Color out = mix(colors[board % 4], rgb(255, 255, 255), 0.35f * (1 - std::fabs(u - 0.5f) * 2));
    out = scale(out, 0.6f + 0.4f * std::sin(u * 9.4f + float(board)) * 0.5f + 0.2f);
    out = mix(out, rgb(10, 10, 12),
              coverage(std::min(std::fabs(u * 128 - 1), std::fabs(py - 342)) - 1));
    return out;
}

// The pitch, darker past the far touchline, with four pools of floodlight on the turf.
Color nightPitch(const Camera& cam, float px, float py) {
    Color out = pitchGround(cam, px, py, 0.9f, 41);
    float gx = 0, gz = 0, mpp = 0;
    cam.ground(px, py, gx, gz, mpp);
    if (gx > pitchpicture::WIDTH / 2 + 1) out = scale(out, 0.8f);
    // Four pools of floodlight on the turf.
    float pool = 0;
    for (float lz : {-40.f, -12.f, 12.f, 40.f})
        pool += std::exp(-((gx - 5) * (gx - 5) + (gz - lz) * (gz - lz)) / 900);
    out = scale(out, 0.45f + 0.5f * pool);
    return out;
}

// 1: a floodlit stadium at night, seen from the main stand across the pitch.
Canvas nightStadium() {
    const Camera cam{200, 700, 20, -60, 0, 1, 0};
    Canvas c(SHOWN_WIDTH, SHOWN_HEIGHT);
    c.paint([&](float px, float py) {
        Color glow{0, 0, 0, 1};
        for (const auto& t : TOWERS) {
            glow = add(glow, bloom(px, py, t[0], t[1], 160, rgb(120, 130, 160)), 0.55f);
            glow = add(glow, bloom(px, py, t[0], t[1], 40, rgb(255, 250, 230)), 0.9f);
        }
        Color out;
        if (py < 96)
            out = nightSky(px, py);
        else if (py < 134)
            out = nightRoof(px, py);
        else if (py < 330)
            out = nightStands(px, py);
        else if (py < 343)
            out = nightBoards(px, py);
        else
            out = nightPitch(cam, px, py);
        out = add(out, glow, py < 134 ? 1.f : 0.35f);
        // Mist in the floodlights above the far touchline.
        out = add(out, rgb(150, 160, 190), 0.12f * std::exp(-(py - 330) * (py - 330) / 2500));
        return vignette(out, px, py, 1.1f);
    });
    return c;
}

// Goal posts, crossbar and net seen from behind the goal.
Color goalFromBehind(const Camera& cam, float px, float py, Color under) {
    constexpr float HALF = 3.66f, BAR = 2.44f, GOAL_LINE = -52.5f, BACK = -54.5f;
    const float dx = (px - SHOWN_WIDTH / 2.f) / cam.focal, dy = -(py - cam.horizon) / cam.focal;
    // The ray from the eye through the pixel, in ground coordinates (camera looks along +z).
    const auto mesh = [&](float a, float b, float t) {
        const float cell = 0.14f, blur = t / cam.focal;
        // Distance to the nearest cord in either direction.
        const float m = std::max(std::fabs(std::fmod(a + 100, cell) - cell / 2),
                                 std::fabs(std::fmod(b + 100, cell) - cell / 2));
        return coverage(cell / 2 - m - 0.012f, std::max(blur, 0.004f)) * 0.7f;
    };
    Color out = under;
    // Posts and crossbar at the goal line (farther away than the net).
    float p0x = 0, p0y = 0, p1x = 0, p1y = 0, p2x = 0, p2y = 0, p3x = 0, p3y = 0;
    cam.project(-HALF, 0, GOAL_LINE, p0x, p0y);
    cam.project(-HALF, BAR, GOAL_LINE, p1x, p1y);
    cam.project(HALF, BAR, GOAL_LINE, p2x, p2y);
    cam.project(HALF, 0, GOAL_LINE, p3x, p3y);
    const float width = cam.focal * 0.12f / (GOAL_LINE - cam.z);
    const float frame = std::min({segmentDistance(px, py, p0x, p0y, p1x, p1y),
                                  segmentDistance(px, py, p1x, p1y, p2x, p2y),
                                  segmentDistance(px, py, p2x, p2y, p3x, p3y)});
    out = mix(out, rgb(250, 250, 250), coverage(frame - width / 2));
    // Net: back, roof and sides.
    float netCover = 0;
    const float tBack = (BACK - cam.z);
    const float bx = cam.x + dx * tBack, by = cam.height + dy * tBack;
    if (std::fabs(bx) < HALF && by > 0 && by < BAR)
        netCover = std::max(netCover, mesh(bx, by, tBack));
    if (dy < 0) {
        const float tRoof = (BAR - cam.height) / dy;
        const float rz = cam.z + tRoof, rx = cam.x + dx * tRoof;
        if (rz > BACK && rz < GOAL_LINE && std::fabs(rx) < HALF)
            netCover = std::max(netCover, mesh(rx, rz, tRoof));
    }
    for (float side : {-HALF, HALF}) {
        if (std::fabs(dx) < 1e-4f) continue;
        const float t = (side - cam.x) / dx;
        const float sz = cam.z + t, sy = cam.height + dy * t;
        if (t > 0 && sz > BACK && sz < GOAL_LINE && sy > 0 && sy < BAR)
            netCover = std::max(netCover, mesh(sz, sy, t));
    }
    out = mix(out, rgb(240, 240, 240), netCover);
    // The net's frame: the bars along its back and down its sides.
    const float edges[][6] = {
        {-HALF, 0, BACK, HALF, 0, BACK},           {-HALF, BAR, BACK, HALF, BAR, BACK},
        {-HALF, 0, BACK, -HALF, BAR, BACK},        {HALF, 0, BACK, HALF, BAR, BACK},
        {-HALF, 0, BACK, -HALF, 0, GOAL_LINE},     {HALF, 0, BACK, HALF, 0, GOAL_LINE},
        {-HALF, BAR, BACK, -HALF, BAR, GOAL_LINE}, {HALF, BAR, BACK, HALF, BAR, GOAL_LINE}};
    for (const auto& e : edges) {
        float ax = 0, ay = 0, bx2 = 0, by2 = 0;
        if (!cam.project(e[0], e[1], e[2], ax, ay) || !cam.project(e[3], e[4], e[5], bx2, by2))
            continue;
        const float w = cam.focal * 0.05f / (BACK - cam.z);
        out = mix(out, rgb(215, 215, 215),
                  coverage(segmentDistance(px, py, ax, ay, bx2, by2) - w / 2) * 0.9f);
    }
    return out;
}

// 2: the pitch on a sunny afternoon, from behind one goal.
Canvas daylightPitch() {
    const Camera cam{170, 560, 14, 6, -72, 0, 1};
    Canvas c(SHOWN_WIDTH, SHOWN_HEIGHT);
    c.paint([&](float px, float py) {
        Color out;
        if (py < 92) {
            out = mix(rgb(70, 130, 210), rgb(160, 200, 240), py / 92);
            const float cloud = fractalNoise(px / 180, py / 50, 5, 61);
            out = mix(out, rgb(250, 250, 252), smoothstep(0.5f, 0.75f, cloud) * 0.9f);
            out = add(out, bloom(px, py, 60, -20, 260, rgb(255, 240, 200)), 0.6f);
        } else if (py < 108) {
            // Roof edge of the far stand.
            out = mix(rgb(200, 204, 210), rgb(120, 124, 132), (py - 92) / 16);
            out = mix(out, rgb(90, 92, 100), coverage(std::fabs(std::fmod(px, 64.f) - 32) - 30.5f));
        } else if (py < 226) {
            // The far stand in the roof's shade, its seats in the club colours where empty.
            const float light = 0.55f + 0.35f * (py - 108) / 118;
            out = distantCrowd(px, py, 7, 8, 23, light);
            const float sun = smoothstep(-10, 10, (py - 108) - (px - 300) * 0.12f - 40);
            out = scale(out, 0.7f + 0.45f * sun);
        } else if (py < 236) {
            const int board = int(px / 160);
            out = board % 2 ? rgb(30, 60, 150) : rgb(240, 240, 240);
            out = mix(out, rgb(220, 30, 30),
                      coverage(std::fabs(std::fmod(px, 160.f) - 80) - 40) * 0.9f);
        } else {
            out = pitchGround(cam, px, py, 0.95f, 43);
            float gx = 0, gz = 0, mpp = 0;
            cam.ground(px, py, gx, gz, mpp);
            // The stand's shadow falls over the far end of the pitch.
            const float shade = smoothstep(-1.5f, 1.5f, gz - 38 + gx * 0.35f);
            out = mix(scale(out, 1.12f), mix(scale(out, 0.55f), rgb(30, 50, 70), 0.15f), shade);
            if (std::fabs(gx) > pitchpicture::WIDTH / 2 + 0.5f) out = scale(out, 0.9f);
            out = goalFromBehind(cam, px, py, out);
        }
        // Warm afternoon light from the top left.
        out = add(out, rgb(255, 230, 180), 0.08f * (1 - px / SHOWN_WIDTH));
        return vignette(out, px, py, 0.7f);
    });
    return c;
}

// One supporter of the home end: the head's centre at (hx, hy), s the row's size in pixels.
struct Supporter {
    float hx, hy, s;
    Color shirt, skin;
    bool armsUp, scarf;
    float fog;       // how far the haze hides this row: 0 near, 1 far
    float lightness; // the row's light times the supporter's own tone
};

// A supporter's colour and coverage at a pixel: shirt, raised arms, face, hair, scarf, haze.
Color supporterLayer(const Supporter& p, const Color home[2], float X, float Y) {
    const float hx = p.hx, hy = p.hy, s = p.s;
    const Color shirt = p.shirt, skin = p.skin;
    const bool armsUp = p.armsUp, scarf = p.scarf;
    const float fog = p.fog, lightness = p.lightness;
    Color col{0, 0, 0, 0};
    const float body = roundedBoxDistance(X, Y, hx - s * 0.5f, hy + s * 0.3f, hx + s * 0.5f,
                                          hy + s * 2.2f, s * 0.3f);
    const float shade = 1 - clamp01((Y - hy) / (s * 2.2f)) * 0.5f;
    col = withAlpha(scale(shirt, shade), coverage(body));
    if (armsUp) {
        const float arms = std::min(segmentDistance(X, Y, hx - s * 0.42f, hy + s * 0.5f,
                                                    hx - s * 0.7f, hy - s * 0.35f),
                                    segmentDistance(X, Y, hx + s * 0.42f, hy + s * 0.5f,
                                                    hx + s * 0.72f, hy - s * 0.4f)) -
                           s * 0.11f;
        col = mix(col, withAlpha(scale(shirt, 1.05f), 1), coverage(arms));
        const float hands =
            std::min(circleDistance(X, Y, hx - s * 0.7f, hy - s * 0.4f, s * 0.12f),
                     circleDistance(X, Y, hx + s * 0.72f, hy - s * 0.45f, s * 0.12f));
        col = mix(col, withAlpha(skin, 1), coverage(hands));
    }
    const float head = circleDistance(X, Y, hx, hy, s * 0.3f);
    // Lit from above and the left, with eyes and a mouth on the near rows.
    const float lit = clamp01(0.5f - (X - hx + Y - hy) / (s * 0.9f));
    Color face = scale(skin, 0.75f + 0.4f * lit);
    if (s > 14) {
        const float eyes =
            std::min(circleDistance(X, Y, hx - s * 0.1f, hy - s * 0.02f, s * 0.035f),
                     circleDistance(X, Y, hx + s * 0.1f, hy - s * 0.02f, s * 0.035f));
        face = mix(face, rgb(25, 18, 14), coverage(eyes));
        const float mouth =
            segmentDistance(X, Y, hx - s * 0.07f, hy + s * 0.14f, hx + s * 0.07f, hy + s * 0.14f) -
            s * 0.02f;
        face = mix(face, rgb(90, 30, 30), coverage(mouth) * 0.8f);
    }
    col = mix(col, withAlpha(face, 1), coverage(head));
    const float hair = std::max(head, Y - (hy - s * 0.17f));
    col = mix(col, withAlpha(rgb(30, 22, 18), 1), coverage(hair));
    if (scarf) {
        const float band = roundedBoxDistance(X, Y, hx - s * 1.3f, hy - s * 0.95f, hx + s * 1.3f,
                                              hy - s * 0.62f, s * 0.05f);
        const bool stripe = int(std::floor((X - hx) / (s * 0.32f))) % 2 == 0;
        col = mix(col, withAlpha(stripe ? home[0] : home[1], 1), coverage(band));
    }
    col = mix(col, withAlpha(rgb(20, 24, 44), col.a), fog * 0.65f);
    return withAlpha(scale(col, lightness), col.a);
}

// The rows of supporters, from the far ones at the top to the near ones below the picture's
// edge, each row's places and looks drawn from one seeded sequence.
void paintSupporters(Canvas& c) {
    SeededRandom rng(77);
    const Color home[2] = {rgb(205, 28, 30), rgb(245, 200, 30)};
    const Color skins[] = {rgb(232, 186, 150), rgb(205, 150, 110), rgb(160, 110, 78)};
    float y = 8, size = 9;
    while (y < SHOWN_HEIGHT + 40) {
        const float depth = clamp01((y - 8) / 600); // 0 far, 1 near
        const float fog = 1 - depth;
        for (float x = -size * rng.unit(); x < SHOWN_WIDTH + size;
             x += size * (0.75f + 0.25f * rng.unit())) {
            const float hx = x + (rng.unit() - 0.5f) * size * 0.2f,
                        hy = y + (rng.unit() - 0.5f) * size * 0.15f;
            const Color shirt = rng.below(10) < 8 ? home[rng.below(2)] : rgb(30, 30, 36);
            const Color skin = skins[rng.below(3)];
            const bool armsUp = rng.below(6) == 0;
            const bool scarf = !armsUp && rng.below(7) == 0;
            const float tone = 0.7f + 0.4f * rng.unit();
            const float s = size;
            const float lightness = (0.35f + 0.6f * depth) * tone;
            const Supporter one{hx, hy, s, shirt, skin, armsUp, scarf, fog, lightness};
            c.blend(int(hx - s * 1.4f), int(hy - s * 1.2f), int(hx + s * 1.4f) + 1,
                    int(hy + s * 2.2f) + 1,
                    [&](float X, float Y) { return supporterLayer(one, home, X, Y); });
        }
        y += size * 0.5f;
        size *= 1.06f;
    }
}

// 3: the home end behind the goal: rows of supporters with scarves and flags, flares, flashes.
Canvas crowd() {
    Canvas c(SHOWN_WIDTH, SHOWN_HEIGHT);
    c.paint(
        [&](float px, float py) {
            Color back = mix(rgb(10, 12, 26), rgb(40, 30, 40), py / SHOWN_HEIGHT);
            return add(back, bloom(px, py, 760, 120, 260, rgb(255, 120, 40)), 0.35f);
        },
        1);
    paintSupporters(c);
    // Flares and camera flashes over the crowd.
    Canvas glowed = c;
    glowed.paint(
        [&](float px, float py) {
            Color out =
                c.at(std::min(int(px), SHOWN_WIDTH - 1), std::min(int(py), SHOWN_HEIGHT - 1));
            out = add(out, bloom(px, py, 760, 150, 70, rgb(255, 90, 30)), 0.9f);
            out = add(out, bloom(px, py, 760, 150, 14, rgb(255, 240, 200)), 1);
            out = add(out, bloom(px, py, 180, 230, 50, rgb(255, 70, 20)), 0.7f);
            out = add(out, bloom(px, py, 180, 230, 9, rgb(255, 230, 190)), 1);
            const float smoke = fractalNoise(px / 120, py / 90, 4, 91) * smoothstep(260, 0, py);
            out = mix(out, rgb(120, 110, 120), smoke * 0.35f);
            for (int f = 0; f < 9; ++f) {
                const float fx = hash01(f, 1, 5) * SHOWN_WIDTH, fy = hash01(f, 2, 5) * 220 + 10;
                out = add(out, bloom(px, py, fx, fy, 3, rgb(255, 255, 255)), 1);
                out = add(out, bloom(px, py, fx, fy, 12, rgb(200, 220, 255)), 0.25f);
            }
            return vignette(out, px, py, 0.9f);
        },
        1);
    return glowed;
}

// The home dressing room seen from its door, in metres: the eye at the origin, looking along
// +z, the back wall BACK ahead, benches along the side walls, two lamps on the ceiling.
namespace room {

constexpr float FOCAL = 620, EYE_X = 512, EYE_Y = 300;
constexpr float HALF_WIDTH = 3, FLOOR = -1.6f, CEILING = 1.5f, BACK = 8;
constexpr float LAMPS[2][3] = {{0, 1.45f, 2.8f}, {0, 1.45f, 6.2f}};

struct Hit {
    float t;     // distance along the ray, in units of its depth
    int surface; // 0 back wall, 1 floor, 2 ceiling, 3 side wall, 4 bench top, 5 bench front
};

// The nearest surface along the ray through (dx, dy, 1).
Hit trace(float dx, float dy) {
    float t = BACK;
    int surface = 0; // 0 back wall, 1 floor, 2 ceiling, 3 side wall, 4 bench top, 5 bench front
    if (dy < 0 && FLOOR / dy < t) t = FLOOR / dy, surface = 1;
    if (dy > 0 && CEILING / dy < t) t = CEILING / dy, surface = 2;
    if (std::fabs(dx) > 1e-5f && HALF_WIDTH / std::fabs(dx) < t)
        t = HALF_WIDTH / std::fabs(dx), surface = 3;
    constexpr float SEAT = -1.15f, SEAT_EDGE = 2.5f;
    if (dy < 0 && SEAT / dy < t && std::fabs(dx * SEAT / dy) > SEAT_EDGE)
        t = SEAT / dy, surface = 4;
    if (std::fabs(dx) > 1e-5f && SEAT_EDGE / std::fabs(dx) < t &&
        dy * SEAT_EDGE / std::fabs(dx) < SEAT && SEAT_EDGE / std::fabs(dx) < BACK)
        t = SEAT_EDGE / std::fabs(dx), surface = 5;
    return {t, surface};
}

// The floor's tiles and their grout.
Color tiles(float X, float Z, float t) {
    const float gx = std::fabs(std::fmod(X + 30, 0.5f) - 0.25f),
                gz = std::fabs(std::fmod(Z, 0.5f) - 0.25f);
    const float grout = std::max(gx, gz) - 0.235f;
    const Color base = scale(rgb(150, 140, 128), 0.9f + 0.2f * hash01(int(std::floor(X * 2)),
                                                                      int(std::floor(Z * 2)), 7));
    return mix(base, rgb(70, 64, 58), coverage(-grout, t / FOCAL));
}

// The ceiling with the two lamps' panels.
Color ceiling(float X, float Z, float t) {
    Color base = rgb(190, 186, 176);
    for (const auto& l : LAMPS)
        base = mix(base, rgb(255, 250, 235),
                   coverage(roundedBoxDistance(X, Z, l[0] - 1.1f, l[2] - 0.25f, l[0] + 1.1f,
                                               l[2] + 0.25f, 0.05f),
                            t / FOCAL));
    return base;
}

// The walls: lockers below 0.7 m above the eye, club colours above, and a shirt on a hanger
// in every bay of the back wall.
Color wall(int surface, float X, float Y, float Z, float t) {
    const float u = surface == 0 ? X : Z, bay = 0.85f;
    if (Y > 0.55f) return Y > 1.0f ? rgb(205, 30, 34) : rgb(240, 196, 40);
    const float cu = std::fmod(u + 30 * bay, bay) - bay / 2;
    const float frame = std::max(std::fabs(cu) - bay / 2 + 0.05f, 0.f);
    Color base = mix(rgb(96, 58, 30), rgb(60, 34, 18), frame > 0 ? 1.f : 0.45f);
    base = scale(base, 0.85f + 0.3f * fractalNoise(u * 3, Y * 14, 3, 5));
    if (surface == 0 && Y > -1.0f) {
        const int bayIndex = int(std::floor((u + 30 * bay) / bay));
        const float sy = Y - 0.1f;
        const float torso = roundedBoxDistance(cu, sy, -0.2f, -0.55f, 0.2f, 0.25f, 0.04f);
        const float sleeves = std::min(segmentDistance(cu, sy, -0.18f, 0.18f, -0.33f, -0.05f),
                                       segmentDistance(cu, sy, 0.18f, 0.18f, 0.33f, -0.05f)) -
                              0.07f;
        const float shirt = std::min(torso, sleeves);
        Color cloth = mix(rgb(215, 30, 34), rgb(150, 16, 20), clamp01((0.25f - sy) / 0.8f));
        if (sy > 0.2f || std::fabs(cu) > 0.27f) cloth = rgb(245, 200, 40);
        if (std::fabs(cu) > 0.17f && std::fabs(cu) < 0.2f && sy < 0.1f) cloth = rgb(245, 200, 40);
        cloth = sevenSegments(cloth, rgb(255, 255, 255), (cu + 0.12f) / 0.24f, (0.12f - sy) / 0.36f,
                              (bayIndex * 7 + 3) % 10, 0.02f);
        base = mix(base, cloth, coverage(shirt, t / FOCAL * 1.5f));
        base =
            mix(base, rgb(200, 200, 200),
                coverage(segmentDistance(cu, sy, -0.15f, 0.27f, 0.15f, 0.27f) - 0.008f, t / FOCAL));
    }
    return base;
}

// The benches' wooden tops and fronts.
Color bench(int surface, float X, float Z) {
    const Color wood = surface == 4 ? rgb(170, 120, 72) : rgb(110, 72, 40);
    return scale(wood, 0.85f + 0.3f * fractalNoise(Z * 2, X * 8, 3, 9));
}

Color surfaceColour(int surface, float X, float Y, float Z, float t) {
    switch (surface) {
    case 1:
        return tiles(X, Z, t);
    case 2:
        return ceiling(X, Z, t);
    case 3:
    case 0:
        return wall(surface, X, Y, Z, t);
    default:
        return bench(surface, X, Z);
    }
}

// Lamplight: falls off with the distance to the two ceiling lamps.
float lamplight(int surface, float X, float Y, float Z) {
    float light = 0.18f;
    for (const auto& l : LAMPS) {
        const float d2 =
            (X - l[0]) * (X - l[0]) + (Y - l[1]) * (Y - l[1]) + (Z - l[2]) * (Z - l[2]);
        light += 2.6f / (1 + d2 * 0.55f);
    }
    if (surface == 2) light = 0.9f;
    return light;
}

} // namespace room

// 4: the home dressing room: shirts hanging in wooden bays, benches, tiled floor, lamps.
Canvas dressingRoom() {
    using namespace room;
    Canvas c(SHOWN_WIDTH, SHOWN_HEIGHT);
    c.paint([&](float px, float py) {
        const float dx = (px - EYE_X) / FOCAL, dy = -(py - EYE_Y) / FOCAL;
        const auto [t, surface] = trace(dx, dy);
        const float X = dx * t, Y = dy * t, Z = t;
        const Color base = surfaceColour(surface, X, Y, Z, t);
        const float light = lamplight(surface, X, Y, Z);
        Color out = scale(base, std::min(light, 1.35f));
        // The polished floor shines where the lamps face it.
        if (surface == 1)
            out = add(out, rgb(255, 240, 210),
                      0.25f * std::exp(-std::fabs(X) * 0.8f) * smoothstep(9, 3, Z) *
                          smoothstep(1.5f, 4, Z));
        out = add(out, rgb(255, 200, 140), 0.04f);
        return vignette(out, px, py, 1.2f);
    });
    return c;
}

// A cup's half width at a height, both in units of its height (0 at the foot).
float cupProfile(float h, int kind) {
    if (h < 0.12f) return 0.30f; // plinth
    if (h < 0.16f) return 0.22f;
    if (h < 0.40f) return 0.07f + 0.04f * std::cos((h - 0.16f) * 26);           // stem
    if (kind == 1) return 0.12f + 0.55f * std::sqrt(std::max(0.f, h - 0.40f));  // flared vase
    return 0.1f + 0.32f * std::sin(std::min(1.f, (h - 0.40f) / 0.55f) * 1.75f); // bowl
}

// 5: the trophy hall: cups on lit shelves against dark wood, a polished floor below.
Canvas trophyHall() {
    struct Cup {
        float x, base, height;
        int kind;
        bool silver;
    };
    const Cup cups[] = {
        {170, 300, 120, 0, false}, {300, 300, 95, 1, true},  {512, 560, 330, 0, false},
        {724, 300, 95, 1, false},  {854, 300, 120, 0, true}, {120, 500, 90, 1, true},
        {250, 500, 110, 0, false}, {774, 500, 110, 0, true}, {904, 500, 90, 1, false},
    };
    const float shelves[] = {300, 500};
    Canvas c(SHOWN_WIDTH, SHOWN_HEIGHT);
    c.paint([&](float px, float py) {
        // Wall of dark wood panels; below 560 the floor mirrors the room.
        const bool floor = py > 560;
        const float wy = floor ? 1120 - py : py;
        const float panel = std::fabs(std::fmod(px, 128.f) - 64);
        Color out = scale(rgb(58, 32, 20), 0.7f + 0.5f * fractalNoise(px / 300, wy / 12, 4, 13));
        out = mix(out, rgb(28, 14, 8), coverage(62 - panel) * 0.8f);
        // Spotlights from the ceiling: bright pools and beams.
        float light = 0.25f;
        for (const Cup& cup : cups) {
            const float spread = (wy - 0) * 0.18f + 20;
            const float beam = std::exp(-((px - cup.x) * (px - cup.x)) / (spread * spread)) *
                               smoothstep(cup.base + 20, cup.base - cup.height - 40, wy);
            light += beam * 0.55f;
        }
        out = scale(out, light);
        for (const float s : shelves) {
            const float d = std::fabs(wy - s - 4) - 4;
            out = mix(out, mix(rgb(200, 220, 230), rgb(60, 80, 90), clamp01((wy - s) / 8)),
                      coverage(d) * 0.85f);
            out = add(out, rgb(200, 230, 255),
                      0.3f * std::exp(-(wy - s - 10) * (wy - s - 10) / 60) * (wy > s ? 1.f : 0.f));
        }
        for (const Cup& cup : cups) {
            const float h = (cup.base - wy) / cup.height;
            if (h < 0 || h > 1) continue;
            const float lx = (px - cup.x) / cup.height;
            const float half = cupProfile(h, cup.kind);
            float cover = coverage((std::fabs(lx) - half) * cup.height);
            Color metal = cup.silver ? rgb(200, 205, 215) : rgb(230, 175, 60);
            if (h < 0.12f) metal = rgb(40, 28, 22); // wooden plinth
            const float n = clamp01(lx / std::max(half, 0.01f) * 0.5f + 0.5f);
            Color shade = scale(metal, 0.35f + 0.9f * std::pow(std::sin(n * 3.14159f), 0.7f) *
                                                   (1 - 0.6f * n));
            shade =
                add(shade, rgb(255, 255, 240), std::exp(-(n - 0.3f) * (n - 0.3f) / 0.004f) * 0.8f);
            // Handles on the bowl cups.
            if (cup.kind == 0) {
                for (float side : {-1.f, 1.f}) {
                    const float ring =
                        std::fabs(std::hypot(lx - side * 0.40f, h - 0.72f) - 0.1f) - 0.022f;
                    const float handle =
                        coverage(ring * cup.height) * (std::fabs(lx) > 0.3f ? 1.f : 0.f);
                    if (handle > cover) {
                        cover = handle;
                        shade = scale(metal, 0.8f);
                    }
                }
            }
            // The open top: a lit lip round the dark inside.
            const float rimHalf = cupProfile(1, cup.kind);
            const float lip = std::hypot(lx / rimHalf, (h - 0.975f) / 0.035f) - 1;
            if (lip < 0)
                shade = mix(scale(metal, 0.25f), scale(metal, 1.2f), smoothstep(-0.25f, 0, lip));
            out = mix(out, shade, cover * (floor ? 0.35f : 1));
        }
        if (floor) out = mix(out, rgb(16, 10, 8), 0.45f + 0.4f * clamp01((py - 560) / 88));
        return vignette(out, px, py, 1.0f);
    });
    return c;
}

} // namespace

bool write(PictureSet& pictures) {
    const struct {
        Canvas (*paint)();
        const char* file;
    } scenes[] = {{nightStadium, "gui/arka/arka.jpg"},
                  {daylightPitch, "gui/arka/arka2.jpg"},
                  {crowd, "gui/arka/arka3.jpg"},
                  {dressingRoom, "gui/arka/arka4.jpg"},
                  {trophyHall, "gui/arka/arka5.jpg"}};
    for (const auto& scene : scenes)
        if (!pictures.save(scene.paint().resized(STORED_WIDTH, STORED_HEIGHT), scene.file,
                           {{SHOWN_WIDTH, SHOWN_HEIGHT}}))
            return false;
    return true;
}

} // namespace backgrounds
