// The keyboard device object over the emulated bus: a whole read-all (device
// information, key table and attributes, profile, settings, lighting thread
// restart), building the keyboard light frame of 170 lights through the
// light position map, and a whole keyboard SendLightFrame.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "devices/device_tables.h"
#include "devices/keyboard/keyboard_device.h"
#include "devices/keyboard/keyboard_light_image.h"
#include "emulator/demo_set.h"
#include "platform/folders.h"

namespace {

using namespace viremo;
using namespace viremo::devices;

// A data folder of the benchmark's own, the factory files of the source tree.
struct DataFolder {
    DataFolder() {
        std::filesystem::remove_all(path);
        ::setenv("XDG_DATA_HOME", path.c_str(), 1);
        folders::setResourcesOverride(std::filesystem::path(VIREMO_SOURCE_DIR) / "resources");
    }
    ~DataFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("viremo-bench-keyboard-" + std::to_string(::getpid()));
};

struct Keyboard {
    Keyboard() {
        configureKeyboard(device, hidInterfaceTable()[0]);
        for (const auto& path : bus.enumeratePaths())
            if (path.find("pid_5078") != std::string::npos && path.find("&col04") != std::string::npos)
                attached = device.Channel().Attach(ConnectionMode::Cable, path);
        device.Channel().SetConnectionMode(ConnectionMode::Cable);
        for (int light = 0; light < kMaxLights; ++light)
            device.SetLightColour(light, {uint8_t(light), uint8_t(255 - light), uint8_t(light * 3), 200});
    }
    DataFolder data;
    hid::EmulatedBus bus;
    emulator::DemoSet demo = emulator::plugDemoSet(bus);
    CVendrakeKeyboardDevice device{bus};
    bool attached = false;
};

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
