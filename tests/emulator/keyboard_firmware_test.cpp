#include "emulator/keyboard_firmware.h"

#include <gtest/gtest.h>

#include "emulator/demo_set.h"
#include "hid/hid_device.h"
#include "wire.h"

namespace viremo::emulator {
namespace {

using testing::Bytes;
using testing::frame;
using testing::packet;

const char* const kCableConsumer = "emulated/keyboard/if1#vid_320f&pid_5078&mi_01&col03";
const char* const kReceiverConsumer = "emulated/keyboard-receiver/if1#vid_320f&pid_5001&mi_01&col03";
const char* const kReceiverCommand = "emulated/keyboard-receiver/if1#vid_320f&pid_5001&mi_01&col04";

// The demo set with the keyboard's receiver plugged beside its cable.
class KeyboardFirmwareTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(keyboard.receiverProduct().plug(bus)); }

    std::unique_ptr<hid::HidDevice> open(const char* path) {
        auto device = std::make_unique<hid::HidDevice>(bus);
        if (!device->Open(path, true, true, true, false)) return nullptr;
        return device;
    }

    // The next input report, empty when none comes within `timeoutMs`.
    static Bytes next(hid::HidDevice& device, int timeoutMs = 1000) {
        Bytes report(device.InputReportByteLength());
        size_t transferred = 0;
        if (!device.Read(report.data(), report.size(), &transferred, timeoutMs)) return {};
        report.resize(transferred);
        return report;
    }

    static Bytes exchange(hid::HidDevice& device, const Bytes& request) {
        size_t transferred = 0;
        if (!device.Write(request.data(), request.size(), &transferred, 1000)) return {};
        return next(device);
    }

    hid::EmulatedBus bus;
    DemoSet set = plugDemoSet(bus);
    KeyboardFirmware& keyboard = *set.keyboardHandle;
};

TEST_F(KeyboardFirmwareTest, DemoSetKeyboardIsTheHandlesKeyboard) {
    EXPECT_EQ(set.keyboard, keyboard.device());
    EXPECT_EQ(set.keyboardUsb.commandInterface(), keyboard.cable().commandInterface());
}

TEST_F(KeyboardFirmwareTest, NotificationsReachTheConsumerCollectionOfEachPath) {
    auto cable = open(kCableConsumer);
    auto receiver = open(kReceiverConsumer);
    ASSERT_TRUE(cable && receiver);

    EXPECT_TRUE(keyboard.notifyOnCable(keyboard::kSettingsResetCode));
    EXPECT_EQ(next(*cable), (Bytes{3, 0x02, 0x04}));
    EXPECT_TRUE(keyboard.notifyThroughReceiver(keyboard::kProfilePairCode | 0x23));
    EXPECT_EQ(next(*receiver), (Bytes{3, 0x23, 0x11}));
    EXPECT_TRUE(next(*cable, 50).empty()) << "each path only its own";

    // The user switches to profile 2 on the keyboard.
    EXPECT_TRUE(keyboard.selectProfile(2));
    EXPECT_EQ(keyboard.activeProfile(), 2);
    EXPECT_EQ(next(*cable), (Bytes{3, 0x02, 0x10}));
    EXPECT_EQ(next(*receiver), (Bytes{3, 0x02, 0x10}));

    // Out of the receiver's reach only the cable hears of the next switch.
    keyboard.setLinkUp(false);
    EXPECT_FALSE(keyboard.notifyThroughReceiver(keyboard::kSynchroniseCode));
    EXPECT_TRUE(keyboard.selectProfile(1));
    EXPECT_EQ(next(*cable), (Bytes{3, 0x01, 0x10}));
    EXPECT_TRUE(next(*receiver, 50).empty());

    EXPECT_FALSE(keyboard.selectProfile(10)) << "ten profiles, 0-9";
    EXPECT_EQ(keyboard.activeProfile(), 1);
    keyboard.cable().unplug(bus);
    EXPECT_FALSE(keyboard.notifyOnCable(keyboard::kSynchroniseCode));
}

TEST_F(KeyboardFirmwareTest, HostReachesTheKeyboardThroughItsReceiver) {
    auto receiver = open(kReceiverCommand);
    ASSERT_TRUE(receiver);
    // Device information in a receiver-sized packet: product 5078, version
    // 1.05, 128 key positions, 32 macro units. 3 + 24 + 1 + 0x78 + 0x50 + 5 +
    // 1 + 0x80 + 0x20 = 0x18A.
    EXPECT_EQ(exchange(*receiver, packet(3, 24, 0)),
              frame({4, 0x8A, 0x01, 3, 24, 0, 0, 1, 0x78, 0x50, 0x05, 0x01, 0x00, 0x80, 0x20}));
    // The battery in status byte 4: 26 + 6 + 1 + 55 = 0x58.
    keyboard.setBattery(55);
    EXPECT_EQ(exchange(*receiver, packet(26, 6, 0)), frame({4, 0x58, 0, 26, 6, 0, 0, 1, 0, 0, 0, 0, 55}));

    keyboard.setLinkUp(false);
    EXPECT_EQ(exchange(*receiver, packet(26, 6, 0)), frame({4, 0xAB, 0, 170, 0, 0, 0, 1}));
    EXPECT_EQ(exchange(*receiver, packet(170)), frame({4, 0xAB, 0, 170, 0, 0, 0, 1, 0}));
    keyboard.setLinkUp(true);
    EXPECT_EQ(exchange(*receiver, packet(170)), frame({4, 0xAA, 0x01, 170, 0, 0, 0, 1, 0xFF}));
}

TEST_F(KeyboardFirmwareTest, TestsCanRewireKeysAndLights) {
    // The host finds Esc by its code: moved to position 0, with its light
    // beyond a 170-light frame.
    EXPECT_TRUE(keyboard.setKeyCode(0, keyboard::factoryKeyCode(0)));
    EXPECT_TRUE(keyboard.setLightPosition(0, 200));
    EXPECT_EQ(keyboard.keyCode(0), (keyboard::KeyCode{0x20, 0x00, 0x29}));
    EXPECT_EQ(keyboard.keyAttributes()[0], 200);
    EXPECT_FALSE(keyboard.setKeyCode(128, {1, 2, 3}));
    EXPECT_FALSE(keyboard.setLightPosition(128, 1));
}

}  // namespace
}  // namespace viremo::emulator
