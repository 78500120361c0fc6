// The software lighting of the mouse, the pad and the headset: one pass of
// all three engines as their lighting threads run it (the modes step once
// every seven passes at speed 4), the worst pass where every effect steps,
// and the building of the pad's light frame.
#include <benchmark/benchmark.h>

#include <vector>

#include "devices/lighting/light_frame.h"
#include "devices/lighting/light_list_effects.h"
#include "devices/lighting/lighting_engine.h"
#include "devices/lighting/ripple_steps.h"
#include "platform/clock.h"

namespace {

using namespace viremo;
using namespace viremo::devices;

LightRecord multicolourMode(uint8_t mode) {
    LightRecord lighting;
    lighting.mode = mode;
    lighting.brightness = 4;
    lighting.speed = 4;
    lighting.direction = 1;
    lighting.multiColor = 1;
    return lighting;
}

// Every light breathing through the spectrum, on top of the device's mode.
std::vector<LightRecord> breathingList(int lights) {
    LightRecord breathing;
    breathing.speed = 2;
    breathing.brightness = 4;
    breathing.multiColor = 1;
    breathing.present = 1;
    return std::vector<LightRecord>(size_t(lights), breathing);
}

void BM_EffectPassMousePadHeadset(benchmark::State& state) {
    FakeClock clock;
    SystemRandom random;
    LightingEngine mouse(LitDevice::Mouse, clock, random);
    LightingEngine pad(LitDevice::MousePad, clock, random);
    LightingEngine headset(LitDevice::Headset, clock, random);
    mouse.ApplyLightingState(multicolourMode(5), {}, {});
    pad.ApplyLightingState(multicolourMode(6), breathingList(15), {});
    headset.ApplyLightingState(multicolourMode(7), breathingList(13), {});
    for (auto _ : state) {
        clock.advance(kLightingPassPeriod);
        mouse.Pass();
        pad.Pass();
        headset.Pass();
    }
}
BENCHMARK(BM_EffectPassMousePadHeadset);

void BM_EffectStepMousePadHeadset(benchmark::State& state) {
    FakeClock clock;
    struct Lights : LightColours {
        explicit Lights(int count) { SetCount(count); }
    };
    Lights mouseLights(15), padLights(15), headsetLights(13);
    LitDeviceState mouse, pad, headset;
    LightListEffects padList, headsetList;
    const auto padElements = breathingList(15);
    const auto headsetElements = breathingList(13);
    for (auto _ : state) {
        stepColumnRipple(LitDevice::Mouse, mouse, multicolourMode(5), mouseLights);
        stepLightRipple(LitDevice::MousePad, pad, multicolourMode(6), padLights);
        padList.Apply(padElements, padLights, clock.now(), false);
        stepColumnRipple(LitDevice::Headset, headset, multicolourMode(7), headsetLights);
        headsetList.Apply(headsetElements, headsetLights, clock.now(), false);
    }
}
BENCHMARK(BM_EffectStepMousePadHeadset);

void BM_BuildPadFrame(benchmark::State& state) {
    FakeClock clock;
    SystemRandom random;
    LightingEngine pad(LitDevice::MousePad, clock, random);
    pad.ApplyLightingState(multicolourMode(0), {}, {});
    for (int pass = 0; pass < 7; ++pass) pad.Pass();
    for (auto _ : state) {
        LightFrame frame = buildLightFrame(pad.Colours());
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_BuildPadFrame);

}  // namespace
