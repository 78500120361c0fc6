#include "devices/lighting/flash_fade.h"

#include <algorithm>

#include "devices/lighting/effect_tables.h"

namespace viremo::devices {
namespace {

constexpr int kFlashStep = 15;

// One step of a light's flash: up to full level, then down to 0.
void advanceFlash(uint8_t& rise, uint8_t& level) {
    if (rise == kRising) {
        level = uint8_t(std::min(level + kFlashStep, 255));
        if (level == 255) rise = kFalling;
    } else if (rise == kFalling) {
        level = uint8_t(std::max(level - kFlashStep, 0));
    }
}

}  // namespace

void stepFlashFade(LitDeviceState& state, const LightRecord& lighting, LightColours& lights) {
    const uint8_t brightness = brightnessLevel(lighting.brightness);
    const int count = std::min(lights.Count(), kMaxLights);
    for (int light = 0; light < count; ++light) {
        const size_t i = size_t(light);
        advanceFlash(state.rise[i], state.reaction.levels[i]);
        const Rgb rgb = lighting.multiColor ? colourTable()[state.reaction.colourSteps[i]]
                                            : Rgb{lighting.red, lighting.green, lighting.blue};
        lights.Set(light, {rgb.red, rgb.green, rgb.blue, scaleByLevel(brightness, state.reaction.levels[i])});
    }
}

void startFlash(LitDeviceState& state, const LightRecord& lighting, int lightCount, RandomSource& random) {
    if (lighting.mode != kFlashFadeMode) return;
    const int count = std::clamp(lightCount, 0, kMaxLights);
    for (size_t i = 0; i < size_t(count); ++i) {
        state.rise[i] = kRising;
        state.reaction.levels[i] = 255;
        state.reaction.colourSteps[i] = uint8_t(random.next() % kSpectrumLength);
    }
}

}  // namespace viremo::devices
