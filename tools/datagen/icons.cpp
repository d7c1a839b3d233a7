#include "tools/datagen/icons.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "tools/datagen/canvas.h"
#include "tools/datagen/picture_file.h"

namespace icons {

namespace {

constexpr int SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256};

// `layer` over `base` with the given coverage; alpha builds up the way a painter's does.
Color over(const Color& base, const Color& layer, float cover) {
    const float k = clamp01(cover) * layer.a;
    Color out = mix(base, layer, k);
    out.a = base.a + k * (1 - base.a);
    return out;
}

// Both icons in unit coordinates (0..1 across, top-down); `px` is one pixel in those units,
// so strokes never thin below a pixel at 16 x 16.
Color pitch(float u, float v, float px) {
    const float tile = roundedBoxDistance(u, v, .06f, .06f, .94f, .94f, .18f);
    const bool light = int(u * 6) % 2 == 0;
    const Color grass = light ? rgb(66, 160, 72) : rgb(52, 140, 60);
    Color c = over(withAlpha(grass, 0), grass, coverage(tile, px));
    const float line = std::max(.03f, px);
    const Color white = rgb(245, 245, 240);
    c = over(c, white, coverage(std::abs(u - .5f) - line / 2, px) * coverage(tile + .06f, px));
    c = over(c, white, coverage(std::abs(circleDistance(u, v, .5f, .5f, .3f)) - line / 2, px));
    c = over(c, rgb(20, 40, 20, .35f), coverage(circleDistance(u, v, .53f, .53f, .19f), px));
    c = over(c, white, coverage(circleDistance(u, v, .5f, .5f, .19f), px));
    const Color dark = rgb(30, 30, 34);
    c = over(c, dark, coverage(circleDistance(u, v, .5f, .5f, .065f), px));
    for (float a : {0.f, 1.2566f, 2.5133f, 3.7699f, 5.0265f})
        c = over(
            c, dark,
            coverage(circleDistance(u, v, .5f + .17f * std::sin(a), .5f - .17f * std::cos(a), .05f),
                     px) *
                coverage(circleDistance(u, v, .5f, .5f, .19f), px));
    return c;
}

Color playerCard(float u, float v, float px) {
    const float tile = roundedBoxDistance(u, v, .06f, .06f, .94f, .94f, .18f);
    const Color blue = mix(rgb(40, 90, 170), rgb(24, 52, 110), v);
    Color c = over(withAlpha(blue, 0), blue, coverage(tile, px));
    c = over(c, rgb(0, 0, 0, .3f),
             coverage(roundedBoxDistance(u, v, .25f, .19f, .81f, .89f, .06f), px));
    c = over(c, rgb(250, 250, 246),
             coverage(roundedBoxDistance(u, v, .22f, .15f, .78f, .85f, .06f), px));
    const Color ink = rgb(36, 70, 140);
    c = over(c, ink, coverage(circleDistance(u, v, .5f, .34f, .095f), px));
    c = over(c, ink, coverage(roundedBoxDistance(u, v, .35f, .45f, .65f, .58f, .06f), px));
    const float line = std::max(.035f, px);
    for (float y : {.67f, .75f})
        c = over(c, rgb(150, 158, 170),
                 coverage(segmentDistance(u, v, .31f, y, .69f, y) - line / 2, px));
    const float pencil = segmentDistance(u, v, .6f, .9f, .9f, .6f);
    c = over(c, rgb(20, 20, 20, .5f), coverage(pencil - std::max(.05f, px), px));
    c = over(c, rgb(240, 160, 40), coverage(pencil - std::max(.04f, px * .75f), px));
    return c;
}

struct Icon {
    const char* id;
    Color (*draw)(float u, float v, float px);
};
const Icon ICONS[] = {{"com.zendor.Menajer", pitch}, {"com.zendor.Kadroed", playerCard}};

} // namespace

bool write(const std::filesystem::path& root) {
    for (const Icon& icon : ICONS)
        for (int size : SIZES) {
            const std::filesystem::path folder =
                root / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
            std::error_code ec;
            std::filesystem::create_directories(folder, ec);
            Canvas canvas(size, size);
            const float px = 1.f / float(size);
            canvas.paint([&](float x, float y) { return icon.draw(x * px, y * px, px); }, 4);
            const std::string path = (folder / (std::string(icon.id) + ".png")).string();
            if (!writePng(path.c_str(), size, size, canvas.bytes(4).data(), 4)) {
                std::fprintf(stderr, "menajer-datagen: cannot write %s\n", path.c_str());
                return false;
            }
        }
    return true;
}

} // namespace icons
