#include "tools/datagen/gui_pictures.h"

#include <cmath>

#include "tools/datagen/canvas.h"
#include "tools/datagen/picture_set.h"

namespace guipictures {
namespace {

// Brushed steel-blue bar. It is stretched from 1024 x 30 to 420 x 400, so its look comes from
// smooth vertical light and soft sides rather than from lines of a fixed width.
Canvas bar() {
    Canvas c(512, 256);
    const float h = float(c.height()), w = float(c.width());
    c.paint([&](float x, float y) {
        const float v = y / h, u = x / w;
        Color base = mix(rgb(112, 128, 156), rgb(48, 58, 80), smoothstep(0, 0.55f, v));
        base = mix(base, rgb(26, 31, 44), smoothstep(0.5f, 1, v));
        // Sheen on the upper half, like light from the ceiling on a curved plate.
        base = add(base, rgb(255, 255, 255), 0.10f * (1 - smoothstep(0, 0.45f, v)));
        const float brushed = fractalNoise(x / 160.f, y / 1.5f, 3, 11) - 0.5f;
        base = scale(base, 1 + brushed * 0.12f);
        // Soft darker sides and bottom edge; a thin lit rim on top.
        const float side = smoothstep(0, 0.035f, std::min(u, 1 - u));
        base = scale(base, 0.72f + 0.28f * side);
        base = mix(base, rgb(170, 186, 214), 1 - smoothstep(0, 0.02f, v));
        return mix(base, rgb(8, 10, 16), smoothstep(0.965f, 1, v));
    });
    return c;
}

struct FaceColors {
    Color top, middle, bottom, rim, edge;
};

// A glossy bevelled button face, drawn from 100 x 21 to 950 x 20.
Canvas buttonFace(const FaceColors& k, uint32_t seed) {
    Canvas c(256, 32);
    const float h = float(c.height()), w = float(c.width());
    c.paint([&](float x, float y) {
        const float v = y / h, u = x / w;
        Color face = v < 0.5f ? mix(k.top, k.middle, v / 0.5f)
                              : mix(k.bottom, k.middle, smoothstep(0.5f, 1.1f, v) * 0.6f);
        // The glass highlight on the upper half.
        face = add(face, rgb(255, 255, 255), 0.16f * (1 - smoothstep(0.05f, 0.48f, v)));
        face = scale(face, 1 + (fractalNoise(x / 40.f, y / 3.f, 2, seed) - 0.5f) * 0.06f);
        const float side = smoothstep(0, 0.025f, std::min(u, 1 - u));
        face = scale(face, 0.65f + 0.35f * side);
        // Two texels of lit rim on top and of shade at the bottom stay about one pixel.
        face = mix(face, k.rim, (1 - smoothstep(1, 2.5f, y)) * 0.85f);
        face = mix(face, k.edge, smoothstep(h - 3, h - 0.5f, y));
        return mix(face, k.edge, 1 - smoothstep(0, 1.5f, std::min(x, w - x)));
    });
    return c;
}

// Mail markers: an envelope on a dark tile, shown 20 x 20 and tinted by the list.
Color envelopePaper(float x, float y, float top, float bottom) {
    const float t = clamp01((y - top) / (bottom - top));
    Color paper = mix(rgb(250, 250, 244), rgb(200, 202, 196), t);
    return scale(paper, 1 + (valueNoise(x / 3.f, y / 3.f, 5) - 0.5f) * 0.05f);
}

Color markerTile(float x, float y, float size) {
    const float d = roundedBoxDistance(x, y, 0, 0, size, size, 10);
    Color tile = mix(rgb(44, 56, 80), rgb(14, 18, 28), y / size);
    tile = mix(tile, rgb(110, 128, 160), coverage(std::fabs(d + 2) - 1.2f));
    return mix(rgb(10, 12, 18), tile, coverage(d));
}

Canvas closedEnvelope() {
    const float s = 64;
    Canvas c(64, 64);
    c.paint([&](float x, float y) {
        Color out = markerTile(x, y, s);
        const float x0 = 9, x1 = 55, y0 = 17, y1 = 47;
        const float body = roundedBoxDistance(x, y, x0, y0, x1, y1, 2.5f);
        // Shadow under the envelope.
        out = mix(out, rgb(0, 0, 0),
                  0.45f * coverage(roundedBoxDistance(x, y, x0 + 2, y0 + 3, x1 + 2, y1 + 3, 4), 3));
        Color paper = envelopePaper(x, y, y0, y1);
        // Flap: its two edges meet in the middle; the paper below them is a shade darker.
        const float flap = std::min(segmentDistance(x, y, x0 + 1, y0 + 1, 32, 34),
                                    segmentDistance(x, y, x1 - 1, y0 + 1, 32, 34));
        const float fold = std::min(segmentDistance(x, y, x0 + 1, y1 - 1, 27, 30),
                                    segmentDistance(x, y, x1 - 1, y1 - 1, 37, 30));
        if (y > y0 + (34 - y0) * (1 - std::fabs(x - 32) / 23)) paper = scale(paper, 0.93f);
        paper = mix(paper, rgb(130, 130, 125), coverage(fold - 0.6f) * 0.6f);
        paper = mix(paper, rgb(110, 110, 104), coverage(flap - 0.9f));
        // A seal where the flap closes.
        const float seal = circleDistance(x, y, 32, 34, 5);
        Color wax = mix(rgb(220, 40, 30), rgb(140, 10, 10), clamp01((y - 29) / 10));
        paper = mix(paper, wax, coverage(seal));
        paper = mix(paper, rgb(60, 10, 10), coverage(std::fabs(seal) - 0.5f) * 0.5f);
        out = mix(out, paper, coverage(body));
        return mix(out, rgb(60, 60, 56), coverage(std::fabs(body) - 0.6f) * 0.7f);
    });
    return c;
}

Canvas openEnvelope() {
    const float s = 64;
    Canvas c(64, 64);
    c.paint([&](float x, float y) {
        Color out = markerTile(x, y, s);
        const float x0 = 9, x1 = 55, y0 = 28, y1 = 54;
        out = mix(out, rgb(0, 0, 0),
                  0.45f * coverage(roundedBoxDistance(x, y, x0 + 2, y0 + 3, x1 + 2, y1 + 3, 4), 3));
        // The open flap stands up behind the letter as a triangle.
        const float flapTip = 9;
        const bool inFlap =
            y < y0 + 1 && y > flapTip && std::fabs(x - 32) < (y - flapTip) / (y0 - flapTip) * 23;
        if (inFlap) out = mix(envelopePaper(x, y, flapTip, y0), rgb(150, 150, 140), 0.35f);
        const float flapEdge = std::min(segmentDistance(x, y, x0, y0, 32, flapTip),
                                        segmentDistance(x, y, x1, y0, 32, flapTip));
        out = mix(out, rgb(90, 90, 86), coverage(flapEdge - 0.6f) * 0.8f);
        // The letter, pulled half out, with lines of writing.
        const float letter = roundedBoxDistance(x, y, 16, 15, 48, 46, 1);
        Color sheet = rgb(255, 255, 250);
        for (int line = 0; line < 4; ++line) {
            const float ly = 20.5f + 4.5f * float(line);
            const float len = line == 3 ? 36 : 43;
            sheet = mix(sheet, rgb(70, 90, 140),
                        coverage(segmentDistance(x, y, 20, ly, len, ly) - 0.7f) * 0.85f);
        }
        out = mix(out, sheet, coverage(letter));
        out = mix(out, rgb(150, 150, 140), coverage(std::fabs(letter) - 0.5f) * 0.6f);
        // The pocket in front: its top edge dips to a V.
        const float vDepth = y0 + 12 - std::fabs(x - 32) * 12 / 23;
        const float pocket = std::max(roundedBoxDistance(x, y, x0, y0, x1, y1, 2.5f), vDepth - y);
        Color paper = envelopePaper(x, y, y0, y1);
        paper = mix(paper, rgb(120, 120, 114),
                    coverage(std::min(segmentDistance(x, y, x0 + 1, y1 - 1, 28, 43),
                                      segmentDistance(x, y, x1 - 1, y1 - 1, 36, 43)) -
                             0.6f) *
                        0.5f);
        out = mix(out, paper, coverage(pocket));
        return mix(out, rgb(60, 60, 56), coverage(std::fabs(pocket) - 0.6f) * 0.7f);
    });
    return c;
}

// The translucent content panel: dark blue glass with a lit rim, seen at 70 % over the
// background (984 x 608) and, tinted grey, under a mail (950 x 310).
Canvas panel() {
    Canvas c(512, 512);
    const float s = float(c.width());
    c.paint([&](float x, float y) {
        const float u = x / s, v = y / s;
        const float d = roundedBoxDistance(x, y, 0.5f, 0.5f, s - 0.5f, s - 0.5f, 6);
        Color glass = mix(rgb(22, 32, 56), rgb(6, 9, 18), v);
        // A diagonal sheen from the top left and a faint cloudiness.
        glass = add(glass, rgb(120, 150, 200), 0.10f * (1 - smoothstep(0, 0.9f, u * 0.6f + v)));
        glass = scale(glass, 1 + (fractalNoise(u * 6, v * 6, 4, 21) - 0.5f) * 0.18f);
        glass.a = 0.84f + 0.08f * v;
        const float rim = coverage(std::fabs(d + 1.5f) - 0.9f);
        glass = mix(glass, rgb(140, 165, 210, 1), rim * 0.9f);
        glass.a *= coverage(d);
        return glass;
    });
    return c;
}

} // namespace

bool write(PictureSet& pictures) {
    const FaceColors normal{rgb(86, 112, 152), rgb(46, 66, 102), rgb(28, 42, 70),
                            rgb(170, 196, 236), rgb(8, 12, 22)};
    const FaceColors hover{rgb(232, 172, 78), rgb(178, 108, 34), rgb(116, 62, 16),
                           rgb(255, 232, 170), rgb(44, 20, 0)};
    return pictures.save(bar(), "gui/mup.bmp", {{1024, 90}, {1024, 30}, {400, 80}, {420, 400}}) &&
           pictures.save(buttonFace(normal, 31), "gui/dugme.bmp",
                         {{100, 21}, {238, 21}, {140, 25}}) &&
           pictures.save(buttonFace(hover, 37), "gui/dugme2.bmp",
                         {{100, 21}, {238, 21}, {140, 25}, {950, 20}}) &&
           pictures.save(closedEnvelope(), "gui/mail.bmp", {{20, 20}}) &&
           pictures.save(openEnvelope(), "gui/mailo.bmp", {{20, 20}}) &&
           pictures.save(panel(), "gui/arka/arkas.tga", {{984, 608}, {950, 310}});
}

} // namespace guipictures
