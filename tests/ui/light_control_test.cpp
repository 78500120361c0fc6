// The lighting panel built from its skin layout: which groups each mode
// leaves usable, the colour edits' range, and the road of a change through
// the keyboard's page to the keyboard and its profile.
#include <gtest/gtest.h>

#include "keyboard_fixture.h"
#include "toolkit/edit.h"
#include "toolkit/paint_manager.h"
#include "toolkit_fixture.h"
#include "ui/edit_value.h"
#include "ui/keyboard_page.h"
#include "ui/light_control.h"
#include "ui/program_controls.h"

namespace viremo::ui {
namespace {

class LightControlTest : public toolkit::testing::ToolkitTest {
protected:
    void SetUp() override {
        RegisterProgramControls();
        toolkit::CPaintManagerUI::SetResourcePath(VIREMO_SOURCE_DIR "/resources/skin");
        Load(R"(<Window><LightControl name="LightControlItem"/></Window>)", {320, 480});
        panel = Find<CLightControlUI>("LightControlItem");
        ASSERT_TRUE(panel);
        panel->SetModeList(std::vector<std::string>(32, "mode"), {}, 4, 4);
    }

    void ShowMode(int panelType, int mode, bool multiDevice) {
        panel->SetPanelType(panelType);
        panel->SetMultiDevice(multiDevice);
        LightRecord lighting;
        lighting.mode = uint8_t(mode);
        panel->ShowLightingState(lighting);
    }

    bool Enabled(std::string_view name) { return Find(name)->IsEnabled(); }
    bool Visible(std::string_view name) { return Find(name)->IsVisible(); }

    CLightControlUI* panel = nullptr;
};

TEST_F(LightControlTest, KeyboardModeFourOffersAllDevicesAndDisablesTheColours) {
    ShowMode(kPanelKeyboard, 4, true);
    EXPECT_TRUE(Visible("deng_same_mode"));
    for (const char* group : {"deng_color_layout", "colorpallet_layout", "deng_7color_check", "deng_fx_layout",
                              "light_color_layout"})
        EXPECT_FALSE(Enabled(group)) << group;
    EXPECT_TRUE(Enabled("deng_light_layout"));
    EXPECT_TRUE(Enabled("deng_speed_layout"));
    EXPECT_TRUE(Enabled("lighteffect_layout"));

    ShowMode(kPanelKeyboard, 4, false);
    EXPECT_FALSE(Visible("deng_same_mode")) << "one device shown";
}

TEST_F(LightControlTest, GroupsFollowTheModeOfEachKind) {
    struct Case {
        int panelType, mode;
        bool colour, speed, direction, allDevices;
    };
    for (const Case& c : {Case{kPanelKeyboard, 1, true, true, true, false},
                          Case{kPanelKeyboard, 6, true, false, false, true},
                          Case{kPanelKeyboard, 31, false, false, false, false},
                          Case{kPanelMouse, 0, true, true, true, false},
                          Case{kPanelMouse, 9, false, false, false, true},
                          Case{kPanelHeadset, 3, true, false, false, true},
                          Case{kPanelPad, 8, false, false, false, true}}) {
        ShowMode(c.panelType, c.mode, true);
        const std::string where = "panel " + std::to_string(c.panelType) + " mode " + std::to_string(c.mode);
        EXPECT_EQ(Enabled("deng_color_layout"), c.colour) << where;
        EXPECT_EQ(Enabled("deng_speed_layout"), c.speed) << where;
        EXPECT_EQ(Enabled("deng_fx_layout"), c.direction) << where;
        EXPECT_EQ(Visible("deng_same_mode"), c.allDevices) << where;
    }
}

TEST_F(LightControlTest, KeyboardModesWithTheirOwnControls) {
    ShowMode(kPanelKeyboard, 17, false);
    EXPECT_TRUE(Visible("light_combo_ZZCCmodeSelectLayout"));
    EXPECT_FALSE(Visible("deng_speed_layout"));
    ShowMode(kPanelKeyboard, 20, false);
    EXPECT_TRUE(Visible("lightcustom_layout"));
    EXPECT_FALSE(Visible("light_combo_ZZCCmodeSelectLayout"));
    ShowMode(kPanelKeyboard, 3, false);
    EXPECT_EQ(Find("deng_FXL_check")->GetText(), "light_set_clockwise_text");
    ShowMode(kPanelMouse, 17, false);
    EXPECT_FALSE(Visible("light_combo_ZZCCmodeSelectLayout")) << "the special modes are the keyboard's";
}

TEST(EditValueTest, KeepsTheNumberWithinItsRange) {
    struct Case {
        const char* text;
        int low, high, value;
    };
    for (const Case& c : {Case{"12", 0, 255, 12}, Case{"300", 0, 255, 255}, Case{"-5", 0, 255, 0},
                          Case{"", 0, 255, 0}, Case{"abc", 0, 255, 0}, Case{" 42", 0, 255, 42},
                          Case{"99999999999", 0, 255, 255}, Case{"-99999999999", 0, 255, 0},
                          Case{"100", 200, 6500, 200}, Case{"9000", 200, 6500, 6500}, Case{"abc", 200, 6500, 200},
                          Case{" 7000x", 200, 6500, 6500}, Case{"3200", 200, 6500, 3200}})
        EXPECT_EQ(EditValue(c.text, c.low, c.high), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace viremo::ui

namespace viremo::devices::testing {
namespace {

// The keyboard's page with the lighting panel of the skin; the page gets
// the panel's notifications as the main window hands them on.
class KeyboardLightingTest : public KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        ui::RegisterProgramControls();
        toolkit::CPaintManagerUI::SetResourcePath(VIREMO_SOURCE_DIR "/resources/skin");
        attachCable();
        auto panel = std::make_unique<ui::CLightControlUI>();
        panel->SetName("LightControlItem");
        lighting = page.Add(std::move(panel));
        lighting->Init();
        page.SetDeviceSkin("keyboarddevice.xml");
        page.Initialise();
        ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
        page.ShowState();
        clearWire();
    }

    void KillFocus(std::string_view edit, std::string text) {
        toolkit::CControlUI* control = lighting->FindSubControl(edit);
        ASSERT_TRUE(control);
        control->SetText(std::move(text));
        toolkit::TNotifyUI msg;
        msg.sType = "killfocus";
        msg.pSender = control;
        page.Notify(msg);
    }

    ui::CKeyboardDevicePage page{driver};
    ui::CLightControlUI* lighting = nullptr;
};

TEST_F(KeyboardLightingTest, ColourEditIsClampedStoredAndWritten) {
    KillFocus("deng_edit_R", "300");
    KillFocus("deng_edit_G", "-7");
    EXPECT_EQ(lighting->FindSubControl("deng_edit_R")->GetText(), "255");
    EXPECT_EQ(lighting->FindSubControl("deng_edit_G")->GetText(), "0");
    const LightRecord state = keyboard.GetLightInfo();
    EXPECT_EQ(state.red, 255);
    EXPECT_EQ(state.green, 0);
    EXPECT_EQ(state.multiColor, 0);
    const Json::Value saved = savedProfile()["LightInfo"];
    EXPECT_EQ(saved["Red"].asInt(), 255);
    EXPECT_EQ(saved["Green"].asInt(), 0);
    const auto written = wire();
    EXPECT_NE(std::find(written.begin(), written.end(), kBeginSession), written.end());
    EXPECT_EQ(written.back(), kEndSession) << "the settings record goes out in a session";
    EXPECT_EQ(lighting->GetPaletteColour() & 0xFFFF0000u, 0xFFFF0000u);
}

}  // namespace
}  // namespace viremo::devices::testing
