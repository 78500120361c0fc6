#pragma once
// The status block every battery-powered kind reads (ReadStatus at
// address 0): six bytes, of which the program uses the link and the
// battery level.
#include <array>
#include <cstddef>
#include <cstdint>

namespace viremo::devices {

inline constexpr size_t kStatusSize = 6;
inline constexpr size_t kStatusLinkByte = 3;     // set by the program: 1 through the receiver
inline constexpr size_t kStatusBatteryByte = 4;  // percent

using StatusBlock = std::array<uint8_t, kStatusSize>;

}  // namespace viremo::devices
