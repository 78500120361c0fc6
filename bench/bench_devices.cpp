// The command channel and the base light frame: one Transact round trip over
// the emulated bus, building the frame of 170 lights, and a whole base
// SendLightFrame of 170 lights streamed to the emulated keyboard.
#include <benchmark/benchmark.h>

#include "devices/protocol/command_channel.h"
#include "devices/lighting/light_frame.h"
#include "devices/protocol/result_code.h"
#include "devices/vendrake_usb_device.h"
#include "emulator/demo_set.h"

namespace {

using namespace viremo;
using namespace viremo::devices;

std::string keyboardCommandPath(hid::EmulatedBus& bus) {
    for (const auto& path : bus.enumeratePaths())
        if (path.find("pid_5078") != std::string::npos && path.find("&col04") != std::string::npos) return path;
    return {};
}

void fillLights(CVendrakeUSBDevice& device) {
    for (int light = 0; light < kMaxLights; ++light)
        device.SetLightColour(light, {uint8_t(light), uint8_t(255 - light), uint8_t(light * 3), 200});
}

void BM_TransactRoundTrip(benchmark::State& state) {
    hid::EmulatedBus bus;
    const auto demo = emulator::plugDemoSet(bus);
    CommandChannel channel(bus);
    if (!channel.Attach(ConnectionMode::Cable, keyboardCommandPath(bus))) return state.SkipWithError("no keyboard");
    channel.SetConnectionMode(ConnectionMode::Cable);
    const Packet packet = buildPacket(Command::ReadStatus, 0, 6);
    Packet reply{};
    for (auto _ : state) {
        if (channel.Transact(packet, reply) != kSuccess) return state.SkipWithError("transaction failed");
        benchmark::DoNotOptimize(reply);
    }
}
BENCHMARK(BM_TransactRoundTrip);

void BM_BuildLightFrame170(benchmark::State& state) {
    LightColours lights;
    lights.SetCount(kMaxLights);
    for (int light = 0; light < kMaxLights; ++light) lights.Set(light, {uint8_t(light), 40, 80, 200});
    for (auto _ : state) {
        LightFrame frame = buildLightFrame(lights);
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_BuildLightFrame170);

void BM_SendLightFrame170(benchmark::State& state) {
    hid::EmulatedBus bus;
    const auto demo = emulator::plugDemoSet(bus);
    CVendrakeUSBDevice device(bus);
    if (!device.Channel().Attach(ConnectionMode::Cable, keyboardCommandPath(bus)))
        return state.SkipWithError("no keyboard");
    device.Channel().SetConnectionMode(ConnectionMode::Cable);
    device.SetLightCount(kMaxLights);
    fillLights(device);
    device.SetLightingControl(true);
    for (auto _ : state) device.SendLightFrame();
}
BENCHMARK(BM_SendLightFrame170);

}  // namespace
