#pragma once
// A keyboard device object on the emulated demo set, with a data folder of
// its own and the factory files of the source tree; its lights hold a
// pattern of colours.
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "devices/device_tables.h"
#include "devices/keyboard/keyboard_device.h"
#include "emulator/demo_set.h"
#include "platform/folders.h"

namespace viremo::bench {

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

}  // namespace viremo::bench
