// Whole frames against reviewed reference pictures: PNG files in and out, and the comparison
// with its tolerance for the rasteriser.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// RGB, rows top to bottom.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
};

// Lossless, at the best compression zlib offers with the filter chosen row by row.
bool writePng(const std::string& path, const Picture& picture);
// Any PNG, converted to 8-bit RGB; false when the file is missing or unreadable.
bool readPng(const std::string& path, Picture& picture);

// A pixel differs when any channel is more than kChannelTolerance away from the reference; a
// frame matches while at most kPixelBudget pixels differ.
constexpr int kChannelTolerance = 2;
constexpr int kPixelBudget = 16;

struct Comparison {
    bool sizeMatches = false;
    int differing = 0;    // pixels beyond the channel tolerance
    int largest = 0;      // the largest channel difference seen
    int firstX = -1, firstY = -1;
    Picture difference;   // the reference darkened, differing pixels in red
};
Comparison compare(const Picture& frame, const Picture& reference);

// The check of one screen: "" when `frame` matches tests/screens/<name>.png; otherwise the
// message, having written <name>-frame.png, -reference.png and -difference.png into the
// output folder. With SCREENS_UPDATE set to a folder the frame is written there as
// <name>.png instead and the check passes.
std::string checkScreen(const std::string& name, const Picture& frame);
