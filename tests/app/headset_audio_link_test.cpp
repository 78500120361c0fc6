// The headset's audio in the main window follows its audio device: a removal
// leaves the audio controls unavailable, an arrival starts the audio again
// and reads the chip; shutdown ends the watch.
#include <gtest/gtest.h>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "devices/headset/headset_device.h"
#include "platform/audio_chip/properties.h"
#include "ui/device_option.h"
#include "ui/device_page.h"

namespace viremo::app::testing {
namespace {

using audio_chip::Direction;
using devices::headset::AudioState;
using devices::headset::AudioSupport;

class ShownSupport : public devices::headset::IHeadsetPanels {
public:
    void ShowAudioState(const AudioState& state) override { shown.push_back(state.support); }
    std::vector<AudioSupport> shown;
};

bool allAvailable(const AudioSupport& s) {
    return s.equaliser && s.microphone && s.monitor && s.voiceChanger && s.surround;
}
bool noneAvailable(const AudioSupport& s) {
    return !s.equaliser && !s.microphone && !s.monitor && !s.voiceChanger && !s.surround;
}

class HeadsetAudioLinkTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ui::CDeviceOptionUI* tab = TabOfKind(devices::kKindHeadset);
        ASSERT_NE(tab, nullptr);
        headset = dynamic_cast<devices::CVendrakeHS6533Device*>(&tab->GetDevice()->Driver());
        ASSERT_NE(headset, nullptr);
        ASSERT_TRUE(allAvailable(headset->Audio().State().support));
        headset->Audio().SetPanels(&panels);
    }
    void TearDown() override {
        if (headset) headset->Audio().SetPanels(nullptr);
        MainWindowTest::TearDown();
    }

    devices::CVendrakeHS6533Device* headset = nullptr;
    ShownSupport panels;
};

TEST_F(HeadsetAudioLinkTest, RemovalDisablesTheAudioAndArrivalStartsItAgain) {
    // The tab's start-up shows the state too; what it showed before the
    // removal does not count.
    RunUntil([] { return false; }, 100);
    panels.shown.clear();
    chip.removeDevice();
    ASSERT_TRUE(RunUntil([&] { return !panels.shown.empty(); }));
    RunUntil([] { return false; }, 100);
    for (const AudioSupport& shown : panels.shown) EXPECT_TRUE(noneAvailable(shown));
    EXPECT_TRUE(noneAvailable(headset->Audio().State().support));

    // Changed while away: read again on arrival (0.37 of the microphone's range).
    ASSERT_TRUE(chip.restoreSetting(Direction::Recording, audio_chip::property::VolumeScalarControl, 0.37f));
    chip.restoreDevice();
    ASSERT_TRUE(RunUntil([&] { return allAvailable(panels.shown.back()); }));
    EXPECT_EQ(headset->Audio().State().settings.micInValue, 37);
    EXPECT_EQ(headset->Audio().SetMicrophoneLevel(50), audio_chip::Status::Ok);
}

TEST_F(HeadsetAudioLinkTest, ShutdownEndsTheWatchAndTheChip) {
    window->Shutdown();
    EXPECT_EQ(chip.deviceCount(Direction::Playback), 0);  // uninitialised
    chip.removeDevice();
    chip.restoreDevice();
    RunUntil([] { return false; }, 100);
    EXPECT_TRUE(panels.shown.empty());
}

}  // namespace
}  // namespace viremo::app::testing
