#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

static Platform* currentPlatform = nullptr;

Platform& current() {
    if (!currentPlatform) {
        std::fputs("platform: used before a platform was set\n", stderr);
        std::abort();
    }
    return *currentPlatform;
}

void setCurrent(Platform* platform) {
    currentPlatform = platform;
}

FrameRect fitFrame(int frameWidth, int frameHeight, int outWidth, int outHeight) {
    if (frameWidth <= 0 || frameHeight <= 0 || outWidth <= 0 || outHeight <= 0) return {};
    FrameRect r;
    if (int64_t(outWidth) * frameHeight >= int64_t(outHeight) * frameWidth) {
        r.height = outHeight; // bars left and right
        r.width = int(int64_t(outHeight) * frameWidth / frameHeight);
    } else {
        r.width = outWidth;
        r.height = int(int64_t(outWidth) * frameHeight / frameWidth);
    }
    r.x = (outWidth - r.width) / 2;
    r.y = (outHeight - r.height) / 2;
    return r;
}

FrameRect unscaledFrame(int frameWidth, int frameHeight, int outWidth, int outHeight,
                        int outPixelsWidth, int outPixelsHeight) {
    if (outWidth <= 0 || outHeight <= 0 || outPixelsWidth <= 0 || outPixelsHeight <= 0) return {};
    // Pixels to points: the same on most displays, fewer points on high-density ones.
    const auto points = [](int pixels, int outPoints, int outPixels) {
        return int(int64_t(pixels) * outPoints / outPixels);
    };
    FrameRect r;
    r.width = points(frameWidth, outWidth, outPixelsWidth);
    r.height = points(frameHeight, outHeight, outPixelsHeight);
    r.y = outHeight - r.height;
    return r;
}

static int32_t toFrameAxis(int from, int shownSize, int frameSize, int at) {
    if (shownSize <= 0 || frameSize <= 0 || at < from) return 0;
    if (at >= from + shownSize) return frameSize - 1;
    return int32_t((2 * int64_t(at - from) + 1) * frameSize / (2 * int64_t(shownSize)));
}

void toFramePixel(const FrameRect& shown, int frameWidth, int frameHeight, int x, int y,
                  int32_t& frameX, int32_t& frameY) {
    frameX = toFrameAxis(shown.x, shown.width, frameWidth, x);
    frameY = toFrameAxis(shown.y, shown.height, frameHeight, y);
}

} // namespace platform
