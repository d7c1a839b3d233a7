#include "tools/datagen/picture_set.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tools/datagen/picture_file.h"

namespace {

constexpr int JPEG_QUALITY = 92;

bool complain(const std::filesystem::path& path) {
    std::fprintf(stderr, "menajer-datagen: cannot write %s\n", path.c_str());
    return false;
}

// The game hands a JPEG's first row to the bottom of every rectangle it draws it on, so the
// backgrounds are stored bottom row first to be seen upright.
std::vector<uint8_t> bottomRowFirst(std::vector<uint8_t> rows, int rowBytes) {
    const size_t n = size_t(rowBytes), count = rows.size() / n;
    for (size_t top = 0, bottom = count - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(rows.begin() + long(top * n), rows.begin() + long((top + 1) * n),
                         rows.begin() + long(bottom * n));
    return rows;
}

} // namespace

PictureSet::PictureSet(std::filesystem::path veriFolder, std::filesystem::path previewFolder)
    : veri(std::move(veriFolder)), preview(std::move(previewFolder)) {}

bool PictureSet::save(const Canvas& canvas, const std::string& relative,
                      std::initializer_list<Stretch> stretches) {
    const std::filesystem::path path = veri / relative;
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    const std::string ext = path.extension().string();
    const int w = canvas.width(), h = canvas.height();
    bool ok = false;
    if (ext == ".tga")
        ok = writeTarga32(path.c_str(), w, h, canvas.bytes(4).data());
    else if (ext == ".jpg")
        ok = writeJpeg(path.c_str(), w, h, bottomRowFirst(canvas.bytes(3), w * 3).data(),
                       JPEG_QUALITY);
    else
        ok = writeBitmap24(path.c_str(), w, h, canvas.bytes(3).data());
    if (!ok) return complain(path);
    if (preview.empty()) return true;

    const std::string stem = path.stem().string();
    ok = writePreview(canvas, stem);
    for (const Stretch& s : stretches)
        ok = ok &&
             writePreview(canvas.resized(s.width, s.height),
                          stem + "@" + std::to_string(s.width) + "x" + std::to_string(s.height));
    kept.insert_or_assign(relative, canvas);
    return ok;
}

bool PictureSet::writePreview(const Canvas& canvas, const std::string& name) {
    std::error_code ec;
    std::filesystem::create_directories(preview, ec);
    // Alpha shown over a checkerboard.
    Canvas shown = canvas;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            Color& c = shown.at(x, y);
            const float check = ((x / 8 + y / 8) & 1) ? 0.35f : 0.55f;
            c = mix(Color{check, check, check, 1}, withAlpha(c, 1), c.a);
        }
    const std::filesystem::path path = preview / (name + ".png");
    return writePng(path.c_str(), shown.width(), shown.height(), shown.bytes(3).data()) ||
           complain(path);
}

void PictureSet::drawOnScreen(Canvas& screen, const std::string& relative, float x, float y,
                              float w, float h, Color tint) const {
    const auto found = kept.find(relative);
    if (found == kept.end()) return;
    const Canvas part = found->second.resized(int(w), int(h));
    for (int j = 0; j < part.height(); ++j)
        for (int i = 0; i < part.width(); ++i) {
            const int sx = int(x) + i, sy = int(y) + j;
            if (sx < 0 || sy < 0 || sx >= screen.width() || sy >= screen.height()) continue;
            const Color& c = part.at(i, j);
            Color& d = screen.at(sx, sy);
            const float a = c.a * tint.a;
            d = {mix(d.r, c.r * tint.r, a), mix(d.g, c.g * tint.g, a), mix(d.b, c.b * tint.b, a),
                 1};
        }
}

bool PictureSet::finishPreview() {
    if (preview.empty()) return true;
    // The game's screen as the frame draws it: background, content panel, bars, menu bar,
    // then a few of the pages' pieces.
    const Color white{1, 1, 1, 1};
    const char* backgrounds[] = {"gui/arka/arka.jpg", "gui/arka/arka2.jpg", "gui/arka/arka3.jpg",
                                 "gui/arka/arka4.jpg", "gui/arka/arka5.jpg"};
    bool ok = true;
    int index = 0;
    for (const char* background : backgrounds) {
        Canvas screen(1024, 768, Color{0, 0, 0, 1});
        drawOnScreen(screen, background, 0, 90, 1024, 648, white);
        drawOnScreen(screen, "gui/arka/arkas.tga", 20, 110, 984, 608, Color{1, 1, 1, 0.7f});
        drawOnScreen(screen, "gui/mup.bmp", 0, 0, 1024, 90, white);
        drawOnScreen(screen, "gui/mup.bmp", 0, 738, 1024, 30, white);
        const float headers[5][2] = {{0, 238}, {240, 238}, {480, 150}, {633, 233}, {870, 154}};
        for (int i = 0; i < 5; ++i)
            drawOnScreen(screen, i == 1 ? "gui/dugme2.bmp" : "gui/dugme.bmp", headers[i][0], 65,
                         headers[i][1], 21, white);
        if (index == 1) {
            drawOnScreen(screen, "doku/saha.bmp", 560, 110, 450, 620, white);
        } else if (index == 2) {
            for (int r = 0; r < 5; ++r) {
                drawOnScreen(screen, "gui/dugme2.bmp", 35, 160 + 20.f * float(r), 950, 20,
                             r == 1 ? Color{250 / 255.f, 0, 0, 1} : Color{.67f, .67f, .67f, 1});
                drawOnScreen(screen, r % 2 ? "gui/mailo.bmp" : "gui/mail.bmp", 35,
                             160 + 20.f * float(r), 20, 20, Color{1, 1, r % 2 ? 1.f : 0, 1});
            }
            drawOnScreen(screen, "gui/arka/arkas.tga", 35, 260, 950, 310, Color{.5f, .5f, .5f, 1});
        } else if (index == 3) {
            drawOnScreen(screen, "gui/mup.bmp", 245, 190, 420, 400, white);
            drawOnScreen(screen, "gui/dugme.bmp", 300, 520, 140, 25, white);
            drawOnScreen(screen, "gui/dugme2.bmp", 460, 520, 140, 25, white);
            drawOnScreen(screen, "gui/dugme.bmp", 270, 260, 100, 21, white);
        } else if (index == 4) {
            drawOnScreen(screen, "gui/mup.bmp", 250, 360, 400, 80, white);
            drawOnScreen(screen, "gui/dugme.bmp", 300, 400, 140, 25, white);
            drawOnScreen(screen, "gui/dugme.bmp", 460, 400, 140, 25, white);
        }
        ok = writePreview(screen, "screen" + std::to_string(++index)) && ok;
    }
    return ok;
}
