// The keyboard's page: what it shows on its panels, the custom colour edits
// that go through the lighting panel, and the resynchronisation the
// keyboard asks for through the device tab's timer.
#include "ui/keyboard_page.h"

#include <chrono>
#include <functional>
#include <thread>

#include "keyboard_fixture.h"
#include "toolkit/control.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/message_queue.h"
#include "toolkit/paint_manager.h"
#include "toolkit/vertical_layout.h"
#include "ui/device_key_button.h"

namespace viremo::devices::testing {
namespace {

using namespace std::chrono_literals;
using ui::CKeyboardDevicePage;

constexpr int kEsc = 0, kA = 64;

class LightingPanel : public toolkit::CControlUI, public keyboard::ILightingPanel {
public:
    void ShowModeList(const keyboard::ModeList& list) override { modes = list.modes.size(); }
    void ShowLightingPresets(const std::vector<std::string>&) override {}
    void ShowLightingState(const LightRecord& lighting) override { shown = lighting; }
    void ShowCustomGroup(int group) override { shownGroup = group; }
    int CurrentCustomGroup() const override { return editedGroup; }
    size_t modes = 0;
    LightRecord shown;
    int shownGroup = -1;
    int editedGroup = -1;
};

class KeySetPanel : public toolkit::CControlUI, public ui::IKeySetPanel {
public:
    void ShowSystemSettings(const keyboard::SystemSettings& settings) override { system = settings; }
    void ShowKeyAssignment(int key, const KeyListEntry& entry) override { shownKey = key, assignment = entry; }
    keyboard::SystemSettings system;
    int shownKey = -1;
    KeyListEntry assignment;
};

// Runs the user-interface queue until `done` or a second has passed.
bool dispatchUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 200 && !done(); ++i) {
        toolkit::UiQueue().DispatchPending();
        std::this_thread::sleep_for(5ms);
    }
    toolkit::UiQueue().DispatchPending();
    return done();
}

// A device tab in a window-less paint manager whose timer 1002 makes the
// keyboard read its settings again, as the real tab does.
class TabTimers : public toolkit::INotifyUI {
public:
    TabTimers(CKeyboardDevicePage& page, const Clock& clock) : keyboard_(page.Keyboard()), pm(clock) {
        toolkit::CDialogBuilder builder;
        pm.AttachDialog(builder.Create(R"(<VerticalLayout><Control name="tab"/></VerticalLayout>)", nullptr, &pm));
        pm.AddNotifier(this);
        page.SetTab(pm.FindControl("tab"));
    }
    void Notify(toolkit::TNotifyUI& msg) override {
        if (msg.sType != "timer") return;
        pm.KillTimer(msg.pSender, unsigned(msg.wParam));
        if (msg.wParam == ui::kTabTimerResynchronise) {
            ++resynchronised;
            keyboard_.ReadSettingsFromDevice();
        }
    }
    CVendrakeKeyboardDevice& keyboard_;
    toolkit::CPaintManagerUI pm;
    int resynchronised = 0;
};

TEST_F(KeyboardTest, SynchroniseCodeLeadsToASettingsRead) {
    attachCable();
    ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
    CKeyboardDevicePage page{driver};
    TabTimers tab(page, clock);
    ASSERT_TRUE(keyboard.AttachNotificationInterface(kCableConsumer, kModelWiredKeyboard));
    EXPECT_TRUE(keyboard.IsNotificationOpen(kModelWiredKeyboard));
    ASSERT_TRUE(firmware.notifyOnCable(0x0401));
    ASSERT_TRUE(dispatchUntil([&] { return tab.pm.NextTimerDeadline().has_value(); }));
    clearWire();
    clock.advance(49ms);
    tab.pm.ProcessTimers();
    EXPECT_EQ(tab.resynchronised, 0);
    clock.advance(1ms);
    tab.pm.ProcessTimers();
    EXPECT_EQ(tab.resynchronised, 1);
    EXPECT_EQ(wire(), (std::vector<Bytes>{packet(5, 1, 0), packet(5, 26, 0)}));
    EXPECT_EQ(CVendrakeKeyboardDevice::LastNotificationCode(), 0x0401);
    keyboard.DetachNotificationInterface(kModelWiredKeyboard);
}

TEST_F(KeyboardTest, ThePictureShowsEachKeysLightOnTheKey) {
    CKeyboardDevicePage page{driver};
    auto* picture = page.Add(std::make_unique<toolkit::CVerticalLayoutUI>());
    picture->SetName("SelectPanel");
    auto* keyA = picture->Add(std::make_unique<ui::CDeviceKeyButtonUI>());
    keyA->SetName("key_" + std::to_string(kA));
    page.SetDeviceSkin("keyboarddevice.xml");
    keyboard.SetKeyCount(170);
    page.Initialise();
    LightColours colours;
    colours.SetCount(170);
    colours.Set(kA, LightColour{0x12, 0x34, 0x56, 200});
    page.ShowLights(colours);
    EXPECT_TRUE(keyA->IsLightShown());
    EXPECT_EQ(keyA->GetLightColour(), 0xFF123456u);
    EXPECT_EQ(keyA->GetLightLevel(), 200);
}

// A keyboard page with a lighting panel and a key panel; Esc's light at
// frame position 0, A's at 1.
class KeyboardPanelsTest : public KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        setKeyboardLayout({{0x20, 0x00, 0x29}, {0x20, 0x00, 0x04}}, Bytes{0, 1});
        factoryProfile["LightInfo"]["SelectItem"] = 20;
        factoryProfile["LightInfo"]["CustomGroup"] = 3;
        writeFactoryProfile();
        attachCable();
        auto light = std::make_unique<LightingPanel>();
        light->SetName("LightControlItem");
        lighting = page.Add(std::move(light));
        auto keys = std::make_unique<KeySetPanel>();
        keys->SetName("KeySetControlItem");
        keySet = page.Add(std::move(keys));
        page.SetDeviceSkin("keyboarddevice.xml");
        page.Initialise();
        ASSERT_TRUE(keyboard.ReadKeyLayout());
        ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
        clearWire();
    }
    CKeyboardDevicePage page{driver};
    LightingPanel* lighting = nullptr;
    KeySetPanel* keySet = nullptr;
};

TEST_F(KeyboardPanelsTest, StateShownOnThePanels) {
    page.ShowStateOnPanels();
    EXPECT_EQ(lighting->modes, 7u);
    EXPECT_EQ(lighting->shown, keyboard.GetLightInfo());
    EXPECT_EQ(lighting->shownGroup, 3) << "mode 20 shows its colour group";
    EXPECT_EQ(keySet->system, (keyboard::SystemSettings{31, 1, 1, 3, 1, 0}));
    page.SetSelectedItem(kA);
    EXPECT_EQ(keySet->shownKey, kA);
    EXPECT_EQ(keySet->assignment.current.second, 0x04);
}

TEST_F(KeyboardPanelsTest, CustomColourOfOneLightIsStoredAndWritten) {
    lighting->editedGroup = 3;
    keyboard.SetCustomColour(kA);  // 12 34 56 at brightness 3 (level 192)
    EXPECT_EQ(keyboard.GetLightColour(kA), (LightColour{0x12, 0x34, 0x56, 192}));
    // 0x12 x 192 / 256 = 13, 0x34 x 192 / 256 = 39, 0x56 x 192 / 256 = 64.
    EXPECT_EQ(wire(), (std::vector<Bytes>{packet(11, 6, 3 * 512, Bytes{0, 0, 0, 13, 39, 64})}));
    const Json::Value saved = savedProfile()["CustomLightMode"]["LightColorInfo"][3][kA];
    EXPECT_EQ((Bytes{uint8_t(saved["Red"].asInt()), uint8_t(saved["Green"].asInt()), uint8_t(saved["Blue"].asInt()),
                     uint8_t(saved["Alpha"].asInt())}),
              (Bytes{0x12, 0x34, 0x56, 192}));
}

TEST_F(KeyboardPanelsTest, CustomColourNeedsModeTwentyAndAnEditedGroup) {
    keyboard.SetCustomColour(kEsc);
    EXPECT_EQ(keyboard.GetLightColour(kEsc), (LightColour{0x12, 0x34, 0x56, 192})) << "shown on the picture";
    EXPECT_TRUE(wire().empty()) << "no group being edited: nothing stored or written";
    LightRecord other = keyboard.GetLightInfo();
    other.mode = 6;
    keyboard.SetLightInfo(other);
    lighting->editedGroup = 3;
    keyboard.SetCustomColour(kA);
    EXPECT_EQ(keyboard.GetLightColour(kA), LightColour{}) << "not in mode 6";
    EXPECT_TRUE(wire().empty());
}

TEST_F(KeyboardPanelsTest, FillAllLightsAndClears) {
    lighting->editedGroup = 3;
    keyboard.FillAll(true);
    EXPECT_EQ(wire(), (std::vector<Bytes>{packet(11, 6, 3 * 512, Bytes{13, 39, 64, 13, 39, 64})}));
    EXPECT_EQ(savedProfile()["CustomLightMode"]["LightColorInfo"][3][169]["Alpha"].asInt(), 192);
    clearWire();
    keyboard.FillAll(false);
    EXPECT_EQ(wire(), (std::vector<Bytes>{packet(11, 6, 3 * 512, Bytes{0, 0, 0, 0, 0, 0})}));
    EXPECT_EQ(savedProfile()["CustomLightMode"]["LightColorInfo"][3][kEsc]["Red"].asInt(), 0);
}

}  // namespace
}  // namespace viremo::devices::testing
