#pragma once
// The data blocks of the companion protocol: runs of signed 32-bit
// little-endian words. A block is taken only at its exact size.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "lighting/companion_protocol.h"

namespace viremo::companion {

struct StyleColour {
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
};

using SampleBlock = std::array<int32_t, kSampleCount>;
using BandBlock = std::array<int32_t, kBandCount>;

std::vector<uint8_t> wordBlock(std::span<const int32_t> words);

// Words 0-2 red, green, blue, the other seven 0. The companion takes a green
// of 0 for "no colour", so green 0 goes out as 1.
std::vector<uint8_t> styleColourBlock(StyleColour colour);

std::optional<SampleBlock> readSampleBlock(std::span<const uint8_t> block);
std::optional<BandBlock> readBandBlock(std::span<const uint8_t> block);
std::optional<StyleColour> readStyleColourBlock(std::span<const uint8_t> block);

// Logs a block that is not taken: unknown kind or not its kind's size.
void logDroppedBlock(uint32_t kind, size_t size);

}  // namespace viremo::companion
