#pragma once
// A keyboard device object on the emulated keyboard, with a data folder of
// its own per test and small factory files written by the test:
//
//   mode list  mode index 0-6 -> device codes 9, 3, 7, 1, 2, 0x21, 5
//   profile    "LightInfo", "SystemStages" and a "KeyList" of factory codes
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <json/value.h>

#include "devices/device_tables.h"
#include "devices/keyboard/keyboard_device.h"
#include "devices/protocol/result_code.h"
#include "devices/keyboard/keyboard_layout.h"
#include "emulator/keyboard_firmware.h"
#include "data_folder_fixture.h"
#include "hid/emulated_bus.h"
#include "packet_fixture.h"
#include "platform/clock.h"
#include "platform/folders.h"
#include "profiles/json_file.h"

namespace viremo::devices::testing {

inline constexpr const char* kCableCommand = "emulated/keyboard/if1#vid_320f&pid_5078&mi_01&col04";
inline constexpr const char* kCableConsumer = "emulated/keyboard/if1#vid_320f&pid_5078&mi_01&col03";
inline constexpr const char* kReceiverCommand = "emulated/keyboard-receiver/if1#vid_320f&pid_5001&mi_01&col04";
inline constexpr const char* kReceiverConsumer = "emulated/keyboard-receiver/if1#vid_320f&pid_5001&mi_01&col03";

// Waits until `done` (what another thread of the driver brings about) or a
// second has passed.
inline bool waitUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 200 && !done(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return done();
}

// A "KeyList" of `count` keys at their factory codes.
inline Json::Value factoryKeyList(int count) {
    Json::Value list(Json::arrayValue);
    for (int key = 0; key < count; ++key) {
        const auto& factory = keyboard::factoryKeyCodes()[size_t(key)];
        const int value = code(factory[0], factory[1], factory[2]);
        Json::Value entry;
        entry["Assignment"] = value;
        entry["DefaultAssignment"] = value;
        list.append(entry);
    }
    return list;
}

class KeyboardTest : public DataFolderTest {
protected:
    KeyboardTest() : DataFolderTest("keyboard") {}

    void SetUp() override {
        DataFolderTest::SetUp();
        putFactory("default_light.json", R"({"DefaultLightName": [[
            {"LightName": "m0", "visible": 1, "value": 9}, {"LightName": "m1", "visible": 1, "value": 3},
            {"LightName": "m2", "visible": 1, "value": 7}, {"LightName": "m3", "visible": 1, "value": 1},
            {"LightName": "m4", "visible": 1, "value": 2}, {"LightName": "m5", "visible": 1, "value": 33},
            {"LightName": "m6", "visible": 1, "value": 5}]]})");
        factoryProfile["LightInfo"] = *json::parse(R"({"SelectItem": 5, "Light": 3, "Speed": 1, "Fx": 1,
            "MultiColor": 0, "Red": 18, "Green": 52, "Blue": 86, "ZZCCLedMode": 2, "CustomGroup": 1})");
        factoryProfile["SystemStages"] = *json::parse(R"({"Repeat": 31, "RepeatDelay": 1, "Key6Flag": 1,
            "PollingRate": 3, "WFlag": 1, "WinFlag": 0})");
        factoryProfile["KeyList"] = factoryKeyList(keyboard::kKeyNumbers);
        writeFactoryProfile();
        ASSERT_TRUE(firmware.cable().plug(bus));
    }

    // The profile entry as saved in the current profile file.
    Json::Value savedProfile() const {
        return json::readFile(keyboard.Profile().GetProfilePath())["Device"][0];
    }

    // The keyboard on its cable, or through its receiver.
    void attachCable() {
        configureKeyboard(keyboard, hidInterfaceTable()[0]);
        ASSERT_TRUE(keyboard.Channel().Attach(ConnectionMode::Cable, kCableCommand));
        keyboard.Channel().SetConnectionMode(ConnectionMode::Cable);
    }
    void attachReceiver() {
        ASSERT_TRUE(firmware.receiverProduct().plug(bus));
        configureKeyboard(keyboard, hidInterfaceTable()[2]);
        ASSERT_TRUE(keyboard.Channel().Attach(ConnectionMode::Receiver, kReceiverCommand));
        keyboard.Channel().SetConnectionMode(ConnectionMode::Receiver);
    }

    // A keyboard of `codes.size()` key positions holding these codes and
    // light positions.
    void setKeyboardLayout(const std::vector<keyboard::KeyCode>& codes, const Bytes& lights) {
        auto& device = *firmware.device();
        Bytes info = device.memory("device info");
        info[5] = uint8_t(codes.size());
        ASSERT_TRUE(device.writeMemory("device info", 0, info));
        Bytes table;
        for (const auto& c : codes) table.insert(table.end(), c.begin(), c.end());
        ASSERT_TRUE(device.writeMemory("key table", 0, table));
        ASSERT_TRUE(device.writeMemory("key attributes", 0, lights));
    }

    std::vector<Bytes> wire() const { return firmware.cable().commandInterface()->receivedReports(); }
    std::vector<Bytes> receiverWire() const {
        return firmware.receiverProduct().commandInterface()->receivedReports();
    }
    // How many packets of this command went out on the cable.
    int sentOnCable(uint8_t command) const {
        int count = 0;
        for (const Bytes& sent : wire()) count += sent.size() > 3 && sent[3] == command;
        return count;
    }
    void clearWire() const {
        firmware.cable().commandInterface()->clearLog();
        if (auto receiver = firmware.receiverProduct().commandInterface()) receiver->clearLog();
    }

    emulator::KeyboardFirmware firmware;
    hid::EmulatedBus bus;
    FakeClock clock;
    // Shared, as the keyboard's page holds it.
    std::shared_ptr<CVendrakeKeyboardDevice> driver = std::make_shared<CVendrakeKeyboardDevice>(bus, clock);
    CVendrakeKeyboardDevice& keyboard = *driver;
};

}  // namespace viremo::devices::testing
