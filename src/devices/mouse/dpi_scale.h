#pragma once
// The DPI scale of the mouse's sensor, from its device information: level L
// stands for L x step + lowest DPI. The 3325-type sensor has two slopes: the
// step up to level 48, 200 DPI per level above it.
//
// Nothing is computed before the information block is read: its step is 0
// then (and after a broken read).
#include <cstdint>
#include <optional>

#include "devices/device_info.h"

namespace viremo::devices::mouse {

inline constexpr uint16_t kTwoSlopeSensor = 0x3325;
inline constexpr int kTwoSlopeKnee = 48;  // levels
inline constexpr int kUpperSlopeStep = 200;  // DPI per level above the knee

class DpiScale {
public:
    explicit DpiScale(const DeviceInfo& info) : info_(info) {}

    bool IsKnown() const { return info_.dpiStep != 0; }
    int HighestLevel() const { return info_.highestDpiLevel; }
    // The DPI of a level; nullopt while the scale is unknown.
    std::optional<int> DpiOfLevel(int level) const;
    // The level of a typed DPI value, raised to the lowest DPI and held to
    // the highest level; nullopt while the scale is unknown.
    std::optional<int> LevelOfDpi(int dpi) const;
    // The highest DPI an edit accepts: that of the highest level.
    std::optional<int> HighestDpi() const { return DpiOfLevel(HighestLevel()); }

private:
    bool HasTwoSlopes() const { return info_.sensor == kTwoSlopeSensor; }

    DeviceInfo info_;
};

}  // namespace viremo::devices::mouse
