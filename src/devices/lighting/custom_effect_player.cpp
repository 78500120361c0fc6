#include "devices/lighting/custom_effect_player.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "devices/lighting/effect_tables.h"
#include "devices/lighting/wave_table.h"

namespace viremo::devices {
namespace {

enum StepKind : uint8_t { Breathing = 0, Static = 1, Blink = 2, Wave = 4, ColourCycle = 5 };

// The colour cycle is paced by a table of its own, from speed 0 to 4.
constexpr std::array<uint8_t, 5> kCyclePeriods{5, 4, 3, 2, 1};
constexpr uint8_t kStaticPhases = 9;
constexpr uint8_t kBreathColourSpacing = 16;
constexpr uint8_t kBlinkColourOffset = 14;
constexpr uint8_t kWaveSpacing = 12;
constexpr auto kBlinkUnit = std::chrono::milliseconds(200);

uint8_t periodOf(const LightEffectStep& step) {
    if (step.mode == ColourCycle) return kCyclePeriods[std::min<size_t>(step.speed, kCyclePeriods.size() - 1)];
    return speedPeriod(step.speed);
}

Rgb stepColour(const LightEffectStep& step) { return {step.red, step.green, step.blue}; }

LightColour at(Rgb rgb, uint8_t level) { return {rgb.red, rgb.green, rgb.blue, level}; }

// 0 once `value` reaches `limit`.
uint8_t below(int value, int limit) { return value >= limit ? 0 : uint8_t(value); }

}  // namespace

void CustomEffectPlayer::SetSteps(std::vector<LightEffectStep> steps) {
    std::lock_guard lock(stepsMutex_);
    steps_ = std::move(steps);
    stepIndex_ = 0;
}

std::optional<LightEffectStep> CustomEffectPlayer::currentStep() {
    std::lock_guard lock(stepsMutex_);
    if (stepIndex_ >= steps_.size()) stepIndex_ = 0;
    if (steps_.empty()) return std::nullopt;
    return steps_[stepIndex_];
}

void CustomEffectPlayer::Play(uint8_t stateSpeed, LightColours& lights, Clock::Monotonic now) {
    const auto step = currentStep();
    if (!step) return lights.SetAll({});
    if (!stepStart_) stepStart_ = now;

    ++counter_;
    const uint8_t period = periodOf(*step);
    switch (step->mode) {
    case Breathing: breathe(*step, period, lights); break;
    case Static: glow(*step, period, lights); break;
    case Blink: blink(*step, period, stateSpeed, lights, now); break;
    case Wave: wave(*step, period, lights); break;
    case ColourCycle: cycle(*step, period, lights); break;
    default: break;
    }
    if (counter_ == 255) counter_ = 0;
    advanceStepWhenDone(now, step->time);
}

void CustomEffectPlayer::advanceStepWhenDone(Clock::Monotonic now, int32_t duration) {
    if (now - *stepStart_ <= std::chrono::milliseconds(duration)) return;
    {
        std::lock_guard lock(stepsMutex_);
        if (!steps_.empty()) stepIndex_ = (stepIndex_ + 1) % steps_.size();
    }
    stepStart_ = now;
}

void CustomEffectPlayer::breathe(const LightEffectStep& step, uint8_t period, LightColours& lights) {
    if (phase_ >= kBreathingLength) phase_ = 0;  // left beyond the curve by another kind
    if (counter_ >= period) {
        counter_ = 0;
        phase_ = below(phase_ + 1, kBreathingLength);
        if (phase_ == 0) breathColour_ = below(breathColour_ + kBreathColourSpacing, kSpectrumLength);
    }
    const Rgb rgb = step.multiColor ? colourTable()[breathColour_] : stepColour(step);
    lights.SetAll(at(rgb, scaleByLevel(breathingCurve()[phase_], brightnessLevel(step.brightness))));
}

void CustomEffectPlayer::glow(const LightEffectStep& step, uint8_t period, LightColours& lights) {
    if (counter_ >= period) {
        counter_ = 0;
        phase_ = below(phase_ + 1, kStaticPhases);
    }
    lights.SetAll(at(stepColour(step), brightnessLevel(step.brightness)));
}

void CustomEffectPlayer::blink(const LightEffectStep& step, uint8_t period, uint8_t stateSpeed, LightColours& lights,
                               Clock::Monotonic now) {
    phase_ = below(phase_ + 1, kBreathingLength);
    if (counter_ >= period) counter_ = 0;
    if (now - lastToggle_ >= speedPeriod(stateSpeed) * kBlinkUnit) {
        blinkOn_ = !blinkOn_;
        lastToggle_ = now;
        blinkColour_ = below(phase_ + kBlinkColourOffset, kSpectrumLength);
    }
    if (!blinkOn_) return lights.SetAll({});
    const Rgb rgb = step.multiColor ? colourTable()[blinkColour_] : stepColour(step);
    lights.SetAll(at(rgb, brightnessLevel(step.brightness)));
}

void CustomEffectPlayer::wave(const LightEffectStep& step, uint8_t period, LightColours& lights) {
    if (counter_ >= period) {
        counter_ = 0;
        phase_ = below(phase_ + 1, kSpectrumLength);
    }
    int c = step.direction == 0 ? below(phase_ + 1, kSpectrumLength)
                                : std::min(kSpectrumLength - phase_, kSpectrumLength - 1);
    const uint8_t brightness = brightnessLevel(step.brightness);
    const int count = lights.Count();
    for (int light = 0; light < count; ++light) {
        if (step.multiColor) {
            lights.Set(light, at(colourTable()[size_t(c)], brightness));
            c = (c + kWaveSpacing) % kSpectrumLength;
        } else {
            c = (c + kWaveSpacing) % kWaveLength;
            lights.Set(light, at(stepColour(step), scaleByLevel(brightness, waveTable()[size_t(c)])));
        }
    }
}

void CustomEffectPlayer::cycle(const LightEffectStep& step, uint8_t period, LightColours& lights) {
    if (counter_ >= period) {
        counter_ = 0;
        phase_ = below(phase_ + 1, kSpectrumLength);
    }
    lights.SetAll(at(colourTable()[phase_], brightnessLevel(step.brightness)));
}

}  // namespace viremo::devices
