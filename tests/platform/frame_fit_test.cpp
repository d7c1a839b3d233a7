#include <gtest/gtest.h>

#include <array>

#include "platform/platform.h"

using namespace platform;

// The frame's rectangle on screens and windows of other shapes, and window points mapped back
// to the frame pixel under them: bars land on the nearest edge, scaled pixels round by centre.
// Drawn unscaled (pixelsW given), the frame sits in the drawable's bottom-left corner and points
// map one to one from there; on a display of two pixels per point the frame covers half as many
// points.
TEST(FrameFit, FittedAndUnscaledFramesAndPointsBackToFramePixels) {
    const struct {
        int outW, outH, pixelsW, pixelsH; // pixelsW 0: fitted, with the rectangle x, y, w, h
        int x, y, w, h;
        int pointX, pointY, frameX, frameY;
    } cases[] = {
        {1920, 1080, 0, 0, 240, 0, 1440, 1080, 239, -5, 0, 0},         // left bar, above the window
        {1920, 1080, 0, 0, 240, 0, 1440, 1080, 1680, 1079, 1023, 767}, // right bar
        {1280, 1024, 0, 0, 0, 32, 1280, 960, 640, 31, 512, 0},         // top bar
        {1600, 900, 0, 0, 200, 0, 1200, 900, 1000, 450, 683, 384},     // scaled: rounded by centre
        {1025, 769, 0, 0, 0, 0, 1025, 768, 1024, 768, 1023, 767}, // one pixel too many: floored
        {0, 600, 0, 0, 0, 0, 0, 0, 5, 5, 0, 0},                   // a minimised window
        {1280, 1024, 1280, 1024, 0, 0, 0, 0, 10, 1023, 10, 767},  // the frame's bottom-left pixel
        {1280, 1024, 1280, 1024, 0, 0, 0, 0, 500, 200, 500, 0},   // above it
        {1280, 1024, 1280, 1024, 0, 0, 0, 0, 1100, 600, 1023, 344},
        {800, 600, 800, 600, 0, 0, 0, 0, 100, 0, 100, 168}, // a smaller window shows its bottom
        {1280, 1024, 2560, 2048, 0, 0, 0, 0, 100, 1000, 201, 721},
    };
    for (const auto& c : cases) {
        const FrameRect r = c.pixelsW
                                ? unscaledFrame(1024, 768, c.outW, c.outH, c.pixelsW, c.pixelsH)
                                : fitFrame(1024, 768, c.outW, c.outH);
        int32_t fx = -1, fy = -1;
        toFramePixel(r, 1024, 768, c.pointX, c.pointY, fx, fy);
        EXPECT_EQ((std::array{fx, fy}), (std::array{c.frameX, c.frameY}))
            << c.outW << "x" << c.outH << " at " << c.pointX << "," << c.pointY;
        if (!c.pixelsW) {
            EXPECT_EQ((std::array{r.x, r.y, r.width, r.height}), (std::array{c.x, c.y, c.w, c.h}))
                << c.outW << "x" << c.outH;
        }
    }
}
