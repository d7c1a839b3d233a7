// A floating-point picture the generator paints procedurally, with the shading helpers the
// pictures share: smooth noise with a fixed seed, anti-aliased shapes from signed distances.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

struct Color {
    float r = 0, g = 0, b = 0, a = 1;
};

inline Color rgb(int r, int g, int b, float a = 1) {
    return {float(r) / 255.f, float(g) / 255.f, float(b) / 255.f, a};
}
inline float mix(float a, float b, float t) {
    return a + (b - a) * t;
}
inline Color mix(const Color& a, const Color& b, float t) {
    return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t), mix(a.a, b.a, t)};
}
inline Color scale(const Color& c, float k) {
    return {c.r * k, c.g * k, c.b * k, c.a};
}
inline Color add(const Color& c, const Color& d, float k = 1) {
    return {c.r + d.r * k, c.g + d.g * k, c.b + d.b * k, c.a};
}
inline Color withAlpha(Color c, float a) {
    c.a = a;
    return c;
}
inline float clamp01(float v) {
    return v < 0 ? 0 : v > 1 ? 1 : v;
}
inline float smoothstep(float e0, float e1, float x) {
    const float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}
// Coverage of a shape at a point `distance` pixels outside its edge (negative inside).
inline float coverage(float distance, float pixel = 1) {
    return clamp01(0.5f - distance / pixel);
}

// Signed distances (negative inside).
inline float circleDistance(float x, float y, float cx, float cy, float radius) {
    return std::hypot(x - cx, y - cy) - radius;
}
float roundedBoxDistance(float x, float y, float x0, float y0, float x1, float y1, float radius);
float segmentDistance(float x, float y, float ax, float ay, float bx, float by);

// Smooth value noise in 0..1, one unit per lattice cell, and a sum of octaves.
float valueNoise(float x, float y, uint32_t seed);
float fractalNoise(float x, float y, int octaves, uint32_t seed);
// Per-pixel grain in -1..1.
float grain(int x, int y, uint32_t seed);

class Canvas {
public:
    Canvas(int width, int height, Color fill = {});

    int width() const { return w; }
    int height() const { return h; }
    Color& at(int x, int y) { return pixels[size_t(y) * size_t(w) + size_t(x)]; }
    const Color& at(int x, int y) const { return pixels[size_t(y) * size_t(w) + size_t(x)]; }

    // Sets every pixel to shade(x, y), the mean of samples x 2 x 2 inside the pixel, in pixel
    // coordinates (the top-left pixel covers 0..1).
    template <class Shade> void paint(Shade shade, int samples = 2) {
        const float step = 1.f / float(samples);
        // Rows are shaded independently, so bands of them go to separate threads.
        forEachRowBand([&](int firstRow, int endRow) {
            for (int y = firstRow; y < endRow; ++y)
                for (int x = 0; x < w; ++x) {
                    Color sum{0, 0, 0, 0};
                    for (int sy = 0; sy < samples; ++sy)
                        for (int sx = 0; sx < samples; ++sx) {
                            const Color c = shade(float(x) + (float(sx) + .5f) * step,
                                                  float(y) + (float(sy) + .5f) * step);
                            sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, sum.a + c.a};
                        }
                    const float n = float(samples * samples);
                    at(x, y) = {sum.r / n, sum.g / n, sum.b / n, sum.a / n};
                }
        });
    }
    // Blends layer(x, y) over the pixels of a box, by the layer colour's alpha (one sample at
    // the pixel's centre: anti-aliasing comes from the layer's own coverage).
    template <class Layer> void blend(int x0, int y0, int x1, int y1, Layer layer) {
        if (x0 < 0) x0 = 0;
        if (y0 < 0) y0 = 0;
        if (x1 > w) x1 = w;
        if (y1 > h) y1 = h;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const Color c = layer(float(x) + .5f, float(y) + .5f);
                Color& d = at(x, y);
                d = {mix(d.r, c.r, c.a), mix(d.g, c.g, c.a), mix(d.b, c.b, c.a), d.a};
            }
    }

    // 8-bit rows, top row first: 3 bytes a pixel (RGB) or 4 (RGBA).
    std::vector<uint8_t> bytes(int components) const;
    // A copy resampled to another size: box-filtered when shrinking, bilinear when growing,
    // the way a mipmapped texture is seen when stretched over a rectangle.
    Canvas resized(int width, int height) const;

private:
    void forEachRowBand(const std::function<void(int firstRow, int endRow)>& band) const;

    int w, h;
    std::vector<Color> pixels;
};
