#include "block_maker.h"

#include <algorithm>
#include <cmath>

#include "band_analysis.h"

namespace viremo::audio {

namespace {

int32_t sixteenBit(float sample) { return int32_t(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767)); }

}  // namespace

void BlockMaker::Add(std::span<const float> samples) {
    while (!samples.empty()) {
        const size_t take = std::min(samples.size(), companion::kSampleCount - pending_.size());
        pending_.insert(pending_.end(), samples.begin(), samples.begin() + std::ptrdiff_t(take));
        samples = samples.subspan(take);
        if (pending_.size() < companion::kSampleCount) return;
        companion::SampleBlock block;
        std::transform(pending_.begin(), pending_.end(), block.begin(), sixteenBit);
        handler_(block, bandValues(pending_, sampleRate_));
        pending_.clear();
    }
}

}  // namespace viremo::audio
