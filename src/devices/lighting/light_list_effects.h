#pragma once
// The per-light effects of a profile's "LightList": element i gives light i
// an effect of its own, on top of the device's lighting mode. Kinds:
// 0 breathing, 1 static, 2 blink, 3 colour cycle, 4 off; breathing and the
// colour cycle only for elements marked present.
#include <array>
#include <cstdint>
#include <vector>

#include "devices/lighting/light_colours.h"
#include "platform/clock.h"
#include "profiles/profile_records.h"

namespace viremo::devices {

class LightListEffects {
public:
    // One pass over `list`. With `reset` the breathing, blink and colour
    // cycle start again from their beginning and run once; the static and
    // off elements are then left to the device's own effect.
    void Apply(const std::vector<LightRecord>& list, LightColours& lights, Clock::Monotonic now, bool reset);

private:
    struct PerLight {
        uint8_t phase = 0;
        uint8_t colourIndex = 0;
        uint8_t count = 0;
        bool on = false;
        Clock::Monotonic lastToggle{};
    };

    void breathe(const LightRecord& element, PerLight& light, LightColour& colour) const;
    void cycle(const LightRecord& element, PerLight& light, LightColour& colour) const;
    void blink(const LightRecord& element, PerLight& light, LightColour& colour, Clock::Monotonic now) const;

    std::array<PerLight, kMaxLights> lights_{};
};

}  // namespace viremo::devices
