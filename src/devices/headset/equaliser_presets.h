#pragma once
// The headset's twelve built-in equaliser presets: the gains of bands 0 to 9.
// Preset 13 is the user's custom equaliser and has no gains of its own.
#include <array>
#include <cstdint>
#include <optional>

namespace viremo::devices::headset {

inline constexpr int kBands = 10;
inline constexpr int kFirstPreset = 1;
inline constexpr int kLastPreset = 12;
inline constexpr int kCustomPreset = 13;
// A band's gain, in the chip's slider steps.
inline constexpr int kLowestGain = -20;
inline constexpr int kHighestGain = 20;

using BandGains = std::array<int32_t, kBands>;

// The gains of presets 1 to 12; nullopt for any other number.
std::optional<BandGains> presetGains(int preset);

}  // namespace viremo::devices::headset
