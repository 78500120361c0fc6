// One pass of synchronised lighting: the common effect stepped once and
// shown on every light of the four demo kinds (mouse 15 lights, keyboard
// 104, mouse pad 12, headset 4).
#include <benchmark/benchmark.h>

#include <array>

#include "devices/lighting/lighting_sync.h"
#include "devices/lighting/sync_modes.h"
#include "hid/emulated_bus.h"

namespace {

using namespace viremo;

void BM_SyncPassFourDevices(benchmark::State& state) {
    hid::EmulatedBus bus;
    FakeClock clock;
    devices::CVendrakeUSBDevice mouse{bus, clock}, keyboard{bus, clock}, pad{bus, clock}, headset{bus, clock};
    const std::array<devices::CVendrakeUSBDevice*, devices::kKindCount> all{&mouse, &keyboard, &pad, &headset};
    const std::array<int, devices::kKindCount> lights{15, 104, 12, 4};
    devices::LightingSync sync{clock};
    for (int kind = 0; kind < devices::kKindCount; ++kind) {
        all[kind]->SetKindIndex(kind);
        all[kind]->SetLightCount(lights[kind]);
        all[kind]->Channel().SetSyncFlag(1);
        sync.AddDevice(*all[kind]);
    }
    sync.Settings().effect = devices::kSyncBreathing;
    sync.Settings().cycling = 1;
    sync.Settings().brightness = 4;
    for (auto _ : state) {
        sync.StepAndShow();
        benchmark::DoNotOptimize(keyboard.GetLightColour(103));
    }
}
BENCHMARK(BM_SyncPassFourDevices);

}  // namespace
