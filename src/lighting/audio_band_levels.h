#pragma once
// Turns the companion's sample blocks into the 25 band levels the keyboard's
// audio effects follow. Each block is compared with the one before it: the
// 500 sample-to-sample differences form 25 groups of 20, and each group's
// mean and deviation carry a share of the previous block's value, so a
// silent block after a loud one lets the levels fall rather than drop.
// Every third block hands its means over.
//
// Samples are any 32-bit values another program sends, so differences and
// sums are 64-bit; a mean beyond the 32-bit range is handed over as the
// largest 32-bit level, and a square beyond 64 bits saturates.
#include <array>
#include <cstdint>
#include <optional>

#include "lighting/companion_blocks.h"

namespace viremo {

inline constexpr size_t kBandLevelCount = 25;
using BandLevels = std::array<int32_t, kBandLevelCount>;

class AudioBandLevels {
public:
    // The 25 levels on every third block, nothing on the others.
    std::optional<BandLevels> AddBlock(const companion::SampleBlock& samples);

    const std::array<uint64_t, kBandLevelCount>& Deviations() const { return deviations_; }

private:
    companion::SampleBlock previous_{};
    std::array<int64_t, kBandLevelCount> means_{};
    std::array<uint64_t, kBandLevelCount> deviations_{};
    int blockCount_ = 0;
};

}  // namespace viremo
