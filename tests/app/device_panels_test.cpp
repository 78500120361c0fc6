// The device pages' panels in the main window over the demo set: the DPI
// edits of the mouse and the keyboard's lighting panel.
#include <gtest/gtest.h>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "toolkit/combo.h"
#include "toolkit/option.h"
#include "toolkit/slider.h"
#include "ui/device_page.h"
#include "ui/light_control.h"

namespace viremo::app::testing {
namespace {

using devices::kKindKeyboard;
using devices::kKindMouse;

TEST_F(MainWindowTest, DpiEditTakesItsValueWithinTheSensorsRangeOnLeavingIt) {
    ASSERT_TRUE(window->SelectKind(kKindMouse));
    auto& pm = window->GetPaintManager();
    // The DPI panel is the mouse's fourth function tab.
    auto* tab = dynamic_cast<toolkit::COptionUI*>(window->CurrentDevice()->FindSubControl("cursor_Op_tab"));
    ASSERT_TRUE(tab);
    tab->Selected(true);
    toolkit::CControlUI* edit = pm.FindControl("quelm_DPI_edit_2");
    auto* slider = dynamic_cast<toolkit::CSliderUI*>(pm.FindControl("quelm_DPI_slider_2"));
    ASSERT_TRUE(edit && slider);
    struct Case {
        const char* typed;
        const char* taken;
    };
    for (const Case& c : {Case{"100", "200"}, Case{"9000", "6500"}, Case{"abc", "200"}, Case{" 7000x", "6500"},
                          Case{"1600", "1600"}}) {
        pm.SetFocus(edit);
        edit->SetText(c.typed);
        pm.SetFocus(nullptr);
        EXPECT_EQ(edit->GetText(), c.taken) << '"' << c.typed << '"';
        EXPECT_EQ(std::to_string(slider->GetValue()), c.taken) << '"' << c.typed << '"';
    }
}

TEST_F(MainWindowTest, KeyboardModeFourOffersEveryDeviceTheSameLighting) {
    ASSERT_TRUE(window->SelectKind(kKindKeyboard));
    ui::CLightControlUI* panel = window->CurrentDevice()->GetLightControl();
    ASSERT_TRUE(panel);
    auto* modes = dynamic_cast<toolkit::CComboUI*>(panel->FindSubControl("light_combo_modeSelect"));
    ASSERT_TRUE(modes);
    ASSERT_GT(modes->GetCount(), 4);
    modes->SelectItem(4);
    EXPECT_TRUE(panel->FindSubControl("deng_same_mode")->IsVisible());
    for (const char* group : {"deng_color_layout", "colorpallet_layout", "deng_7color_check", "deng_fx_layout",
                              "light_color_layout"})
        EXPECT_FALSE(panel->FindSubControl(group)->IsEnabled()) << group;
    EXPECT_EQ(window->CurrentDevice()->Driver().GetLightingState().mode, 4);
}

}  // namespace
}  // namespace viremo::app::testing
