#pragma once
// The 96-entry wave of the single-colour column effects: a rise from 22 to
// 255 over entries 0-47 and the same values back down over entries 48-95.
#include <array>
#include <cstdint>

namespace viremo::devices {

inline constexpr int kWaveLength = 96;
const std::array<uint8_t, kWaveLength>& waveTable();

}  // namespace viremo::devices
