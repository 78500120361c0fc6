#pragma once
// The headset's lights as the host drives them live: raw output reports of
// 17 bytes on the headset's interface (report id 0xFF), each carrying one
// colour level of up to seven lights for one of the two targets:
//
//   [0] 0xFF  [1] target 0x22 or 0x44  [2] group  [3] 0  [4..10] levels
//
// Groups 0xAA, 0xAB, 0xAC hold the red, green, blue levels of lights 0 to 6;
// 0xAD, 0xAE, 0xAF those of lights 7 to 12 (six levels, byte 10 unused).
// Bytes 11 to 16 carry nothing. A full frame is twelve reports: every group
// for both targets.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "emulator/command_packet.h"

namespace viremo::emulator {

inline constexpr size_t kHeadsetLights = 13;
inline constexpr size_t kColourReportLength = 17;
inline constexpr std::array<uint8_t, 2> kColourTargets{0x22, 0x44};

using LightLevels = std::array<uint8_t, 3>;  // red, green, blue

struct HeadsetColours {
    // lights[t][i]: light i as target kColourTargets[t] last received it.
    std::array<std::array<LightLevels, kHeadsetLights>, kColourTargets.size()> lights{};
    // The reports taken, and the other reports passed over.
    size_t reports = 0;
    size_t ignored = 0;

    // Takes one report: false (and nothing changed but `ignored`) when it is
    // not a well-formed colour report.
    bool take(std::span<const uint8_t> report);
};

// The colours a sequence of output reports (an interface's log) leaves on
// the lights; reports of other kinds are passed over.
HeadsetColours decodeColourReports(const std::vector<Report>& reports);

}  // namespace viremo::emulator
