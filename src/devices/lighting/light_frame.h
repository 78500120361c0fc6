#pragma once
// The light frame streamed to a device: three bytes (red, green, blue) per
// frame position, each scaled by the light's level.
#include <array>
#include <cstdint>

#include "devices/lighting/light_colours.h"

namespace viremo::devices {

inline constexpr size_t kLightFrameSize = 512;
using LightFrame = std::array<uint8_t, kLightFrameSize>;

// Puts the scaled colour at 3 x position; positions whose three bytes do
// not fit the frame are left out.
void placeLight(LightFrame& frame, int position, LightColour colour);

// Light i at position i, for every light of the list.
LightFrame buildLightFrame(const LightColours& lights);

}  // namespace viremo::devices
