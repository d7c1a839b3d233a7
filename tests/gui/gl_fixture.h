// A real GL window under the test platform, with a one-unit-per-pixel 2D projection and
// helpers to make textures and read pixels back. Used by the text, quad and widget tests.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/globals.h"
#include "platform/test/test_platform.h"

namespace gltest {

constexpr int W = 1024;
constexpr int H = 768;

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

inline void PrintTo(const Rgb& c, std::ostream* os) {
    *os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// Lit region of a frame: columns and GL rows (bottom-up) that differ from the background.
struct Box {
    int left = -1, right = -1, bottom = -1, top = -1; // inclusive
    bool empty() const { return left < 0; }
    int width() const { return empty() ? 0 : right - left + 1; }
    int height() const { return empty() ? 0 : top - bottom + 1; }
};

class GlTest : public ::testing::Test {
protected:
    // One window for the whole run, never closed: the global objects may still ask for the
    // platform at exit.
    static void SetUpTestSuite() {
        if (platform) return;
        platform = new platform::TestPlatform(true);
        platform::setCurrent(platform);
        windowOpen = platform->openGLWindow(W, H);
    }

    void SetUp() override {
        ASSERT_TRUE(windowOpen);
        // Other fixtures in the same program may have made their own context current.
        platform::setCurrent(platform);
        ASSERT_TRUE(platform->makeCurrent(true));
        engine.width = W;
        engine.height = H;
        glViewport(0, 0, W, H);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, W, 0, H, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
        glEnable(GL_TEXTURE_2D);
        glColor4ub(255, 255, 255, 255);
        glDrawBuffer(GL_BACK);
        glReadBuffer(GL_BACK);
        clear(0, 0, 0);
    }

    void TearDown() override {
        if (!textures.empty()) glDeleteTextures(GLsizei(textures.size()), textures.data());
        textures.clear();
    }

    static void clear(int r, int g, int b) {
        glClearColor(float(r) / 255.0f, float(g) / 255.0f, float(b) / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    // A size × size RGB texture (nearest filtering, modulated) whose texel (x, row) comes
    // from texel(x, row), row 0 being the bottom row as GL stores it.
    uint32_t makeTexture(int size, const std::function<Rgb(int x, int row)>& texel) {
        std::vector<uint8_t> data(size_t(size) * size * 3);
        for (int row = 0; row < size; ++row)
            for (int x = 0; x < size; ++x) {
                const Rgb c = texel(x, row);
                uint8_t* p = &data[(size_t(row) * size + x) * 3];
                p[0] = uint8_t(c.r);
                p[1] = uint8_t(c.g);
                p[2] = uint8_t(c.b);
            }
        GLuint id = 0;
        glGenTextures(1, &id);
        glBindTexture(GL_TEXTURE_2D, id);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, size, size, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     data.data());
        textures.push_back(id);
        return id;
    }

    uint32_t solidTexture(Rgb c) {
        return makeTexture(4, [c](int, int) { return c; });
    }

    // A 256 × 256 glyph picture: 16-texel cells, white where lit(cell), black elsewhere.
    uint32_t fontTexture(const std::function<bool(int cell)>& lit) {
        return makeTexture(256, [&](int x, int row) {
            const int cell = (15 - row / 16) * 16 + x / 16;
            return lit(cell) ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
        });
    }

    // The whole frame, GL row order (row 0 at the bottom).
    static std::vector<uint8_t> frame() {
        glFinish();
        std::vector<uint8_t> pixels(size_t(W) * H * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, W, H, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    static Rgb pixel(int x, int glRow) {
        glFinish();
        uint8_t p[3] = {};
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, glRow, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2]};
    }

    // Bounding box of every pixel that differs from the background colour, within columns
    // [x0, x1) and GL rows [row0, row1).
    static Box litBox(Rgb background = {0, 0, 0}, int x0 = 0, int row0 = 0, int x1 = W,
                      int row1 = H) {
        const std::vector<uint8_t> pixels = frame();
        Box box;
        for (int row = row0; row < row1; ++row)
            for (int x = x0; x < x1; ++x) {
                const uint8_t* p = &pixels[(size_t(row) * W + x) * 3];
                if (Rgb{p[0], p[1], p[2]} == background) continue;
                if (box.empty()) {
                    box = {x, x, row, row};
                    continue;
                }
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.bottom = std::min(box.bottom, row);
                box.top = std::max(box.top, row);
            }
        return box;
    }

    static inline platform::TestPlatform* platform = nullptr;
    static inline bool windowOpen = false;
    std::vector<GLuint> textures;
};

} // namespace gltest
