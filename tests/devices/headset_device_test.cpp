// The headset on the emulated headset and the emulated audio chip: the
// equaliser, microphone, monitor and voice changer as the chip sees them,
// and the live colour reports as the emulated headset decodes them.
#include <gtest/gtest.h>

#include <set>

#include "devices/headset/headset_device.h"
#include "devices/protocol/result_code.h"
#include "emulator/headset_colours.h"
#include "emulator/products.h"
#include "lit_device_fixture.h"
#include "platform/audio_chip/emulated_audio_chip.h"

namespace viremo::devices::testing {
namespace {

using audio_chip::Direction;
using audio_chip::EmulatedAudioChip;
using audio_chip::Status;
using headset::AudioState;
using headset::BandGains;

class ShownState : public headset::IHeadsetPanels {
public:
    void ShowAudioState(const AudioState& state) override {
        last = state;
        ++shown;
    }
    AudioState last;
    int shown = 0;
};

// The emulated chip as a backend without the equaliser, the voice changer
// and surround (as the ALSA mixer is): those properties answer NotSupported
// and the writes that reach the chip are counted.
class MixerLikeChip : public EmulatedAudioChip {
public:
    Status getProperty(const audio_chip::DeviceRecord& device, std::string_view name,
                       const audio_chip::Channel& channel, std::string& text) override {
        if (unsupported(name)) return Status::NotSupported;
        return EmulatedAudioChip::getProperty(device, name, channel, text);
    }
    Status setProperty(const audio_chip::DeviceRecord& device, std::string_view name, audio_chip::PropertyValue value,
                       const audio_chip::Channel& channel) override {
        if (unsupported(name)) {
            ++unsupportedWrites;
            return Status::NotSupported;
        }
        return EmulatedAudioChip::setProperty(device, name, value, channel);
    }
    int unsupportedWrites = 0;

private:
    static bool unsupported(std::string_view name) {
        return name.starts_with("EQ_") || name.starts_with("Enable_") || name.starts_with("Magic") ||
               name.starts_with("RFX") || name == "VirtualSurroundEffectControl";
    }
};

// The emulated chip whose recording device (the microphone) can leave while
// the playback device stays.
class RecordingLeavesChip : public EmulatedAudioChip {
public:
    int deviceCount(Direction direction) override {
        return direction == Direction::Recording && recordingGone ? 0 : EmulatedAudioChip::deviceCount(direction);
    }
    std::optional<audio_chip::DeviceRecord> deviceById(Direction direction, int index) override {
        if (direction == Direction::Recording && recordingGone) return std::nullopt;
        return EmulatedAudioChip::deviceById(direction, index);
    }
    bool recordingGone = false;
};

class HeadsetTest : public ::testing::Test {
protected:
    void SetUp() override {
        data.profile["SystemSetStages"] = *json::parse(R"({"MagicEnable": 0, "MagicType": 1, "EqType": 5,
            "CustomEqSeletIndex": 0, "MicInSelect": 1, "MicInValue": 60, "MicMoniterSelect": 1,
            "MicMoniterValue": 40})");
        data.writeFactoryProfile("HD");
        ASSERT_TRUE(product.plug(bus));
        attachDriver(device, bus, kKindHeadset, configureHeadset);
        ASSERT_TRUE(device.LoadProfile().succeeded());
        device.Audio().SetPanels(&panels);
    }

    int32_t chipInteger(Direction direction, std::string_view name) const {
        return std::get<int32_t>(*chip.value(direction, name));
    }
    BandGains chipBands() const {
        BandGains bands{};
        for (int band = 0; band < headset::kBands; ++band)
            bands[size_t(band)] = chipInteger(Direction::Playback, *audio_chip::eqSliderProperty(band));
        return bands;
    }
    const AudioState& state() { return device.Audio().State(); }

    LitDeviceFolders data;
    std::shared_ptr<emulator::DeviceFirmware> firmware = emulator::headsetFirmware();
    emulator::EmulatedProduct product = emulator::headset(firmware);
    hid::EmulatedBus bus;
    FakeClock clock;
    CVendrakeHS6533Device device{bus, clock};
    EmulatedAudioChip chip;
    ShownState panels;
};

TEST_F(HeadsetTest, APresetSetsItsGainsOnTheChipAndInTheProfile) {
    ASSERT_TRUE(device.InitialiseAudio(&chip));
    ASSERT_EQ(device.Audio().SelectPreset(6), Status::Ok);
    const BandGains preset6{7, 14, -13, -6, -1, 8, 13, 7, 2, 6};
    EXPECT_EQ(chipBands(), preset6);
    EXPECT_EQ(chipInteger(Direction::Playback, "Enable_EQ_GFX"), 1);
    EXPECT_EQ(state().settings.eqType, 6);
    EXPECT_EQ(device.Profile().GetSystemSetStages().eqType, 6);
    EXPECT_EQ(panels.last.bands, preset6);
}

TEST_F(HeadsetTest, VoiceTypeFourSelectsTheChipsVoiceThree) {
    ASSERT_TRUE(device.InitialiseAudio(&chip));
    ASSERT_EQ(device.Audio().SetVoiceChanger(true), Status::Ok);
    ASSERT_EQ(device.Audio().SelectVoiceType(4), Status::Ok);
    EXPECT_EQ(chipInteger(Direction::Recording, "MagicVoice_Selection"), 3);
    EXPECT_EQ(chipInteger(Direction::Recording, "Enable_MAGICVOICE"), 1);
    EXPECT_EQ(state().settings.magicType, 4);
}

TEST_F(HeadsetTest, CustomEqualiserNamesAreCheckedAndLimitedToTwenty) {
    ASSERT_TRUE(device.InitialiseAudio(&chip));
    headset::HeadsetAudio& audio = device.Audio();
    EXPECT_EQ(audio.SaveCustomEqualiser(""), -1);  // nothing selected
    for (int n = 0; n < 20; ++n) ASSERT_EQ(audio.SaveCustomEqualiser("eq" + std::to_string(n)), 1);
    EXPECT_EQ(audio.SaveCustomEqualiser("EQ3"), -1);
    EXPECT_EQ(audio.SaveCustomEqualiser("twenty-one"), -1);
    EXPECT_EQ(device.Profile().GetCustomEqNames().size(), 20u);
}

TEST_F(HeadsetTest, ANameDifferingOnlyInCaseIsADuplicate) {
    ASSERT_TRUE(device.InitialiseAudio(&chip));
    ASSERT_EQ(device.Audio().SaveCustomEqualiser("Bass"), 1);
    EXPECT_EQ(device.Audio().SaveCustomEqualiser("bASS"), 0);
}

// Three custom equalisers; deleting the second takes its row with it, the
// third's row moves up with its name, and the first, now shown, is applied.
TEST_F(HeadsetTest, DeletingACustomEqualiserKeepsNamesAndRowsTogether) {
    ASSERT_TRUE(device.InitialiseAudio(&chip));
    headset::HeadsetAudio& audio = device.Audio();
    const BandGains a{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, b{2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, c{3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
    for (const auto& [name, gains] : {std::pair{"A", a}, std::pair{"B", b}, std::pair{"C", c}}) {
        for (int band = 0; band < headset::kBands; ++band) ASSERT_EQ(audio.MoveBand(band, gains[size_t(band)]), Status::Ok);
        ASSERT_EQ(audio.SaveCustomEqualiser(name), 1);
    }
    ASSERT_EQ(audio.ApplyCustomEqualiser(1), Status::Ok);
    ASSERT_EQ(chipBands(), b);

    ASSERT_EQ(audio.DeleteCustomEqualiser(), Status::Ok);
    CHs6533Profiledata& profile = device.Profile();
    EXPECT_EQ(profile.GetCustomEqNames(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(profile.GetCustomEqValues(0), std::vector<int32_t>(a.begin(), a.end()));
    EXPECT_EQ(profile.GetCustomEqValues(1), std::vector<int32_t>(c.begin(), c.end()));
    EXPECT_EQ(state().customSelection, 0);
    EXPECT_EQ(chipBands(), a);

    // The last ones gone, preset 1 is back.
    ASSERT_EQ(audio.DeleteCustomEqualiser(), Status::Ok);
    ASSERT_EQ(audio.DeleteCustomEqualiser(), Status::Ok);
    EXPECT_TRUE(profile.GetCustomEqNames().empty());
    EXPECT_EQ(state().settings.eqType, 1);
    EXPECT_EQ(chipBands(), (BandGains{7, 11, 2, -3, -1, 4, 9, 12, 9, 5}));
}

TEST_F(HeadsetTest, MovingABandSwitchesToTheCustomSettingWithoutSaving) {
    ASSERT_TRUE(device.InitialiseAudio(&chip));
    ASSERT_EQ(device.Audio().SelectPreset(3), Status::Ok);
    ASSERT_EQ(device.Audio().MoveBand(4, 9), Status::Ok);
    EXPECT_EQ(chipInteger(Direction::Playback, "EQ_Slider5"), 9);
    EXPECT_EQ(state().settings.eqType, 13);
    EXPECT_EQ(state().customSelection, headset::kNoCustomSelection);
    EXPECT_EQ(device.Profile().GetSystemSetStages().eqType, 3);
}

TEST_F(HeadsetTest, NumbersFromControlsOutOfRangeChangeNothing) {
    ASSERT_TRUE(device.InitialiseAudio(&chip));
    headset::HeadsetAudio& audio = device.Audio();
    ASSERT_EQ(audio.SetVoiceChanger(true), Status::Ok);
    const AudioState before = state();
    EXPECT_NE(audio.MoveBand(10, 5), Status::Ok);
    EXPECT_NE(audio.MoveBand(-1, 5), Status::Ok);
    EXPECT_NE(audio.SelectPreset(14), Status::Ok);
    EXPECT_NE(audio.SelectPreset(0), Status::Ok);
    EXPECT_NE(audio.SelectVoiceType(5), Status::Ok);
    EXPECT_NE(audio.SelectVoiceType(0), Status::Ok);
    EXPECT_NE(audio.ApplyCustomEqualiser(0), Status::Ok);
    EXPECT_EQ(state().settings, before.settings);
    EXPECT_EQ(state().bands, before.bands);
}

TEST_F(HeadsetTest, LevelsAreRoundedAndClamped) {
    ASSERT_TRUE(chip.restoreSetting(Direction::Recording, "VolumeScalarControl", 0.996f));
    ASSERT_TRUE(device.InitialiseAudio(&chip));
    EXPECT_EQ(state().settings.micInValue, 100);  // not 99
    ASSERT_EQ(device.Audio().SetMicrophoneLevel(150), Status::Ok);
    EXPECT_EQ(state().settings.micInValue, 100);
    EXPECT_FLOAT_EQ(std::get<float>(*chip.value(Direction::Recording, "VolumeScalarControl")), 1.0f);
    ASSERT_EQ(device.Audio().SetMonitorLevel(-3), Status::Ok);
    EXPECT_EQ(state().settings.micMonitorValue, 0);
}

TEST_F(HeadsetTest, AFailedMuteWriteLeavesTheControlAsItWas) {
    ASSERT_TRUE(device.InitialiseAudio(&chip));
    ASSERT_EQ(state().settings.micInSelect, 1);
    chip.injectFault(EmulatedAudioChip::Operation::Set, "MuteControl");
    EXPECT_EQ(device.Audio().ToggleMicrophoneMute(), Status::Failed);
    EXPECT_EQ(state().settings.micInSelect, 1);
    EXPECT_EQ(panels.last.settings.micInSelect, 1);
    EXPECT_EQ(device.Profile().GetSystemSetStages().micInSelect, 1);
    EXPECT_EQ(chipInteger(Direction::Recording, "MuteControl"), 0);
}

// The microphone level cannot be read at start: the profile's level stays,
// and nothing is written to the chip in its place.
TEST_F(HeadsetTest, AFailedLevelReadNeverBecomesALevelOfZero) {
    const auto level = chip.value(Direction::Recording, "VolumeScalarControl");
    chip.injectFault(EmulatedAudioChip::Operation::Get, "VolumeScalarControl", EmulatedAudioChip::kForever);
    chip.injectFault(EmulatedAudioChip::Operation::Get, "VolumeControl", EmulatedAudioChip::kForever);
    ASSERT_TRUE(device.InitialiseAudio(&chip));
    EXPECT_EQ(state().settings.micInValue, 60);
    EXPECT_EQ(chip.value(Direction::Recording, "VolumeScalarControl"), level);
}

TEST_F(HeadsetTest, WhatTheBackendDoesNotHaveIsNeverWritten) {
    MixerLikeChip mixer;
    ASSERT_TRUE(device.InitialiseAudio(&mixer));
    EXPECT_FALSE(state().support.equaliser);
    EXPECT_FALSE(state().support.voiceChanger);
    EXPECT_FALSE(state().support.surround);
    EXPECT_TRUE(state().support.microphone);
    EXPECT_EQ(device.Audio().SelectPreset(6), Status::NotSupported);
    EXPECT_EQ(device.Audio().SetVoiceChanger(true), Status::NotSupported);
    EXPECT_EQ(device.Audio().SetSurround(true), Status::NotSupported);
    EXPECT_EQ(mixer.unsupportedWrites, 0);
    EXPECT_EQ(state().settings.eqType, 5);
    EXPECT_EQ(device.Audio().SetMicrophoneLevel(30), Status::Ok);
}

TEST_F(HeadsetTest, WithoutARecordingDeviceAgainMicrophoneMonitorAndVoiceAreUnavailable) {
    RecordingLeavesChip headsetChip;
    ASSERT_TRUE(device.InitialiseAudio(&headsetChip));
    ASSERT_TRUE(state().support.microphone);
    ASSERT_TRUE(state().support.voiceChanger);

    headsetChip.recordingGone = true;
    ASSERT_TRUE(device.InitialiseAudio(&headsetChip));
    EXPECT_FALSE(state().support.microphone);
    EXPECT_FALSE(state().support.monitor);
    EXPECT_FALSE(state().support.voiceChanger);
    EXPECT_TRUE(state().support.equaliser);
    EXPECT_TRUE(state().support.surround);
    EXPECT_NE(device.Audio().SetMicrophoneLevel(30), Status::Ok);
}

// Light 0 at full white, level 255 (255 x 255 / 256 = 254, capped at 247);
// light 8 (the second half) at (128, 64, 0), level 128.
TEST_F(HeadsetTest, ColourReportsGoInTheHeadsetsOrderWithScaledLevels) {
    device.SetLightColour(0, {255, 255, 255, 255});
    device.SetLightColour(8, {128, 64, 0, 128});
    auto command = product.commandInterface();
    command->clearLog();
    device.SendLightFrame();

    const auto reports = command->receivedReports();
    ASSERT_EQ(reports.size(), 12u);
    const std::pair<uint8_t, uint8_t> order[] = {{0x22, 0xAA}, {0x22, 0xAD}, {0x44, 0xAA}, {0x44, 0xAD},
                                                 {0x22, 0xAB}, {0x22, 0xAE}, {0x44, 0xAB}, {0x44, 0xAE},
                                                 {0x22, 0xAC}, {0x22, 0xAF}, {0x44, 0xAC}, {0x44, 0xAF}};
    for (size_t i = 0; i < reports.size(); ++i) {
        ASSERT_EQ(reports[i].size(), 17u);
        EXPECT_EQ(reports[i][0], 0xFF);
        EXPECT_EQ(std::pair(reports[i][1], reports[i][2]), order[i]) << i;
    }
    const emulator::HeadsetColours colours = emulator::decodeColourReports(reports);
    EXPECT_EQ(colours.reports, 12u);
    for (size_t target = 0; target < 2; ++target) {
        EXPECT_EQ(colours.lights[target][0], (emulator::LightLevels{247, 247, 247}));
        EXPECT_EQ(colours.lights[target][8], (emulator::LightLevels{64, 32, 0}));
        EXPECT_EQ(colours.lights[target][1], (emulator::LightLevels{0, 0, 0}));
    }
}

TEST_F(HeadsetTest, WithoutTheChipTheAudioIsUnavailableAndTheLightsWork) {
    chip.failInit();
    EXPECT_FALSE(device.InitialiseAudio(&chip));
    EXPECT_FALSE(state().support.equaliser);
    EXPECT_FALSE(state().support.microphone);
    EXPECT_NE(device.Audio().SelectPreset(6), Status::Ok);
    EXPECT_NE(device.Audio().SetMicrophoneLevel(10), Status::Ok);

    device.SetLightColour(3, {10, 20, 30, 255});
    auto command = product.commandInterface();
    command->clearLog();
    device.SendLightFrame();
    const auto colours = emulator::decodeColourReports(command->receivedReports());
    EXPECT_EQ(colours.reports, 12u);
    EXPECT_EQ(colours.lights[0][3], (emulator::LightLevels{9, 19, 29}));
}

// The profile says microphone level 60; the chip, 0.8 of full scale.
TEST_F(HeadsetTest, StartShowsTheChipsStateOverTheProfiles) {
    ASSERT_TRUE(device.InitialiseAudio(&chip));
    auto command = product.commandInterface();
    command->clearLog();
    ASSERT_TRUE(device.ReadAllFromDevice().succeeded());
    device.StopLighting();
    const auto sent = command->receivedReports();
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(sent[0], kBeginSession);
    EXPECT_EQ(sent[1], packet(3, 34, 0));
    EXPECT_EQ(sent[2], kEndSession);
    EXPECT_EQ(panels.last.settings.micInValue, 80);
    EXPECT_EQ(panels.last.settings.eqType, 5);
}

TEST_F(HeadsetTest, TheSettingsBlockGoesThroughTheCommandChannel) {
    auto command = product.commandInterface();
    command->clearLog();
    ASSERT_EQ(device.WriteSettingsRecord(0, 0).code(), kSuccess);
    const Bytes block{0, 0x12, 3, 3, 0, 0, 18, 52, 86, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<Bytes> expected{kBeginSession, packet(6, 21, 0, block), kEndSession};
    EXPECT_EQ(command->receivedReports(), expected);
}

}  // namespace
}  // namespace viremo::devices::testing
