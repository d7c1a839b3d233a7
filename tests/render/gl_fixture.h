// Tests that draw: the scripted platform (message boxes recorded, clock set by the test) with
// a real 1024 × 768 GL window, a one-unit-per-pixel 2D projection, and pixel helpers. The
// seam is bound to the test's own engine and log.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/test/test_platform.h"
#include "render/bitmap_font.h"
#include "tests/support/test_seam.h"

constexpr int W = 1024, H = 768;
using Strings = std::vector<std::string>;

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};
inline std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// Columns (inclusive) of the pixels that differ from the background; left is -1 when none do.
struct Box {
    int left = -1, right = -1;
    int width() const { return left < 0 ? 0 : right - left + 1; }
};

inline void clear(Rgb c) {
    glClearColor(float(c.r) / 255, float(c.g) / 255, float(c.b) / 255, 1);
    glClear(GL_COLOR_BUFFER_BIT);
}
// Nearest-filtered, modulated RGB texture; row 0 is the bottom row, as GL stores it.
inline uint32_t makeTexture(int size, const std::function<Rgb(int x, int row)>& texel) {
    std::vector<uint8_t> data;
    for (int i = 0; i < size * size; ++i) {
        const Rgb c = texel(i % size, i / size);
        data.insert(data.end(), {uint8_t(c.r), uint8_t(c.g), uint8_t(c.b)});
    }
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    for (GLenum filter : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER})
        glTexParameteri(GL_TEXTURE_2D, filter, GL_NEAREST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, size, size, 0, GL_RGB, GL_UNSIGNED_BYTE, data.data());
    return id;
}
// The font's lists (built once) over a picture of 16-texel cells, white where lit(cell).
inline void useFont(const std::function<bool(int cell)>& lit) {
    if (bitmapFont.listBase == 0) bitmapFont.build();
    glDeleteTextures(1, &bitmapFont.texture);
    bitmapFont.texture = makeTexture(256, [&](int x, int row) {
        return lit((15 - row / 16) * 16 + x / 16) ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
    });
}

inline Rgb pixel(int x, int row) {
    uint8_t p[3] = {};
    glReadPixels(x, row, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}
// Within columns left..right and GL rows bottom..top when given.
inline Box litBox(Rgb background = {0, 0, 0}, int left = 0, int bottom = 0, int right = W - 1,
                  int top = H - 1) {
    std::vector<uint8_t> p(size_t(W) * H * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, W, H, GL_RGB, GL_UNSIGNED_BYTE, p.data());
    Box box;
    for (int row = bottom; row <= top; ++row)
        for (int x = left; x <= right; ++x)
            if (const uint8_t* q = &p[(size_t(row) * W + size_t(x)) * 3];
                Rgb{q[0], q[1], q[2]} != background)
                box = {box.left < 0 ? x : std::min(box.left, x), std::max(box.right, x)};
    return box;
}

class GlTest : public testing::Test {
protected:
    // One window for the whole run, never closed: the font and loader may ask for it at exit.
    static void SetUpTestSuite() {
        if (!host) {
            host = new platform::TestPlatform(true);
            windowOpen = host->openGLWindow(W, H);
        }
    }
    void SetUp() override {
        ASSERT_TRUE(windowOpen) << "no GL window (is DISPLAY set?)";
        platform::setCurrent(host);
        ASSERT_TRUE(host->makeCurrent(true)); // another suite's window may hold the context
        host->messageBoxes.clear();
        engine.width = W, engine.height = H;
        glViewport(0, 0, W, H);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, W, 0, H, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_BLEND);
        glEnable(GL_TEXTURE_2D);
        glColor4ub(255, 255, 255, 255);
        clear({0, 0, 0});
    }

    Engine& engine = bindTestEngine(); // the seam's, for the library code under test
    static inline platform::TestPlatform* host = nullptr;
    static inline bool windowOpen = false;
};
