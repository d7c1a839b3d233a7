// The bitmap font's picture: 16 × 16 cells, one per Windows-1254 byte, light on black.
#pragma once

namespace fontpicture {

constexpr int SIDE = 512;
constexpr int CELL = SIDE / 16;
// Glyphs advance 10 of the cell's 16 units, so only this many columns stay uncovered.
constexpr int USABLE_WIDTH = CELL * 10 / 16;

// Renders the glyphs from the TrueType file and writes the 24-bit bitmap; false (with a
// line on standard error) on failure.
bool write(const char* fontPath, const char* outputPath);

} // namespace fontpicture
