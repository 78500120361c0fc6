#pragma once
// A mouse pad or headset driver on its emulated device, with a data folder
// of its own per test and small factory files:
//
//   mode list  mode index i -> device code 0x10 + i (indexes 0-8), for the
//              pad (kind code 2) and the headset (kind code 3)
//   profile    "LightInfo": mode 2, brightness 3, speed 1, colour (18, 52, 86)
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

#include <json/value.h>

#include "devices/device_tables.h"
#include "devices/interface_probe.h"
#include "hid/emulated_bus.h"
#include "keyboard_fixture.h"
#include "platform/clock.h"
#include "platform/folders.h"
#include "profiles/json_file.h"

namespace viremo::devices::testing {

inline Json::Value modeListOfCodes() {
    Json::Value modes(Json::arrayValue);
    for (int index = 0; index < 9; ++index) {
        Json::Value mode;
        mode["LightName"] = "m" + std::to_string(index);
        mode["visible"] = 1;
        mode["value"] = 0x10 + index;
        modes.append(mode);
    }
    return modes;
}

class LitDeviceFolders {
public:
    LitDeviceFolders() {
        static std::atomic<int> counter{0};
        root_ = std::filesystem::temp_directory_path() /
                ("viremo-lit-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(root_);
        ::setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
        folders::setResourcesOverride(root_ / "resources");
        std::filesystem::create_directories(factoryFolder());
        Json::Value modes;
        for (int kind = 0; kind < 4; ++kind) modes["DefaultLightName"].append(modeListOfCodes());
        EXPECT_TRUE(json::writeFile(factoryFolder() / "default_light.json", modes));
        profile["LightInfo"] = *json::parse(R"({"SelectItem": 2, "Light": 3, "Speed": 1, "Fx": 1,
            "MultiColor": 0, "Red": 18, "Green": 52, "Blue": 86})");
    }
    ~LitDeviceFolders() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    std::filesystem::path factoryFolder() const { return root_ / "resources" / "DefaultData"; }
    // Writes `profile` as the kind's factory profile.
    void writeFactoryProfile(const std::string& kindName) {
        Json::Value document;
        document["Device"].append(profile);
        ASSERT_TRUE(json::writeFile(factoryFolder() / (kindName + ".Json"), document));
    }

    Json::Value profile;

private:
    std::filesystem::path root_;
};

// Attaches a driver to its kind's command interface on the bus.
template <typename Driver, typename Configure>
void attachDriver(Driver& driver, hid::Backend& bus, int kind, Configure configure) {
    const auto found = probeCommandInterface(bus, kind);
    ASSERT_TRUE(found);
    configure(driver, hidInterfaceTable()[size_t(found->row)]);
    ASSERT_TRUE(driver.Channel().Attach(ConnectionMode::Cable, found->path));
    driver.Channel().SetConnectionMode(ConnectionMode::Cable);
}

}  // namespace viremo::devices::testing
