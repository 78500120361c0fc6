#include "devices/headset/colour_reports.h"

#include <algorithm>

namespace viremo::devices::headset {
namespace {

constexpr std::array<uint8_t, 2> kTargets{0x22, 0x44};
constexpr int kFirstHalf = 7;  // lights 0-6; lights 7-12 are the second half
constexpr uint8_t kFirstHalfGroup = 0xAA;
constexpr uint8_t kSecondHalfGroup = 0xAD;
constexpr size_t kLevelsAt = 4;

uint8_t colourByte(const LightColour& colour, int component) {
    const uint8_t bytes[] = {colour.red, colour.green, colour.blue};
    return bytes[component];
}

uint8_t level(const LightColour& colour, int component) {
    return uint8_t(std::min<int>(kHighestLevel, colourByte(colour, component) * colour.level / 256));
}

ColourReport report(const LightColours& lights, uint8_t target, int component, int half) {
    ColourReport bytes{};
    bytes[0] = kColourReportId;
    bytes[1] = target;
    bytes[2] = uint8_t((half == 0 ? kFirstHalfGroup : kSecondHalfGroup) + component);
    const int first = half == 0 ? 0 : kFirstHalf;
    const int last = half == 0 ? kFirstHalf : kHeadsetLights;
    for (int light = first; light < last; ++light)
        bytes[kLevelsAt + size_t(light - first)] = level(lights.Get(light), component);
    return bytes;
}

}  // namespace

ColourFrame buildColourReports(const LightColours& lights) {
    ColourFrame frame{};
    size_t next = 0;
    for (int component = 0; component < 3; ++component)
        for (const uint8_t target : kTargets)
            for (int half = 0; half < 2; ++half) frame[next++] = report(lights, target, component, half);
    return frame;
}

}  // namespace viremo::devices::headset
