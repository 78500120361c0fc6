// The audio styles window on the shipped layout, headless.
#include <gtest/gtest.h>

#include "ui/music_wnd.h"
#include "toolkit/message_queue.h"
#include "toolkit/option.h"
#include "toolkit/slider.h"

namespace viremo::ui {
namespace {

const std::filesystem::path kSkin = std::filesystem::path(VIREMO_SOURCE_DIR) / "resources/skin";

class MusicWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        toolkit::CPaintManagerUI::SetResourcePath(kSkin);
        AudioStyles styles;
        styles.selected = 2;
        styles.styles[0] = {"Calm", 1, 2, 3};
        styles.styles[2] = {"Loud", 9, 0, 4};
        wnd = std::make_unique<CMusicWnd>(styles);
        ASSERT_TRUE(wnd->Build(nullptr));
        wnd->GetPaintManager().OnSize({369, 276});
    }
    toolkit::CControlUI* Find(std::string_view name) {
        auto* control = wnd->GetPaintManager().FindControl(name);
        EXPECT_TRUE(control) << name;
        return control;
    }
    toolkit::CSliderUI* Slider(std::string_view name) { return dynamic_cast<toolkit::CSliderUI*>(Find(name)); }
    std::array<int, 3> Sliders() {
        return {Slider("audio_r_slider")->GetValue(), Slider("audio_g_slider")->GetValue(),
                Slider("audio_b_slider")->GetValue()};
    }
    void Send(std::string_view type, std::string_view name) {
        toolkit::TNotifyUI msg;
        msg.sType = std::string(type);
        msg.pSender = Find(name);
        wnd->Notify(msg);
    }

    std::unique_ptr<CMusicWnd> wnd;
};

TEST_F(MusicWndTest, OpensOnTheSelectedStyleAndFollowsTheTabs) {
    EXPECT_EQ(Slider("audio_g_slider")->GetMaxValue(), 9);
    EXPECT_EQ(Sliders(), (std::array<int, 3>{9, 0, 4}));
    EXPECT_TRUE(static_cast<toolkit::COptionUI*>(Find("audio_select_tab3"))->IsSelected());
    EXPECT_EQ(Find("audio_edit_name1")->GetText(), "Calm");

    static_cast<toolkit::COptionUI*>(Find("audio_select_tab1"))->Selected(true);
    EXPECT_EQ(wnd->Styles().selected, 0);
    EXPECT_EQ(Sliders(), (std::array<int, 3>{1, 2, 3}));
}

TEST_F(MusicWndTest, SlidersAndNamesChangeTheSelectedStyleAndOkEndsWithThem) {
    Slider("audio_b_slider")->SetValue(7, true);
    Find("audio_edit_name3")->SetText("Party");
    Send(toolkit::notify::kKillFocus, "audio_edit_name3");
    EXPECT_EQ(wnd->Styles().styles[2].blue, 7);
    EXPECT_EQ(wnd->Styles().styles[2].name, "Party");
    EXPECT_EQ(wnd->Styles().styles[0].blue, 3);

    toolkit::UiQueue().PostTask([&] { Send(toolkit::notify::kClick, "okbtn"); });
    EXPECT_EQ(wnd->ShowModal(), CMusicWnd::kResultOk);
}

}  // namespace
}  // namespace viremo::ui
