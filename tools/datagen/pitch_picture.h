// The pitch seen from above for the tactics page, and the ground of the stadium backgrounds.
#pragma once

#include "tools/datagen/canvas.h"

class PictureSet;

namespace pitchpicture {

constexpr float LENGTH = 105; // metres, goal line to goal line
constexpr float WIDTH = 68;

// Cover (0..1) of the white markings at a point of the ground, in metres from the centre
// spot (x across, z along the length); line width and edge blur are in metres.
float markings(float x, float z, float lineWidth, float blur);
// Mown grass at a ground point: stripes every stripe metres along z.
Color grass(float x, float z, float stripe, uint32_t seed);

// doku/saha: portrait, own goal at the bottom, drawn over 450 x 620.
bool write(PictureSet& pictures);

} // namespace pitchpicture
