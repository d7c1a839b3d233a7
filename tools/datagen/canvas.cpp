#include "tools/datagen/canvas.h"

#include <algorithm>
#include <thread>

namespace {

uint32_t hash(uint32_t x, uint32_t y, uint32_t seed) {
    uint32_t h = x * 0x8DA6B343u ^ y * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    return h ^ (h >> 15);
}

float lattice(int x, int y, uint32_t seed) {
    return float(hash(uint32_t(x), uint32_t(y), seed) & 0xFFFF) / 65535.f;
}

uint8_t toByte(float v) {
    return uint8_t(std::lround(clamp01(v) * 255.f));
}

} // namespace

float roundedBoxDistance(float x, float y, float x0, float y0, float x1, float y1, float radius) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float qx = std::fabs(x - cx) - ((x1 - x0) / 2 - radius);
    const float qy = std::fabs(y - cy) - ((y1 - y0) / 2 - radius);
    return std::hypot(std::max(qx, 0.f), std::max(qy, 0.f)) + std::min(std::max(qx, qy), 0.f) -
           radius;
}

float segmentDistance(float x, float y, float ax, float ay, float bx, float by) {
    const float dx = bx - ax, dy = by - ay;
    const float len2 = dx * dx + dy * dy;
    const float t = len2 > 0 ? clamp01(((x - ax) * dx + (y - ay) * dy) / len2) : 0;
    return std::hypot(x - (ax + t * dx), y - (ay + t * dy));
}

float valueNoise(float x, float y, uint32_t seed) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const float top = mix(lattice(ix, iy, seed), lattice(ix + 1, iy, seed), tx);
    const float bottom = mix(lattice(ix, iy + 1, seed), lattice(ix + 1, iy + 1, seed), tx);
    return mix(top, bottom, ty);
}

float fractalNoise(float x, float y, int octaves, uint32_t seed) {
    float sum = 0, amplitude = 0.5f, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += valueNoise(x, y, seed + uint32_t(o) * 101u) * amplitude;
        total += amplitude;
        x *= 2.03f;
        y *= 2.03f;
        amplitude *= 0.5f;
    }
    return sum / total;
}

float grain(int x, int y, uint32_t seed) {
    return lattice(x, y, seed ^ 0xA5A5A5u) * 2 - 1;
}

Canvas::Canvas(int width, int height, Color fill)
    : w(width), h(height), pixels(size_t(width) * size_t(height), fill) {}

void Canvas::forEachRowBand(const std::function<void(int, int)>& band) const {
    const int threads = int(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    std::vector<std::thread> workers;
    for (int t = 1; t < threads; ++t)
        workers.emplace_back(band, h * t / threads, h * (t + 1) / threads);
    band(0, h / threads);
    for (std::thread& worker : workers)
        worker.join();
}

std::vector<uint8_t> Canvas::bytes(int components) const {
    std::vector<uint8_t> out;
    out.reserve(pixels.size() * size_t(components));
    for (const Color& c : pixels) {
        out.push_back(toByte(c.r));
        out.push_back(toByte(c.g));
        out.push_back(toByte(c.b));
        if (components == 4) out.push_back(toByte(c.a));
    }
    return out;
}

Canvas Canvas::resized(int width, int height) const {
    Canvas out(width, height);
    const float sx = float(w) / float(width), sy = float(h) / float(height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            // Source footprint of the target pixel, at least one source pixel wide.
            const float fx0 = float(x) * sx, fy0 = float(y) * sy;
            const float fw = std::max(sx, 1.f), fh = std::max(sy, 1.f);
            const float cx = fx0 + sx / 2 - fw / 2, cy = fy0 + sy / 2 - fh / 2;
            Color sum{0, 0, 0, 0};
            float total = 0;
            const int n = 4;
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i) {
                    const float px =
                        std::clamp(cx + (float(i) + .5f) * fw / n - .5f, 0.f, float(w - 1));
                    const float py =
                        std::clamp(cy + (float(j) + .5f) * fh / n - .5f, 0.f, float(h - 1));
                    const int x0 = int(px), y0 = int(py);
                    const int x1 = std::min(x0 + 1, w - 1), y1 = std::min(y0 + 1, h - 1);
                    const float tx = px - float(x0), ty = py - float(y0);
                    const Color c =
                        mix(mix(at(x0, y0), at(x1, y0), tx), mix(at(x0, y1), at(x1, y1), tx), ty);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, sum.a + c.a};
                    total += 1;
                }
            out.at(x, y) = {sum.r / total, sum.g / total, sum.b / total, sum.a / total};
        }
    return out;
}
