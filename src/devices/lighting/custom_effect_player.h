#pragma once
// The player of a user's own light effect (the steps of a ".light" file):
// each call advances the current step's effect by one pass and moves to the
// next step once the step's "Time" has run out, going round after the last.
//
// Step kinds: 0 breathing, 1 static, 2 blink, 4 wave, 5 colour cycle; any
// other kind leaves the lights as they are. A multicolour breathing step
// breathes through the spectrum, moving 16 entries on with each breath.
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "devices/lighting/light_colours.h"
#include "platform/clock.h"
#include "profiles/profile_records.h"

namespace viremo::devices {

class CustomEffectPlayer {
public:
    // Replaces the steps and starts again at the first; the phases carry on.
    void SetSteps(std::vector<LightEffectStep> steps);

    // One pass. `stateSpeed` is the device lighting state's speed step,
    // which paces the blink. Without steps every light goes off.
    void Play(uint8_t stateSpeed, LightColours& lights, Clock::Monotonic now);

private:
    // The step to play, or nullopt when there are none.
    std::optional<LightEffectStep> currentStep();
    // Once more than the step's "Time" (ms) has passed since it started.
    void advanceStepWhenDone(Clock::Monotonic now, int32_t duration);

    void breathe(const LightEffectStep& step, uint8_t period, LightColours& lights);
    void glow(const LightEffectStep& step, uint8_t period, LightColours& lights);
    void blink(const LightEffectStep& step, uint8_t period, uint8_t stateSpeed, LightColours& lights,
               Clock::Monotonic now);
    void wave(const LightEffectStep& step, uint8_t period, LightColours& lights);
    void cycle(const LightEffectStep& step, uint8_t period, LightColours& lights);

    std::mutex stepsMutex_;
    std::vector<LightEffectStep> steps_;
    size_t stepIndex_ = 0;

    // Touched by the lighting thread only.
    std::optional<Clock::Monotonic> stepStart_;
    uint8_t counter_ = 0;
    uint8_t phase_ = 0;
    uint8_t breathColour_ = 0;
    bool blinkOn_ = false;
    Clock::Monotonic lastToggle_{};
    uint8_t blinkColour_ = 0;
};

}  // namespace viremo::devices
