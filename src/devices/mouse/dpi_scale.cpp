#include "devices/mouse/dpi_scale.h"

#include <algorithm>

namespace viremo::devices::mouse {

std::optional<int> DpiScale::DpiOfLevel(int level) const {
    if (!IsKnown()) return std::nullopt;
    const int step = info_.dpiStep;
    if (HasTwoSlopes() && level > kTwoSlopeKnee)
        return step * kTwoSlopeKnee + (level - kTwoSlopeKnee) * kUpperSlopeStep + info_.lowestDpi;
    return level * step + info_.lowestDpi;
}

std::optional<int> DpiScale::LevelOfDpi(int dpi) const {
    if (!IsKnown()) return std::nullopt;
    const int lowest = info_.lowestDpi;
    const int step = info_.dpiStep;
    dpi = std::max(dpi, lowest);
    const int knee = kTwoSlopeKnee * step + lowest;
    const int level = HasTwoSlopes() && dpi >= knee ? (dpi - knee) / kUpperSlopeStep + kTwoSlopeKnee
                                                     : (dpi - lowest) / step;
    return std::clamp(level, 0, HighestLevel());
}

}  // namespace viremo::devices::mouse
