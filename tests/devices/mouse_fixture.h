#pragma once
// A mouse driver on the emulated mouse (3325-type sensor: 50 DPI per level
// from 100 DPI, 200 per level above level 48, highest level 88), with a data
// folder of its own per test and small factory files written by the test:
//
//   mode list  mode index 0-9 -> device codes 9, 3, 7, 1, 2, 0x21, 5, 11, 12, 13
//   profile    lighting mode 2, brightness 3, speed 1, direction 1, colour
//              12 34 56; two DPI stages (level 6 red, level 30 green), stage
//              1 active; report rate 2; the second correction entry
//              selected (minimum square 5, threshold 4); buttons at their
//              factory codes
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <json/value.h>

#include "devices/device_tables.h"
#include "devices/mouse/mouse_device.h"
#include "devices/protocol/result_code.h"
#include "emulator/mouse_firmware.h"
#include "data_folder_fixture.h"
#include "hid/emulated_bus.h"
#include "packet_fixture.h"
#include "platform/clock.h"
#include "platform/folders.h"
#include "profiles/json_file.h"

namespace viremo::devices::testing {

inline constexpr const char* kMouseCableCommand = "emulated/mouse/if1#vid_320f&pid_221c&mi_01&col04";
inline constexpr const char* kMouseReceiverCommand = "emulated/mouse-receiver/if1#vid_320f&pid_221d&mi_01&col04";
inline constexpr int kMouseCableRow = 4;
inline constexpr int kMouseReceiverRow = 6;

inline const Bytes kQueryOnline = packet(0xAA, 0, 0);

// A mouse "KeyList" at the factory codes.
inline Json::Value factoryButtonList() {
    Json::Value list(Json::arrayValue);
    for (const auto& button : mouse::kStandardButtons) {
        Json::Value entry;
        entry["Assignment"] = code(button[0], button[1], button[2]);
        entry["DefaultAssignment"] = entry["Assignment"];
        list.append(entry);
    }
    return list;
}

class MouseTest : public DataFolderTest {
protected:
    MouseTest() : DataFolderTest("mouse") {}

    void SetUp() override {
        DataFolderTest::SetUp();
        // Kind code 1 is the mouse's.
        putFactory("default_light.json", R"({"DefaultLightName": [[], [
            {"value": 9}, {"value": 3}, {"value": 7}, {"value": 1}, {"value": 2},
            {"value": 33}, {"value": 5}, {"value": 11}, {"value": 12}, {"value": 13}]]})");
        factoryProfile = *json::parse(R"({
            "LightInfo": {"SelectItem": 2, "Light": 3, "Speed": 1, "Fx": 1, "MultiColor": 0,
                          "Red": 18, "Green": 52, "Blue": 86},
            "DPIStages": {"StageActive": 1, "StageDPIs": [
                {"StageActive": 1, "StageXY": 0, "StageDPIX": 6, "StageDPIY": 6,
                 "StageColorR": 255, "StageColorG": 0, "StageColorB": 0},
                {"StageActive": 1, "StageXY": 0, "StageDPIX": 30, "StageDPIY": 30,
                 "StageColorR": 0, "StageColorG": 255, "StageColorB": 0}]},
            "SystemStages": {"DoubleClickTime": 500, "MouseSpeed": 10, "PointerPrecision": 1,
                             "ScorllPage": 0, "WheelScorlllinse": 3},
            "ReportStages": {"StageActive": 2},
            "CorrectInfo": [{"CorrectPixThresh": 7, "CorrectMinSq": 9, "CorrectSelect": 0, "CorrectName": "a"},
                            {"CorrectPixThresh": 4, "CorrectMinSq": 5, "CorrectSelect": 1, "CorrectName": "b"}]})");
        factoryProfile["KeyList"] = factoryButtonList();
        writeFactoryProfile();
        ASSERT_TRUE(firmware.cable().plug(bus));
        ASSERT_TRUE(firmware.receiverProduct().plug(bus));
    }

    void attach(bool viaReceiver) {
        const int row = viaReceiver ? kMouseReceiverRow : kMouseCableRow;
        const ConnectionMode connection = viaReceiver ? ConnectionMode::Receiver : ConnectionMode::Cable;
        configureMouse(mouse, hidInterfaceTable()[size_t(row)]);
        ASSERT_TRUE(mouse.Channel().Attach(connection, viaReceiver ? kMouseReceiverCommand : kMouseCableCommand));
        mouse.Channel().SetConnectionMode(connection);
    }
    // Attached, button layout read, profile loaded, wire cleared.
    void readMouse(bool viaReceiver) {
        attach(viaReceiver);
        ASSERT_TRUE(mouse.ReadButtonLayout());
        ASSERT_EQ(mouse.LoadProfile(), kSuccess);
        clearWire();
    }

    std::vector<Bytes> wire() const { return firmware.cable().commandInterface()->receivedReports(); }
    std::vector<Bytes> receiverWire() const {
        return firmware.receiverProduct().commandInterface()->receivedReports();
    }
    void clearWire() const {
        firmware.cable().commandInterface()->clearLog();
        firmware.receiverProduct().commandInterface()->clearLog();
    }

    emulator::MouseFirmware firmware;
    hid::EmulatedBus bus;
    FakeClock clock;
    std::shared_ptr<CVendrakeMouseDevice> driver = std::make_shared<CVendrakeMouseDevice>(bus, clock);
    CVendrakeMouseDevice& mouse = *driver;
};

}  // namespace viremo::devices::testing
