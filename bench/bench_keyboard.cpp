// The keyboard device object over the emulated bus: a whole read-all (device
// information, key table and attributes, profile, settings, lighting thread
// restart), building the keyboard light frame of 170 lights through the
// light position map, and a whole keyboard SendLightFrame.
#include <benchmark/benchmark.h>

#include "devices/keyboard/keyboard_light_image.h"
#include "keyboard_bench_fixture.h"

namespace {

using namespace viremo;
using namespace viremo::devices;
using viremo::bench::Keyboard;

void BM_KeyboardReadAll(benchmark::State& state) {
    Keyboard keyboard;
    if (!keyboard.attached) return state.SkipWithError("no keyboard");
    for (auto _ : state) {
        keyboard.device.ReadAllFromDevice();
        if (!keyboard.device.IsLightingThreadRunning()) return state.SkipWithError("read-all failed");
    }
}
BENCHMARK(BM_KeyboardReadAll)->Unit(benchmark::kMillisecond);

void BM_BuildKeyboardLightFrame170(benchmark::State& state) {
    Keyboard keyboard;
    if (!keyboard.attached || !keyboard.device.ReadKeyLayout()) return state.SkipWithError("no key layout");
    LightColours lights;
    lights.SetCount(kMaxLights);
    for (int light = 0; light < kMaxLights; ++light) lights.Set(light, {uint8_t(light), 40, 80, 200});
    for (auto _ : state) {
        LightFrame frame = keyboard::buildKeyLightImage(lights, keyboard.device.Maps().lightPosition);
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_BuildKeyboardLightFrame170);

void BM_KeyboardSendLightFrame170(benchmark::State& state) {
    Keyboard keyboard;
    if (!keyboard.attached || !keyboard.device.ReadKeyLayout()) return state.SkipWithError("no key layout");
    LightRecord lighting = keyboard.device.GetLightInfo();
    lighting.mode = 6;
    keyboard.device.SetLightInfo(lighting);
    keyboard.device.SetLightingControl(true);
    for (auto _ : state) keyboard.device.SendLightFrame();
}
BENCHMARK(BM_KeyboardSendLightFrame170);

}  // namespace
