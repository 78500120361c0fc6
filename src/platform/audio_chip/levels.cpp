#include "platform/audio_chip/levels.h"

#include <algorithm>
#include <cmath>

namespace viremo::audio_chip {

int levelFromScalar(double scalar) {
    const double level = std::round(scalar * kMaxLevel);
    return int(std::clamp(level, 0.0, double(kMaxLevel)));
}

float scalarFromLevel(int level) { return float(clampLevel(level)) / kMaxLevel; }

int clampLevel(int level) { return std::clamp(level, 0, kMaxLevel); }

}  // namespace viremo::audio_chip
