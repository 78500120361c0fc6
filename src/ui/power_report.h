#pragma once
// What the power display shows for a device's status block: battery level
// (byte 0, percent), charge state (byte 1: 0 powered, 1 charging, 2 on
// battery), wireless link (byte 3) and, on a mouse pad, the phone lying on it
// (byte 5). Missing bytes read as 0; at most 64 are used. Fields left empty
// keep what the display shows.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace viremo::ui {

struct PowerView {
    int level = 0;     // 0..100; a device reporting more shows 100
    int progress = 0;  // the ring: 100 - level
    std::string label;  // "37%"
    std::optional<bool> progressShown;
    std::optional<std::string> statusImage;
    std::optional<bool> wirelessMark;  // mouse only
    std::optional<std::string> phoneToolTip;  // mouse pad only
    std::optional<std::string> phoneImage;
};

PowerView ReadPowerReport(std::span<const uint8_t> report, int modelId);

}  // namespace viremo::ui
