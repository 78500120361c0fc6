#include "devices/lighting/wave_table.h"

#include <cstddef>

namespace viremo::devices {
namespace {

constexpr std::array<uint8_t, kWaveLength / 2> kRise{
    22,  24,  27,  30,  33,  36,  39,  42,  45,  49,  53,  57,  61,  65,  69,  73,
    77,  81,  85,  89,  94,  99,  104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
    158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255,
};

constexpr std::array<uint8_t, kWaveLength> buildWave() {
    std::array<uint8_t, kWaveLength> wave{};
    for (std::size_t i = 0; i < kRise.size(); ++i) {
        wave[i] = kRise[i];
        wave[kWaveLength - 1 - i] = kRise[i];
    }
    return wave;
}

constexpr std::array<uint8_t, kWaveLength> kWave = buildWave();

}  // namespace

const std::array<uint8_t, kWaveLength>& waveTable() { return kWave; }

}  // namespace viremo::devices
