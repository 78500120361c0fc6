#include "devices/vendrake_usb_device.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "devices/protocol/result_code.h"
#include "scripted_firmware.h"
#include "toolkit/tab_layout.h"
#include "toolkit/vertical_layout.h"

namespace viremo::devices {
namespace {

using test_support::Report;

// A key of the device picture as the page's skin would hold it.
class FakeKeyButton : public toolkit::CControlUI, public ILightButton {
public:
    explicit FakeKeyButton(std::string name) { SetName(std::move(name)); }
    std::string_view GetClass() const override { return "DeviceKeyButton"; }
    void SetLight(toolkit::Color colour, int level, bool shown) override {
        this->colour = colour;
        this->level = level;
        this->shown = shown;
    }
    toolkit::Color colour = 0;
    int level = -1;
    bool shown = false;
};

class FakePowerDisplay : public IPowerDisplay {
public:
    void ShowPowerLayout(bool shown) override { layoutShown = shown; }
    void ShowPowerReport(std::span<const uint8_t>) override {}
    bool layoutShown = false;
};

class DeviceTest : public ::testing::Test {
protected:
    FakeKeyButton* addButton(toolkit::CContainerUI& parent, std::string name) {
        return parent.Add(std::make_unique<FakeKeyButton>(std::move(name)));
    }
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

TEST_F(DeviceTest, WithoutASkinTheKeyAndLightListsAreEmpty) {
    addButton(device, "key_0");
    device.SetKeyCount(170);
    device.SetLightCount(170);
    device.Initialise();
    EXPECT_EQ(device.KeyButton(0), nullptr);
    EXPECT_EQ(device.LightButton(0), nullptr);
    // The light colours are kept all the same.
    device.SetLightColour(169, {1, 2, 3, 4});
    EXPECT_EQ(device.GetLightColour(169), (LightColour{1, 2, 3, 4}));
    EXPECT_EQ(device.GetLightColour(170), LightColour{});
}

TEST_F(DeviceTest, InitialiseBindsTheNumberedButtonsAndPaintsTheLightsWhite) {
    auto* panel = device.Add(std::make_unique<toolkit::CVerticalLayoutUI>());
    panel->SetName("SelectPanel");
    FakeKeyButton* key1 = addButton(*panel, "key_1");
    FakeKeyButton* light0 = addButton(*panel, "light_0");
    FakeKeyButton* light2 = addButton(*panel, "light_2");
    FakeKeyButton* preview = addButton(*panel, "light_0_1");  // another family
    addButton(*panel, "key_7");                               // beyond the key count
    addButton(*panel, "key_x");
    device.SetDeviceSkin("XML\\DeviceXml\\mousedevice.xml");
    device.SetKeyCount(2);
    device.SetLightCount(3);
    device.Initialise();

    EXPECT_EQ(device.GetSelectPanel(), panel);
    EXPECT_EQ(device.KeyButton(0), nullptr);
    EXPECT_EQ(device.KeyButton(1), key1);
    EXPECT_EQ(device.KeyButton(7), nullptr);
    EXPECT_EQ(device.LightButton(0), light0);
    EXPECT_EQ(device.LightButton(1), nullptr);
    EXPECT_EQ(device.LightButton(2), light2);
    EXPECT_EQ(light2->colour, 0xFFFFFFFFu);
    EXPECT_EQ(light2->level, 255);
    EXPECT_EQ(preview->level, -1);
    EXPECT_EQ(key1->level, -1);
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

TEST_F(DeviceTest, AFailedLightFrameCostsAPause) {
    device.SetLightCount(15);
    device.SetLightingControl(true);  // the channel is closed: the frame fails
    const auto start = std::chrono::steady_clock::now();
    device.SendLightFrame();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(190));
}

TEST_F(DeviceTest, OnTheReceiverOnlyThePictureShowsTheFrame) {
    auto* panel = device.Add(std::make_unique<toolkit::CVerticalLayoutUI>());
    FakeKeyButton* light0 = addButton(*panel, "light_0");
    device.SetDeviceSkin("XML\\DeviceXml\\mousedevice.xml");
    device.SetLightCount(1);
    device.Initialise();
    openCable(kModelMouseReceiver);
    device.SetOnReceiver(true);
    device.SetLightingControl(true);
    device.SetLightColour(0, {0x12, 0x34, 0x56, 99});
    device.SendLightFrame();
    EXPECT_TRUE(scripted.firmware->received().empty());
    EXPECT_EQ(light0->colour, 0xFF123456u);
    EXPECT_EQ(light0->level, 99);
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

TEST_F(DeviceTest, SelectFunctionPageShowsThePagesOfTheType) {
    auto* functions = device.Add(std::make_unique<toolkit::CTabLayoutUI>());
    functions->SetName("device_function_switch");
    auto* keys = functions->Add(std::make_unique<toolkit::CTabLayoutUI>());
    keys->SetName("device_key_function_switch");
    for (int i = 0; i < 3; ++i) functions->Add(std::make_unique<toolkit::CControlUI>());
    for (int i = 0; i < 3; ++i) keys->Add(std::make_unique<toolkit::CControlUI>());

    const struct {
        int pageType;
        uint16_t modelId;
        int functionPage;
        int keyPage;
    } cases[] = {
        {2, 1, 0, 1}, {6, 7, 0, 1}, {3, 1, 1, 1}, {8, 7, 1, 1}, {4, 1, 3, 1}, {4, 2, 3, 1},
        {4, 3, 0, 2}, {5, 2, 2, 2}, {7, 7, 0, 2}, {1, 1, 0, 0}, {9, 1, 0, 0},
    };
    for (const auto& c : cases) {
        InterfaceRecord identity;
        identity.modelId = c.modelId;
        device.SetIdentity(identity);
        device.SelectFunctionPage(c.pageType);
        EXPECT_EQ(functions->GetCurSel(), c.functionPage) << "type " << c.pageType << " model " << c.modelId;
        EXPECT_EQ(keys->GetCurSel(), c.keyPage) << "type " << c.pageType << " model " << c.modelId;
        EXPECT_EQ(device.GetFunctionPage(), c.pageType);
    }
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
