#include "devices/lighting/light_list_effects.h"

#include <algorithm>
#include <chrono>

#include "devices/lighting/effect_tables.h"

namespace viremo::devices {
namespace {

enum ListKind : uint8_t { Breathing = 0, Static = 1, Blink = 2, ColourCycle = 3, Off = 4 };

constexpr uint8_t kBlinkColourStep = 14;
constexpr int kBreathingSpeedOffset = 4;
constexpr auto kBlinkUnit = std::chrono::milliseconds(200);

// Moves a spectrum index on, back to 0 once it leaves the spectrum.
uint8_t nextSpectrumIndex(uint8_t index, int step) {
    const int next = index + step;
    return next >= kSpectrumLength ? 0 : uint8_t(next);
}

Rgb ownColour(const LightRecord& element) { return {element.red, element.green, element.blue}; }

LightColour at(Rgb rgb, uint8_t level) { return {rgb.red, rgb.green, rgb.blue, level}; }

}  // namespace

void LightListEffects::breathe(const LightRecord& element, PerLight& light, LightColour& colour) const {
    light.phase = uint8_t(light.phase + element.speed + kBreathingSpeedOffset);
    if (light.phase >= kBreathingLength) {
        light.phase = 0;
        light.colourIndex = nextSpectrumIndex(light.colourIndex, 1);
    }
    const Rgb rgb = element.multiColor ? colourTable()[light.colourIndex] : ownColour(element);
    colour = at(rgb, scaleByLevel(breathingCurve()[light.phase], brightnessLevel(element.brightness)));
}

void LightListEffects::cycle(const LightRecord& element, PerLight& light, LightColour& colour) const {
    if (++light.count >= speedPeriod(element.speed)) {
        light.count = 0;
        light.colourIndex = nextSpectrumIndex(light.colourIndex, 1);
    }
    colour = at(colourTable()[light.colourIndex], brightnessLevel(element.brightness));
}

void LightListEffects::blink(const LightRecord& element, PerLight& light, LightColour& colour,
                             Clock::Monotonic now) const {
    if (now - light.lastToggle >= speedPeriod(element.speed) * kBlinkUnit) {
        light.on = !light.on;
        light.lastToggle = now;
        light.colourIndex = nextSpectrumIndex(light.colourIndex, kBlinkColourStep);
    }
    if (!light.on) {
        colour = {};
        return;
    }
    const Rgb rgb = element.multiColor ? colourTable()[light.colourIndex] : ownColour(element);
    colour = at(rgb, brightnessLevel(element.brightness));
}

void LightListEffects::Apply(const std::vector<LightRecord>& list, LightColours& lights, Clock::Monotonic now,
                             bool reset) {
    const size_t count = std::min({list.size(), size_t(std::max(lights.Count(), 0)), lights_.size()});
    if (reset)
        for (size_t i = 0; i < count; ++i) lights_[i] = {};

    for (const ListKind kind : {Breathing, Static, ColourCycle, Blink, Off}) {
        if (reset && (kind == Static || kind == Off)) continue;
        for (size_t i = 0; i < count; ++i) {
            const LightRecord& element = list[i];
            if (element.mode != kind) continue;
            LightColour colour = lights.Get(int(i));
            switch (kind) {
            case Breathing:
                if (!element.present) continue;
                breathe(element, lights_[i], colour);
                break;
            case Static: colour = at(ownColour(element), brightnessLevel(element.brightness)); break;
            case ColourCycle:
                if (!element.present) continue;
                cycle(element, lights_[i], colour);
                break;
            case Blink: blink(element, lights_[i], colour, now); break;
            case Off: colour = {}; break;
            }
            lights.Set(int(i), colour);
        }
    }
}

}  // namespace viremo::devices
