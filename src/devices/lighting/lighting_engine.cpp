#include "devices/lighting/lighting_engine.h"

#include <array>

#include "devices/lighting/effect_steps.h"
#include "devices/lighting/effect_tables.h"
#include "devices/lighting/flash_fade.h"
#include "devices/lighting/ripple_steps.h"
#include "devices/lighting/wave_steps.h"

namespace viremo::devices {
namespace {

using E = LightingEngine;

}  // namespace

LightingEngine::LightingEngine(LitDevice device, const Clock& clock, RandomSource& random)
    : device_(device), clock_(clock), random_(random) {
    colours_.SetCount(layoutOf(device).lightCount);
    state_.RestartRipple();
    lastTick_ = clock_.now();
}

void LightingEngine::ApplyLightingState(const LightRecord& lighting, std::vector<LightRecord> lightList,
                                        std::vector<LightEffectStep> customSteps) {
    std::lock_guard lock(mutex_);
    setLightingLocked(lighting);
    lightList_ = std::move(lightList);
    listEffects_.Apply(lightList_, colours_, clock_.now(), true);
    customEffect_.SetSteps(std::move(customSteps));
}

void LightingEngine::SetLighting(const LightRecord& lighting) {
    std::lock_guard lock(mutex_);
    setLightingLocked(lighting);
}

void LightingEngine::setLightingLocked(const LightRecord& lighting) {
    if (lighting.mode != lighting_.mode) state_.RestartRipple();
    lighting_ = lighting;
}

LightRecord LightingEngine::Lighting() const {
    std::lock_guard lock(mutex_);
    return lighting_;
}

LitDeviceState LightingEngine::State() const {
    std::lock_guard lock(mutex_);
    return state_;
}

void LightingEngine::StartFlash() {
    std::lock_guard lock(mutex_);
    startFlash(state_, lighting_, colours_.Count(), random_);
}

bool LightingEngine::countPass() {
    if (device_ == LitDevice::Mouse) {
        const auto now = clock_.now();
        if (now - lastTick_ <= std::chrono::milliseconds(1)) return false;
        lastTick_ = now;
    }
    ++passCount_;
    return true;
}

LightingEngine::ModeStep LightingEngine::stepOfMode(uint8_t mode) const {
    // Null: the custom effect, on every pass.
    static constexpr std::array<ModeStep, 10> kMouseModes{
        &E::columnWave,   &E::spectrum,     &E::breathing,           &E::staticColour,    &E::blink,
        &E::columnRipple, &E::flashFade,    &E::fourColourBreathing, &E::fourColourBlink, &E::off,
    };
    static constexpr std::array<ModeStep, 9> kPadAndHeadsetModes{
        &E::lightWave, &E::spectrum,    &E::breathing,    &E::staticColour, &E::blink,
        nullptr,       &E::lightRipple, &E::columnRipple, &E::off,
    };
    if (device_ == LitDevice::Mouse) return mode < kMouseModes.size() ? kMouseModes[mode] : nullptr;
    return mode < kPadAndHeadsetModes.size() ? kPadAndHeadsetModes[mode] : nullptr;
}

void LightingEngine::Pass() {
    std::lock_guard lock(mutex_);
    const ModeStep step = stepOfMode(lighting_.mode);
    if (step) runStep(step);
    else customEffect_.Play(lighting_.speed, colours_, clock_.now());
    if (device_ != LitDevice::Mouse) listEffects_.Apply(lightList_, colours_, clock_.now(), false);
}

void LightingEngine::runStep(ModeStep step) {
    if (!countPass() || passCount_ < speedPeriod(lighting_.speed)) return;
    passCount_ = 0;
    (this->*step)();
}

void LightingEngine::columnWave() { stepColumnWave(state_, lighting_, colours_); }
void LightingEngine::lightWave() { stepLightWave(device_, state_, lighting_, colours_); }
void LightingEngine::columnRipple() { stepColumnRipple(device_, state_, lighting_, colours_); }
void LightingEngine::lightRipple() { stepLightRipple(device_, state_, lighting_, colours_); }
void LightingEngine::flashFade() { stepFlashFade(state_, lighting_, colours_); }
void LightingEngine::breathing() { stepBreathing(state_.base, lighting_, colours_); }
void LightingEngine::fourColourBreathing() { stepFourColourBreathing(state_.base, lighting_, colours_); }
void LightingEngine::staticColour() { stepStatic(lighting_, colours_); }
void LightingEngine::spectrum() { stepSpectrum(state_.base, lighting_, colours_); }
void LightingEngine::blink() { stepBlink(state_.base, lighting_, colours_, clock_.now()); }
void LightingEngine::fourColourBlink() { stepFourColourBlink(state_.base, lighting_, colours_, clock_.now()); }
void LightingEngine::off() { stepOff(colours_); }

}  // namespace viremo::devices
