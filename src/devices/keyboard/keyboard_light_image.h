#pragma once
// The keyboard's light data: a light frame streamed while the program
// drives the lights, and the colour page of a custom colour group (mode 20),
// both 3 bytes (red, green, blue scaled by the light's level) per light
// frame position. Only the key lights (numbers 0-125) with a light position
// are placed.
#include "devices/keyboard/keyboard_layout.h"
#include "devices/lighting/light_colours.h"
#include "devices/lighting/light_frame.h"

namespace viremo::devices::keyboard {

inline constexpr size_t kStreamedFrameSize = 384;
inline constexpr int kColourPageLength = 512;

LightFrame buildKeyLightImage(const LightColours& lights, const PositionMap& lightPositions);

}  // namespace viremo::devices::keyboard
