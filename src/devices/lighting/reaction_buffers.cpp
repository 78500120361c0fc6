#include "devices/lighting/reaction_buffers.h"

#include <algorithm>

namespace viremo::devices {
namespace {

// Fading in bands: the step for levels from `floor` upwards.
struct DecayBand {
    uint8_t floor;
    uint8_t step;
};
constexpr std::array<DecayBand, 5> kPlainDecay{{{128, 40}, {64, 30}, {32, 15}, {17, 8}, {1, 1}}};
constexpr std::array<DecayBand, 5> kDefaultDecay{{{128, 40}, {64, 30}, {32, 10}, {17, 8}, {1, 1}}};

uint8_t bandStep(uint8_t level, const std::array<DecayBand, 5>& bands) {
    for (const auto& band : bands)
        if (level >= band.floor) return band.step;
    return 0;
}

// The audio fade looks at the bits of the level: fast while bit 7 or 4 is
// set, a little slower for bits 5 and 6, then one by one.
uint8_t audioStep(uint8_t level) {
    if (level & 0x90) return 45;
    if (level & 0x60) return 35;
    return level != 0 ? 1 : 0;
}

}  // namespace

uint8_t decayLevel(uint8_t level, int style) {
    const uint8_t step = style == kAudioDecayStyle ? audioStep(level)
                         : style == 0              ? bandStep(level, kPlainDecay)
                                                   : bandStep(level, kDefaultDecay);
    return level > step ? static_cast<uint8_t>(level - step) : 0;
}

void ReactionBuffers::Decay(int light, int style) {
    if (light < 0 || light >= kMaxLights) return;
    levels[light] = decayLevel(levels[light], style);
}

void ReactionBuffers::LightFirstKeys() {
    for (int i = 0; i < kFirstKeysLit; ++i)
        if (rotation[i] == kRotationMarker) levels[i] = 255;
}

void ReactionBuffers::Rotate(uint8_t direction) {
    if (direction != 0) std::rotate(rotation.rbegin(), rotation.rbegin() + 1, rotation.rend());
    else std::rotate(rotation.begin(), rotation.begin() + 1, rotation.end());
}

void ReactionBuffers::Clear() {
    levels.fill(0);
    rotation.fill(0);
}

}  // namespace viremo::devices
