#pragma once
// The software lighting of a mouse, a mouse pad or a headset, without its
// thread: the thread calls Pass() once per kLightingPassPeriod while the
// command channel is open and the device is not in synchronised lighting,
// and sends Colours() with the frame timer. Time comes from the injected
// clock and chance from the injected random source, so a test runs any
// number of passes without sleeping.
//
// A pass advances the effect of the lighting mode. Modes 0-9 of the mouse
// step once every P(speed) ticks, a tick being a pass on which the clock has
// moved on by more than 1 ms; modes 10 and above play the user's custom
// effect on every pass. The pad and the headset step their modes once every
// P(speed) passes, play the custom effect on every pass in modes 5 and 9 and
// above, and run the per-light effects of "LightList" after every pass (the
// mouse runs them only when a lighting state is applied).
#include <chrono>
#include <cstdint>
#include <mutex>
#include <vector>

#include "devices/lighting/custom_effect_player.h"
#include "devices/lighting/light_colours.h"
#include "devices/lighting/light_layouts.h"
#include "devices/lighting/light_list_effects.h"
#include "devices/lighting/lit_device_state.h"
#include "devices/lighting/random_source.h"
#include "platform/clock.h"
#include "profiles/profile_records.h"

namespace viremo::devices {

// One pass of the lighting thread. The effects were tuned on a loop that
// waited 1 ms per pass on a platform whose timer granularity stretched that
// wait to about 15 ms: their speeds (P(speed) passes per step) assume this
// pace, so the thread sleeps this long between passes.
inline constexpr std::chrono::milliseconds kLightingPassPeriod{15};

class LightingEngine {
public:
    LightingEngine(LitDevice device, const Clock& clock, RandomSource& random);

    // The lighting state, the per-light list and the custom effect's steps
    // of a newly applied profile: a new mode restarts the ripples, the
    // per-light effects start again (and run once), the custom effect starts
    // again at its first step.
    void ApplyLightingState(const LightRecord& lighting, std::vector<LightRecord> lightList,
                            std::vector<LightEffectStep> customSteps);
    // A lighting state read back from the device; a new mode restarts the
    // ripples.
    void SetLighting(const LightRecord& lighting);
    LightRecord Lighting() const;

    void Pass();

    // The mouse's flash button (lighting mode 6 only).
    void StartFlash();

    const LightColours& Colours() const { return colours_; }
    LightColours& Colours() { return colours_; }
    // For tests: the effect state as the steps left it.
    LitDeviceState State() const;

private:
    using ModeStep = void (LightingEngine::*)();

    void setLightingLocked(const LightRecord& lighting);
    // Whether this pass counts towards the next step.
    bool countPass();
    // The mode's step; null for the custom effect.
    ModeStep stepOfMode(uint8_t mode) const;
    void runStep(ModeStep step);

    void columnWave();
    void lightWave();
    void columnRipple();
    void lightRipple();
    void flashFade();
    void breathing();
    void fourColourBreathing();
    void staticColour();
    void spectrum();
    void blink();
    void fourColourBlink();
    void off();

    const LitDevice device_;
    const Clock& clock_;
    RandomSource& random_;
    LightColours colours_;

    mutable std::mutex mutex_;  // everything below
    LightRecord lighting_{};
    LitDeviceState state_;
    std::vector<LightRecord> lightList_;
    LightListEffects listEffects_;
    CustomEffectPlayer customEffect_;
    int passCount_ = 0;
    Clock::Monotonic lastTick_{};
};

}  // namespace viremo::devices
