#include "platform/audio_chip/sound_cards.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/audio_chip/alsa_audio_chip.h"

namespace viremo::audio_chip {
namespace {

namespace fs = std::filesystem;

class SoundCardsTest : public ::testing::Test {
protected:
    void SetUp() override {
        asound = fs::temp_directory_path() / ("viremo-asound-" + std::to_string(::getpid()));
        fs::remove_all(asound);
        fs::create_directories(asound);
    }
    void TearDown() override { fs::remove_all(asound); }

    void card(const std::string& name, const char* usbid) {
        fs::create_directories(asound / name);
        if (usbid) std::ofstream(asound / name / "usbid") << usbid << "\n";
    }

    fs::path asound;
};

TEST_F(SoundCardsTest, FindsTheLowestCardWithTheUsbId) {
    card("card0", nullptr);      // not a USB card
    card("card1", "0d8c:0014");  // another USB card
    card("card4", "0c76:1630");
    card("card2", "0c76:1630");
    card("card32", "0c76:1630");  // beyond ALSA's card numbers
    fs::create_directory_symlink(asound / "card2", asound / "Headset");
    EXPECT_EQ(findCardByUsbId(asound, kHeadsetUsbId), 2);
    EXPECT_EQ(findCardByUsbId(asound, UsbId{0x0c76, 0x1631}), std::nullopt);
    EXPECT_EQ(findCardByUsbId(asound / "missing", kHeadsetUsbId), std::nullopt);
}

// The ALSA backend pointed at a card that does not exist presents no
// device and touches nothing.
TEST(AlsaAudioChip, WithoutTheCardThereIsNoDevice) {
    ::setenv(kAudioCardVariable, "viremo-no-such-card", 1);
    AlsaAudioChip chip;
    ASSERT_TRUE(chip.init());
    chip.createDeviceList();
    EXPECT_EQ(chip.deviceCount(Direction::Playback), 0);
    EXPECT_EQ(chip.deviceCount(Direction::Recording), 0);
    EXPECT_EQ(chip.deviceById(Direction::Recording, 0), std::nullopt);
    std::string text;
    const DeviceRecord guessed{1, kRecordingDeviceType, 0, 1};
    EXPECT_EQ(chip.getProperty(guessed, "MuteControl", kNoChannel, text), Status::NoDevice);
    EXPECT_EQ(chip.setProperty(guessed, "MuteControl", int32_t(1), kNoChannel), Status::NoDevice);
    chip.uninit();
    ::unsetenv(kAudioCardVariable);
}

}  // namespace
}  // namespace viremo::audio_chip
