#include "devices/lighting/effect_steps.h"

#include <chrono>

#include "devices/lighting/effect_tables.h"

namespace viremo::devices {
namespace {

constexpr uint8_t kBreathingStepsPerColour = 16;  // breathing: spectrum entries per breath
constexpr uint8_t kBlinkSpectrumStep = 16;
constexpr uint8_t kBaseColourCount = static_cast<uint8_t>(kBaseColours.size());
constexpr auto kBlinkUnit = std::chrono::milliseconds(200);

LightColour colourAt(Rgb rgb, uint8_t level) { return {rgb.red, rgb.green, rgb.blue, level}; }

Rgb stateColour(const LightRecord& lighting) { return {lighting.red, lighting.green, lighting.blue}; }

Rgb spectrumOrStateColour(const LightRecord& lighting, uint8_t spectrumIndex) {
    return lighting.multiColor ? colourTable()[spectrumIndex] : stateColour(lighting);
}

// Advances the breathing phase; true when it wrapped round (a breath ended).
bool advanceBreath(EffectState& state, const LightRecord& lighting) {
    const uint8_t before = state.phase;
    state.phase = byteStep(lighting.direction, kBreathingLength, state.phase, 1);
    return lighting.direction ? state.phase < before : state.phase > before;
}

uint8_t breathingLevel(const EffectState& state, const LightRecord& lighting) {
    return scaleByLevel(breathingCurve()[state.phase % kBreathingLength], brightnessLevel(lighting.brightness));
}

// Toggles the blink when its period has passed; true when it did.
bool blinkToggled(EffectState& state, const LightRecord& lighting, Clock::Monotonic now) {
    if (now - state.lastToggle < speedPeriod(lighting.speed) * kBlinkUnit) return false;
    state.blinkOn = !state.blinkOn;
    state.lastToggle = now;
    return true;
}

}  // namespace

void stepBreathing(EffectState& state, const LightRecord& lighting, LightColours& lights) {
    if (advanceBreath(state, lighting)) {
        const int next = state.colourStep + kBreathingStepsPerColour;
        state.colourStep = next > kSpectrumLength ? 0 : static_cast<uint8_t>(next);
    }
    lights.SetAll(colourAt(spectrumOrStateColour(lighting, state.colourStep), breathingLevel(state, lighting)));
}

void stepFourColourBreathing(EffectState& state, const LightRecord& lighting, LightColours& lights) {
    if (state.colourStep >= kBaseColourCount) state.colourStep = 0;
    if (advanceBreath(state, lighting)) state.colourStep = (state.colourStep + 1) % kBaseColourCount;
    lights.SetAll(colourAt(kBaseColours[state.colourStep], breathingLevel(state, lighting)));
}

void stepStatic(const LightRecord& lighting, LightColours& lights) {
    lights.SetAll(colourAt(stateColour(lighting), brightnessLevel(lighting.brightness)));
}

void stepSpectrum(EffectState& state, const LightRecord& lighting, LightColours& lights) {
    state.phase = byteStep(lighting.direction, kSpectrumLength, state.phase, 1);
    lights.SetAll(colourAt(colourTable()[state.phase], brightnessLevel(lighting.brightness)));
}

void stepBlink(EffectState& state, const LightRecord& lighting, LightColours& lights, Clock::Monotonic now) {
    if (blinkToggled(state, lighting, now))
        state.phase = byteStep(lighting.direction, kSpectrumLength, state.phase, kBlinkSpectrumStep);
    if (!state.blinkOn) return stepOff(lights);
    lights.SetAll(colourAt(spectrumOrStateColour(lighting, state.phase), brightnessLevel(lighting.brightness)));
}

void stepFourColourBlink(EffectState& state, const LightRecord& lighting, LightColours& lights,
                         Clock::Monotonic now) {
    if (blinkToggled(state, lighting, now))
        state.phase = byteStep(lighting.direction, kBaseColourCount, state.phase, 1);
    if (!state.blinkOn) return stepOff(lights);
    lights.SetAll(colourAt(kBaseColours[state.phase % kBaseColourCount], brightnessLevel(lighting.brightness)));
}

void stepOff(LightColours& lights) { lights.SetAll({}); }

}  // namespace viremo::devices
