#pragma once
// The software lighting effects every device object shares. Each call is one
// step: it advances the effect's phase and writes every light colour. The
// lighting threads of the device kinds call them at the pace of the speed
// step.
#include <cstdint>

#include "devices/lighting/light_colours.h"
#include "platform/clock.h"
#include "profiles/profile_records.h"

namespace viremo::devices {

struct EffectState {
    uint8_t phase = 0;
    uint8_t colourStep = 0;
    uint8_t spare = 0;
    uint8_t blinkOn = 0;
    Clock::Monotonic lastToggle{};  // of the blink effects
};

// Phases move with the lighting state's direction (byteStep); the colour,
// brightness and speed come from the lighting state.
void stepBreathing(EffectState& state, const LightRecord& lighting, LightColours& lights);
void stepFourColourBreathing(EffectState& state, const LightRecord& lighting, LightColours& lights);
void stepStatic(const LightRecord& lighting, LightColours& lights);
void stepSpectrum(EffectState& state, const LightRecord& lighting, LightColours& lights);
void stepBlink(EffectState& state, const LightRecord& lighting, LightColours& lights, Clock::Monotonic now);
void stepFourColourBlink(EffectState& state, const LightRecord& lighting, LightColours& lights,
                         Clock::Monotonic now);
void stepOff(LightColours& lights);

}  // namespace viremo::devices
