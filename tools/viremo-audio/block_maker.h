#pragma once
// Cuts the captured sound (mono, -1 to 1) into the companion's blocks: every
// 500 samples one sample block, the samples on the 16-bit scale (-32767 to
// 32767), and one band block.
#include <functional>
#include <span>
#include <vector>

#include "lighting/companion_blocks.h"

namespace viremo::audio {

class BlockMaker {
public:
    using Handler = std::function<void(const companion::SampleBlock&, const companion::BandBlock&)>;

    BlockMaker(int sampleRate, Handler handler) : sampleRate_(sampleRate), handler_(std::move(handler)) {}

    void Add(std::span<const float> samples);
    // Forgets a block begun.
    void Reset() { pending_.clear(); }

private:
    int sampleRate_;
    Handler handler_;
    std::vector<float> pending_;
};

}  // namespace viremo::audio
