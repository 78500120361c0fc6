#include "devices/vendrake_usb_device.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "devices/device_tables.h"
#include "devices/protocol/result_code.h"
#include "scripted_firmware.h"

namespace viremo::devices {
namespace {

using test_support::Report;

class FakePowerDisplay : public IPowerDisplay {
public:
    void ShowPowerLayout(bool shown) override { layoutShown = shown; }
    void ShowPowerReport(std::span<const uint8_t>) override {}
    bool layoutShown = false;
};

class DeviceTest : public ::testing::Test {
protected:
    void openCable(uint16_t modelId) {
        InterfaceRecord identity;
        identity.modelId = modelId;
        device.SetIdentity(identity);
        ASSERT_TRUE(device.Channel().Attach(ConnectionMode::Cable, scripted.path));
        device.Channel().SetConnectionMode(ConnectionMode::Cable);
    }

    test_support::ScriptedDevice scripted;
    CVendrakeUSBDevice device{scripted.bus};
};

TEST_F(DeviceTest, LightColoursAreKeptUpToTheLightCount) {
    device.SetLightCount(170);
    device.SetLightColour(169, {1, 2, 3, 4});
    EXPECT_EQ(device.GetLightColour(169), (LightColour{1, 2, 3, 4}));
    EXPECT_EQ(device.GetLightColour(170), LightColour{});
}

TEST_F(DeviceTest, LightFrameCarriesTheScaledColoursOfEveryLight) {
    openCable(kModelWiredMouse);
    device.SetLightCount(15);
    device.SetLightColour(0, {255, 32, 0, 255});
    device.SendLightFrame();  // no lighting control yet: nothing
    EXPECT_TRUE(scripted.firmware->received().empty());

    device.SetLightingControl(true);
    device.SendLightFrame();
    // 45 bytes in one packet: 0x12 + 0x2D + 0xFE + 0x1F = 0x015C.
    Report expected{0x04, 0x5C, 0x01, 0x12, 0x2D, 0x00, 0x00, 0x00, 0xFE, 0x1F, 0x00};
    EXPECT_EQ(scripted.firmware->received(), std::vector<Report>{expected});
}

TEST_F(DeviceTest, AFailedLightFrameHoldsFramesBackWithoutWaiting) {
    FakeClock clock;
    CVendrakeUSBDevice held{scripted.bus, clock};
    held.SetLightCount(15);
    held.SetLightingControl(true);  // the channel is closed: the frame fails
    const auto start = std::chrono::steady_clock::now();
    held.SendLightFrame();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));

    ASSERT_TRUE(held.Channel().Attach(ConnectionMode::Cable, scripted.path));
    held.Channel().SetConnectionMode(ConnectionMode::Cable);
    clock.advance(std::chrono::milliseconds(199));
    held.SendLightFrame();
    EXPECT_TRUE(scripted.firmware->received().empty());
    clock.advance(std::chrono::milliseconds(1));
    held.SendLightFrame();
    // 45 zero bytes in one packet: 0x12 + 0x2D = 0x3F.
    const Report expected{0x04, 0x3F, 0x00, 0x12, 0x2D};
    EXPECT_EQ(scripted.firmware->received(), std::vector<Report>{expected});
}

TEST_F(DeviceTest, TakingLightingControlTellsOnlyAWiredKeyboard) {
    openCable(kModelWiredMouse);
    device.SetLightingControl(true);
    EXPECT_TRUE(scripted.firmware->received().empty());
    openCable(kModelWiredKeyboard);
    device.SetLightingControl(false);
    device.SetLightingControl(true);
    const Report takeControl{0x04, 0x1C, 0x00, 0x1C};
    EXPECT_EQ(scripted.firmware->received(), std::vector<Report>{takeControl});
}

TEST_F(DeviceTest, AReceiverRowIsTheWayInAndItsWiredPartnerTheIdentity) {
    const struct {
        int row;
        int identityRow;
        bool onReceiver;
    } cases[] = {
        {0, 0, false},  // keyboard cable
        {2, 0, true},   // keyboard receiver
        {4, 4, false},  // mouse cable
        {6, 4, true},   // mouse receiver
        {8, 8, false},  // mouse pad
    };
    for (const auto& c : cases) {
        device.SetInterfaceRow(hidInterfaceTable()[size_t(c.row)]);
        const InterfaceRecord& identity = hidInterfaceTable()[size_t(c.identityRow)];
        EXPECT_TRUE(sameIdentity(device.GetIdentity(), identity)) << "row " << c.row;
        EXPECT_EQ(device.GetModelId(), identity.modelId) << "row " << c.row;
        EXPECT_EQ(device.IsOnReceiver(), c.onReceiver) << "row " << c.row;
    }
}

TEST_F(DeviceTest, WithoutItsOwnLinkQueryADeviceIsReachableOnlyWhileOpen) {
    EXPECT_EQ(device.IsReachableThroughReceiver(), 0);
    openCable(kModelWiredMouse);
    EXPECT_EQ(device.IsReachableThroughReceiver(), 1);
    device.Channel().Detach();  // unplugged
    EXPECT_EQ(device.IsReachableThroughReceiver(), 0);
}

TEST_F(DeviceTest, StatusPollingPausesOnlyForBatteryPoweredDevices) {
    FakePowerDisplay display;
    device.SetPowerDisplay(&display);
    device.SetStatusPollingPaused(true);
    EXPECT_FALSE(device.IsStatusPollingPaused());
    device.SetBatteryPowered(true);
    EXPECT_TRUE(display.layoutShown);
    device.SetStatusPollingPaused(true);
    EXPECT_TRUE(device.IsStatusPollingPaused());
}

TEST_F(DeviceTest, DataFoldersFollowTheKindName) {
    const auto home = std::filesystem::temp_directory_path() / "viremo-device-test";
    std::filesystem::remove_all(home);
    ::setenv("XDG_DATA_HOME", home.c_str(), 1);
    device.SetKindName("MousePad");
    EXPECT_EQ(device.DeviceDataFolder(), home / "VIREMO VR-TKL" / "MousePad");
    EXPECT_TRUE(std::filesystem::is_directory(device.DeviceDataFolder()));
    EXPECT_EQ(device.DefaultProfilePath().filename(), "MousePad.Json");
    EXPECT_EQ(device.DefaultProfilePath().parent_path().filename(), "DefaultData");
    std::filesystem::remove_all(home);
}

}  // namespace
}  // namespace viremo::devices
