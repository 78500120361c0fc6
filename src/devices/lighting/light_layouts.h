#pragma once
// Where the lights of the mouse, the mouse pad and the headset sit: the light
// count of each and the seven columns the column effects walk, front to back.
// Light 0 of the pad and of the headset (the logo) stands in no column.
#include <array>
#include <cstdint>

namespace viremo::devices {

enum class LitDevice { Mouse, MousePad, Headset };

inline constexpr int kLayoutColumns = 7;
inline constexpr int kNoColumnLight = -1;
using LightColumn = std::array<int, 3>;  // padded with kNoColumnLight

struct LightLayout {
    int lightCount = 0;
    std::array<LightColumn, kLayoutColumns> columns{};
};

const LightLayout& layoutOf(LitDevice device);

}  // namespace viremo::devices
