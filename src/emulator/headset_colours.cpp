#include "emulator/headset_colours.h"

#include <algorithm>
#include <optional>

#include "emulator/report_descriptors.h"

namespace viremo::emulator {
namespace {

constexpr size_t kTargetByte = 1;
constexpr size_t kGroupByte = 2;
constexpr size_t kLevelsOffset = 4;
constexpr size_t kFirstHalfLights = 7;  // lights 0 to 6; 7 to 12 in the second half

// What a group byte stands for: a colour level of one half of the lights.
struct Group {
    size_t colour;      // 0 red, 1 green, 2 blue
    size_t firstLight;  // 0 or 7
    size_t lights;      // 7 or 6
};

std::optional<Group> groupOf(uint8_t code) {
    if (code >= 0xAA && code <= 0xAC) return Group{size_t(code - 0xAA), 0, kFirstHalfLights};
    if (code >= 0xAD && code <= 0xAF)
        return Group{size_t(code - 0xAD), kFirstHalfLights, kHeadsetLights - kFirstHalfLights};
    return std::nullopt;
}

std::optional<size_t> targetOf(uint8_t code) {
    const auto target = std::find(kColourTargets.begin(), kColourTargets.end(), code);
    if (target == kColourTargets.end()) return std::nullopt;
    return size_t(target - kColourTargets.begin());
}

}  // namespace

bool HeadsetColours::take(std::span<const uint8_t> report) {
    const bool wellFormed = report.size() == kColourReportLength && report[0] == kHeadsetColourReportId &&
                            report[3] == 0;
    const auto target = wellFormed ? targetOf(report[kTargetByte]) : std::nullopt;
    const auto group = wellFormed ? groupOf(report[kGroupByte]) : std::nullopt;
    if (!target || !group) {
        ++ignored;
        return false;
    }
    for (size_t i = 0; i < group->lights; ++i)
        lights[*target][group->firstLight + i][group->colour] = report[kLevelsOffset + i];
    ++reports;
    return true;
}

HeadsetColours decodeColourReports(const std::vector<Report>& reports) {
    HeadsetColours colours;
    for (const auto& report : reports) colours.take(report);
    return colours;
}

}  // namespace viremo::emulator
