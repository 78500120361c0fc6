#pragma once
// The six band values the companion sends beside the samples: how loud the
// block is in six frequency ranges, 0 (quieter than -60 dB of full scale)
// to 255 (full scale), from a Hann-windowed spectrum of the block.
#include <span>

#include "lighting/companion_blocks.h"

namespace viremo::audio {

// Upper edges of the six ranges in Hz; the first starts at 20 Hz.
inline constexpr float kBandEdges[] = {250, 500, 2000, 4000, 6000, 20000};

companion::BandBlock bandValues(std::span<const float> samples, int sampleRate);

}  // namespace viremo::audio
