// The material pictures: the two layers of the mouse pointer and the player marker's frames.
#pragma once

#include <filesystem>

namespace materialpictures {

// The pointer's picture covers this many texels; the game draws it at 20 × 35 pixels.
constexpr int POINTER_WIDTH = 32, POINTER_HEIGHT = 64;
constexpr int MARKER_SIDE = 64;
constexpr int MARKER_FRAMES = 6;

// Writes veri/gui/imlec0.tga, imlec1.tga and veri/doku/oyuncu0..5.tga; false (with a line on
// standard error) on failure.
bool write(const std::filesystem::path& veri);

} // namespace materialpictures
