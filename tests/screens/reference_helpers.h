// Whole frames against reviewed reference pictures, with a tolerance for the rasteriser.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// RGB, rows top to bottom.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
};

// Lossless, at zlib's best compression with the filter chosen row by row.
bool writePng(const std::string& path, const Picture& picture);
bool readPng(const std::string& path, Picture& picture);

// A pixel differs when a channel is more than CHANNEL_TOLERANCE from the reference; a frame
// matches while at most PIXEL_BUDGET pixels differ.
constexpr int CHANNEL_TOLERANCE = 2;
constexpr int PIXEL_BUDGET = 16;

// "" when `frame` matches tests/screens/<name>.png; else what differs, with the frame, the
// reference and a difference picture written beside the test program as <name>-frame.png,
// -reference.png and -difference.png. With SCREENS_UPDATE set to a folder, the frame is
// written there as <name>.png instead.
std::string checkScreen(const std::string& name, const Picture& frame);
