// The headset's page in the main window over the demo set and its emulated
// audio chip: the audio panel without the chip's audio device and with it.
#include <gtest/gtest.h>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "platform/audio_chip/emulated_audio_chip.h"
#include "toolkit/option.h"
#include "ui/headset_page.h"

namespace viremo::app::testing {
namespace {

using audio_chip::EmulatedAudioChip;

class HeadsetPageTest : public PrivateDataTest {
protected:
    ui::CHeadsetDevicePage* ShowHeadsetPage() {
        if (!window->SelectKind(devices::kKindHeadset)) return nullptr;
        return dynamic_cast<ui::CHeadsetDevicePage*>(window->CurrentDevice());
    }

    std::string PlaybackProperty(std::string_view name) {
        std::string text;
        EXPECT_EQ(chip.getProperty(EmulatedAudioChip::playbackRecord(), name, audio_chip::kNoChannel, text),
                  audio_chip::Status::Ok)
            << name;
        return text;
    }
};

TEST_F(HeadsetPageTest, AudioControlsAreDisabledWhileTheAudioDeviceIsAway) {
    ui::CHeadsetDevicePage* page = ShowHeadsetPage();
    ASSERT_TRUE(page);
    toolkit::CControlUI* preset = page->FindSubControl("6533_eq_option_3");
    ASSERT_TRUE(preset && preset->IsEnabled());
    chip.removeDevice();
    ASSERT_TRUE(RunUntil([&] { return !preset->IsEnabled(); }));
    auto* tab = dynamic_cast<toolkit::COptionUI*>(page->FindSubControl("6533_voice_Op_tab"));
    ASSERT_TRUE(tab);
    tab->Selected(true);
    for (const char* name : {"6533_eq_option_3", "6533_eq_hz_slider_0", "6533_MicIn_slider", "6533_MicMoniter_option"}) {
        toolkit::CControlUI* control = page->FindSubControl(name);
        ASSERT_TRUE(control) << name;
        EXPECT_FALSE(control->IsEnabled()) << name;
        EXPECT_TRUE(control->IsVisible()) << name;
    }
    ASSERT_TRUE(page->FindSubControl("magic_enable_option"));
    EXPECT_FALSE(page->FindSubControl("magic_enable_option")->IsEnabled());
}

TEST_F(HeadsetPageTest, EqualiserPresetChosenInThePanelReachesTheChip) {
    ui::CHeadsetDevicePage* page = ShowHeadsetPage();
    ASSERT_TRUE(page);
    auto* option = dynamic_cast<toolkit::COptionUI*>(page->FindSubControl("6533_eq_option_3"));
    ASSERT_TRUE(option && option->IsEnabled());
    option->Selected(true);
    // Preset 3: 10, 4, 0, -3, -4, -3, -2, -1, 0, 0.
    EXPECT_EQ(PlaybackProperty("Enable_EQ_GFX"), "1");
    EXPECT_EQ(PlaybackProperty("EQ_Slider1"), "10");
    EXPECT_EQ(PlaybackProperty("EQ_Slider4"), "-3");
    EXPECT_EQ(PlaybackProperty("EQ_Slider8"), "-1");
    EXPECT_EQ(page->Headset().Profile().GetSystemSetStages().eqType, 3);
}

}  // namespace
}  // namespace viremo::app::testing
