#include "ui/device_page.h"

#include <gtest/gtest.h>

#include <memory>

#include "devices/device_tables.h"
#include "devices/interface_probe.h"
#include "devices/protocol/result_code.h"
#include "emulator/demo_set.h"
#include "hid/emulated_bus.h"
#include "scripted_firmware.h"
#include "toolkit/message_queue.h"
#include "toolkit/tab_layout.h"
#include "toolkit/vertical_layout.h"
#include "ui/light_button.h"

namespace viremo::ui {
namespace {

using devices::CVendrakeUSBDevice;
using devices::ConnectionMode;
using devices::InterfaceRecord;
using devices::LightColour;

// A key of the device picture as the page's skin would hold it.
class FakeKeyButton : public toolkit::CControlUI, public ILightButton {
public:
    explicit FakeKeyButton(std::string name) { SetName(std::move(name)); }
    std::string_view GetClass() const override { return "DeviceKeyButton"; }
    bool SetLight(toolkit::Color colour, int level, bool shown) override {
        this->colour = colour;
        this->level = level;
        this->shown = shown;
        return true;
    }
    toolkit::Color colour = 0;
    int level = -1;
    bool shown = false;
};

class FakePowerDisplay : public devices::IPowerDisplay {
public:
    void ShowPowerLayout(bool shown) override { layoutShown = shown; }
    void ShowPowerReport(std::span<const uint8_t>) override {}
    bool layoutShown = false;
};

class DevicePageTest : public ::testing::Test {
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
    std::shared_ptr<CVendrakeUSBDevice> driver = std::make_shared<CVendrakeUSBDevice>(scripted.bus);
    CVendrakeUSBDevice& device = *driver;
    CDevicePage page{driver};
};

TEST_F(DevicePageTest, WithoutASkinTheKeyAndLightListsAreEmpty) {
    addButton(page, "key_0");
    device.SetKeyCount(170);
    device.SetLightCount(170);
    page.Initialise();
    EXPECT_EQ(page.KeyButton(0), nullptr);
    EXPECT_EQ(page.LightButton(0), nullptr);
}

TEST_F(DevicePageTest, InitialiseBindsTheNumberedButtonsAndPaintsTheLightsWhite) {
    auto* panel = page.Add(std::make_unique<toolkit::CVerticalLayoutUI>());
    panel->SetName("SelectPanel");
    FakeKeyButton* key1 = addButton(*panel, "key_1");
    FakeKeyButton* light0 = addButton(*panel, "light_0");
    FakeKeyButton* light2 = addButton(*panel, "light_2");
    FakeKeyButton* preview = addButton(*panel, "light_0_1");  // another family
    addButton(*panel, "key_7");                               // beyond the key count
    addButton(*panel, "key_x");
    page.SetDeviceSkin("XML\\DeviceXml\\mousedevice.xml");
    device.SetKeyCount(2);
    device.SetLightCount(3);
    page.Initialise();

    EXPECT_EQ(page.GetSelectPanel(), panel);
    EXPECT_EQ(page.KeyButton(0), nullptr);
    EXPECT_EQ(page.KeyButton(1), key1);
    EXPECT_EQ(page.KeyButton(7), nullptr);
    EXPECT_EQ(page.LightButton(0), light0);
    EXPECT_EQ(page.LightButton(1), nullptr);
    EXPECT_EQ(page.LightButton(2), light2);
    EXPECT_EQ(light2->colour, 0xFFFFFFFFu);
    EXPECT_EQ(light2->level, 255);
    EXPECT_EQ(preview->level, -1);
    EXPECT_EQ(key1->level, -1);
}

TEST_F(DevicePageTest, OnTheReceiverOnlyThePictureShowsTheFrame) {
    auto* panel = page.Add(std::make_unique<toolkit::CVerticalLayoutUI>());
    FakeKeyButton* light0 = addButton(*panel, "light_0");
    page.SetDeviceSkin("XML\\DeviceXml\\mousedevice.xml");
    device.SetLightCount(1);
    page.Initialise();
    openCable(devices::kModelMouseReceiver);
    device.SetOnReceiver(true);
    device.SetLightingControl(true);
    device.SetLightColour(0, {0x12, 0x34, 0x56, 99});
    device.LightTick();
    EXPECT_TRUE(scripted.firmware->received().empty());
    EXPECT_EQ(light0->colour, 0xFF123456u);
    EXPECT_EQ(light0->level, 99);
}

TEST_F(DevicePageTest, SelectFunctionPageShowsThePagesOfTheType) {
    auto* functions = page.Add(std::make_unique<toolkit::CTabLayoutUI>());
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
        page.SelectFunctionPage(c.pageType);
        EXPECT_EQ(functions->GetCurSel(), c.functionPage) << "type " << c.pageType << " model " << c.modelId;
        EXPECT_EQ(keys->GetCurSel(), c.keyPage) << "type " << c.pageType << " model " << c.modelId;
        EXPECT_EQ(page.GetFunctionPage(), c.pageType);
    }
}

TEST_F(DevicePageTest, PowerDisplayFollowsTheDriver) {
    FakePowerDisplay display;
    device.SetBatteryPowered(true);
    page.SetPowerDisplay(&display);
    EXPECT_TRUE(display.layoutShown) << "shown at once for a battery-powered device";
    device.SetBatteryPowered(false);
    EXPECT_FALSE(display.layoutShown);
}

TEST(DevicePageLifetime, TheDriverOutlivesItsPageWithoutReportingToIt) {
    test_support::ScriptedDevice scripted;
    auto driver = std::make_shared<CVendrakeUSBDevice>(scripted.bus);
    driver->SetLightCount(1);
    {
        CDevicePage page{driver};
        EXPECT_EQ(driver->GetPowerDisplay(), &page);
    }
    EXPECT_EQ(driver->GetPowerDisplay(), nullptr);
    driver->SetOnReceiver(true);
    driver->SetLightingControl(true);
    driver->LightTick();  // would paint the page's picture
    driver->SetBatteryPowered(true);
}

// The main window, as far as it hears from a page.
class BatteryListener : public toolkit::IMessageHandler {
public:
    BatteryListener() : handle(toolkit::UiQueue().Register(this)) {}
    ~BatteryListener() override { toolkit::UiQueue().Unregister(handle); }
    std::intptr_t DispatchMessage(toolkit::Message& msg) override {
        if (msg.id == kMsgBatteryLevel) level = int(msg.wParam);
        return 0;
    }
    toolkit::WindowHandle handle;
    int level = -1;
};

// A kind without a driver of its own (the mouse, here through its receiver)
// is served by the base driver and page: found by the probe, its status read
// through the receiver, its battery shown and told to the main window.
TEST(BaseDevicePage, ShowsTheBatteryOfTheMouseThroughItsReceiver) {
    hid::EmulatedBus bus;
    const emulator::DemoSet set = emulator::plugDemoSet(bus);
    const uint8_t battery = 73;
    ASSERT_TRUE(set.mouse->writeMemory("status", 4, std::vector<uint8_t>{battery}));
    const auto found = devices::probeCommandInterface(bus, devices::kKindMouse);
    ASSERT_TRUE(found);
    ASSERT_TRUE(found->viaReceiver);

    auto driver = std::make_shared<CVendrakeUSBDevice>(bus);
    devices::configureDevice(*driver, devices::kKindMouse, devices::hidInterfaceTable()[size_t(found->row)]);
    EXPECT_EQ(driver->GetModelId(), devices::kModelWiredMouse);
    ASSERT_TRUE(driver->Channel().Attach(ConnectionMode::Receiver, found->path));
    driver->Channel().SetConnectionMode(ConnectionMode::Receiver);
    CDevicePage page{driver};
    FakePowerDisplay display;
    page.SetPowerDisplay(&display);
    EXPECT_TRUE(display.layoutShown);
    BatteryListener mainWindow;
    page.SetMainWindow(mainWindow.handle);

    driver->PollPower();
    ASSERT_TRUE(driver->LastStatus());
    EXPECT_EQ((*driver->LastStatus())[4], battery);
    EXPECT_EQ((*driver->LastStatus())[3], 1) << "link byte: through the receiver";
    toolkit::UiQueue().DispatchPending();
    EXPECT_EQ(mainWindow.level, battery);
}

}  // namespace
}  // namespace viremo::ui
