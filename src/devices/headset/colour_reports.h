#pragma once
// The headset's live colours: twelve raw HID output reports of 17 bytes,
//
//   [0] 0xFF  [1] target 0x22 or 0x44  [2] group  [3] 0  [4..10] levels
//
// groups 0xAA, 0xAB, 0xAC carrying the red, green, blue levels of lights 0
// to 6 and 0xAD, 0xAE, 0xAF those of lights 7 to 12, in the order the
// headset expects: for each colour, (0x22, lights 0-6), (0x22, lights 7-12),
// (0x44, lights 0-6), (0x44, lights 7-12). Each level is the colour byte
// scaled by the light's level, at most 247.
#include <array>
#include <cstdint>

#include "devices/lighting/light_colours.h"

namespace viremo::devices::headset {

inline constexpr int kHeadsetLights = 13;
inline constexpr size_t kColourReportSize = 17;
inline constexpr size_t kColourReportCount = 12;
inline constexpr uint8_t kColourReportId = 0xFF;
inline constexpr uint8_t kHighestLevel = 247;

using ColourReport = std::array<uint8_t, kColourReportSize>;
using ColourFrame = std::array<ColourReport, kColourReportCount>;

ColourFrame buildColourReports(const LightColours& lights);

}  // namespace viremo::devices::headset
