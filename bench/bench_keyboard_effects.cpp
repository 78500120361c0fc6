// The keyboard's software lighting: one effect pass plus the light frame of
// 170 lights, by mode (the audio modes with a loud level), and the CPU the
// program spends streaming frames at the cable's tick (every 5 ms) to the
// emulated keyboard while its lighting thread steps the effect. The
// emulated keyboard runs in the same process, so its share is included.
#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <thread>

#include "devices/keyboard/keyboard_effects.h"
#include "devices/keyboard/keyboard_light_image.h"
#include "keyboard_bench_fixture.h"

namespace {

using namespace viremo;
using namespace viremo::devices;
using viremo::bench::Keyboard;

class CountingRandom : public RandomSource {
public:
    uint32_t next() override { return value_ = value_ * 1103515245u + 12345u; }

private:
    uint32_t value_ = 1;
};

// Argument: mode index x 10 + audio mode.
void BM_KeyboardEffectPassAndFrame170(benchmark::State& state) {
    const auto mode = uint8_t(state.range(0) / 10);
    FakeClock clock;
    CountingRandom random;
    LightColours lights;
    lights.SetCount(kMaxLights);
    keyboard::KeyboardEffects effects(lights, clock, random);
    AudioLightRecord audio;
    audio.mode = uint8_t(state.range(0) % 10);
    audio.sevenColors = 1;
    effects.SetAudioLighting(audio);
    effects.ChangeMode(mode);
    LightRecord lighting;
    lighting.mode = mode;
    lighting.brightness = 4;
    lighting.speed = 4;
    lighting.direction = 1;
    lighting.multiColor = 1;
    keyboard::PositionMap positions{};
    for (size_t key = 0; key < positions.size(); ++key) positions[key] = uint8_t(key);
    std::array<int32_t, keyboard::kAudioLevels> levels{};
    levels.fill(1500);
    for (auto _ : state) {
        effects.OnAudioLevels(levels, mode);
        clock.advance(std::chrono::milliseconds(2));
        effects.Pass(lighting);
        LightFrame frame = keyboard::buildKeyLightImage(lights, positions);
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_KeyboardEffectPassAndFrame170)
    ->Arg(10)->Arg(80)->Arg(140)->Arg(160)->Arg(180)->Arg(250)->Arg(290)->Arg(291)->Arg(292)->Arg(293)->Arg(294)
    ->Arg(295)->Arg(296);

double processSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// One second of streaming mode 11 per iteration; the counter is the CPU
// time of the whole process as a share of one core.
void BM_KeyboardStreamingCpuShare(benchmark::State& state) {
    Keyboard keyboard;
    if (!keyboard.attached) return state.SkipWithError("no keyboard");
    CVendrakeKeyboardDevice& device = keyboard.device;
    if (!device.ReadAllFromDevice().succeeded()) return state.SkipWithError("read-all failed");
    LightRecord lighting = device.GetLightInfo();
    lighting.mode = 11;
    device.SetLightInfo(lighting);
    device.SetLightingControl(true);
    double share = 0;
    for (auto _ : state) {
        using Steady = std::chrono::steady_clock;
        const double cpuStart = processSeconds();
        const Steady::time_point start = Steady::now();
        for (Steady::time_point tick = start; tick < start + std::chrono::seconds(1);
             tick += std::chrono::milliseconds(5)) {
            std::this_thread::sleep_until(tick);
            device.SendLightFrame();
        }
        const double wall = std::chrono::duration<double>(Steady::now() - start).count();
        share = (processSeconds() - cpuStart) / wall * 100;
    }
    state.counters["cpu_percent_of_a_core"] = share;
}
BENCHMARK(BM_KeyboardStreamingCpuShare)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
