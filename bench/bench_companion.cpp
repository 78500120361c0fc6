// The audio companion's work per block of 500 samples (about 10 ms of sound
// at 48 kHz): the companion cutting and measuring it, and the program turning
// its samples into band levels.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "block_maker.h"
#include "lighting/audio_band_levels.h"

namespace {

std::vector<float> tone(size_t count) {
    std::vector<float> sound(count);
    for (size_t i = 0; i < count; ++i) sound[i] = 0.5f * float(std::sin(2 * std::numbers::pi * 1000 * double(i) / 48000));
    return sound;
}

void CompanionBlock(benchmark::State& state) {
    const auto sound = tone(viremo::companion::kSampleCount);
    size_t blocks = 0;
    viremo::audio::BlockMaker maker(48000, [&](const auto&, const auto&) { ++blocks; });
    for (auto _ : state) maker.Add(sound);
    benchmark::DoNotOptimize(blocks);
}
BENCHMARK(CompanionBlock);

void ProgramBandLevels(benchmark::State& state) {
    viremo::companion::SampleBlock a{}, b{};
    const auto sound = tone(a.size());
    for (size_t i = 0; i < a.size(); ++i) a[i] = int32_t(sound[i] * 32767), b[i] = -a[i];
    viremo::AudioBandLevels levels;
    bool odd = false;
    for (auto _ : state) benchmark::DoNotOptimize(levels.AddBlock((odd = !odd) ? a : b));
}
BENCHMARK(ProgramBandLevels);

}  // namespace
