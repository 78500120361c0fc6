#pragma once
// The program's end of the companion's data: sample blocks become band
// levels, band blocks pass straight on. Blocks of any other size than their
// kind's are dropped and logged; empty blocks are ignored.
#include <cstdint>
#include <functional>
#include <span>

#include "lighting/audio_band_levels.h"
#include "lighting/companion_blocks.h"

namespace viremo {

class AudioDataReceiver {
public:
    struct Handlers {
        std::function<void(const BandLevels&)> levels;        // every third sample block
        std::function<void(const companion::BandBlock&)> bands;
    };

    explicit AudioDataReceiver(Handlers handlers) : handlers_(std::move(handlers)) {}

    void OnData(uint32_t kind, std::span<const uint8_t> block);

private:
    Handlers handlers_;
    AudioBandLevels levels_;
};

}  // namespace viremo
