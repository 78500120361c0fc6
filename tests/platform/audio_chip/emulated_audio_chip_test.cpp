#include "platform/audio_chip/emulated_audio_chip.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/audio_chip/device_choice.h"
#include "platform/audio_chip/emulated_chip_file.h"
#include "platform/audio_chip/property_reads.h"

namespace viremo::audio_chip {
namespace {

using Operation = EmulatedAudioChip::Operation;

class EmulatedAudioChipTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(chip.init());
        chip.createDeviceList();
        const auto chosen = chooseDevices(chip);
        ASSERT_TRUE(chosen.playback && chosen.recording);
        playback = *chosen.playback;
        recording = *chosen.recording;
        chip.registerCallback([this](const ChangeEvent& event) { events.push_back(event); });
    }

    std::string get(const DeviceRecord& device, std::string_view name, const Channel& channel = kNoChannel) {
        std::string text;
        return chip.getProperty(device, name, channel, text) == Status::Ok ? text : "(failed)";
    }

    EmulatedAudioChip chip;
    DeviceRecord playback, recording;
    std::vector<ChangeEvent> events;
};

TEST_F(EmulatedAudioChipTest, StoresWhatTheChipAcceptsAndRefusesTheRest) {
    struct Case {
        const char* what;
        bool onRecording;
        std::string name;
        PropertyValue value;
        Channel channel;
        Status status;
        std::string reads;  // afterwards
    };
    const Case cases[] = {
        {"the tenth band", false, "EQ_Slider10", int32_t(-13), kNoChannel, Status::Ok, "-13"},
        {"voice type 4", true, "MagicVoice_Selection", int32_t(3), kNoChannel, Status::Ok, "3"},
        {"selection 4 does not exist", true, "MagicVoice_Selection", int32_t(4), kNoChannel, Status::Failed, "0"},
        {"a float into an integer", false, "Enable_EQ_GFX", 1.0f, kNoChannel, Status::Failed, "0"},
        {"surround on its channel record", false, "VirtualSurroundEffectControl", int32_t(1), kSurroundChannel,
         Status::Ok, "1"},
        {"surround without it", false, "VirtualSurroundEffectControl", int32_t(1), kMonitorChannel,
         Status::Failed, "0"},
        {"microphone level", true, "VolumeScalarControl", 0.25f, kMicrophoneChannel, Status::Ok, "0.25"},
        {"microphone level on the monitor's channel", true, "VolumeScalarControl", 0.25f, kMonitorChannel,
         Status::Failed, "0.8"},
        {"level above 1", true, "AAVolumeScalarControl", 1.5f, kMonitorChannel, Status::Failed, "0.5"},
        {"a range is read only", true, "GetMaxVol", 3.0f, kNoChannel, Status::Failed, "30"},
        {"equaliser on the recording device", true, "Enable_EQ_GFX", int32_t(1), kNoChannel, Status::NotSupported,
         "(failed)"},
        {"a name the chip does not know", false, "Bass_Boost", int32_t(1), kNoChannel, Status::NotSupported,
         "(failed)"},
    };
    for (const auto& c : cases) {
        EmulatedAudioChip fresh;
        fresh.init();
        fresh.createDeviceList();
        const DeviceRecord device = c.onRecording ? recording : playback;
        EXPECT_EQ(fresh.setProperty(device, c.name, c.value, c.channel), c.status) << c.what;
        std::string text = "(failed)";
        Channel readChannel = c.channel;
        if (c.name == "VolumeScalarControl") readChannel = kMicrophoneChannel;
        if (c.name.starts_with("AAVolume")) readChannel = kMonitorChannel;
        if (c.name == "VirtualSurroundEffectControl") readChannel = kSurroundChannel;
        fresh.getProperty(device, c.name, readChannel, text);
        EXPECT_EQ(text, c.reads) << c.what;
    }
}

TEST_F(EmulatedAudioChipTest, ALevelMovesItsDecibelsAndTellsTheCallback) {
    // -12 dB to 30 dB: a quarter of the way is -1.5 dB.
    ASSERT_EQ(chip.setProperty(recording, "VolumeScalarControl", 0.25f, kMicrophoneChannel), Status::Ok);
    EXPECT_EQ(get(recording, "VolumeControl", kMicrophoneChannel), "-1.5");
    ASSERT_EQ(chip.setProperty(recording, "VolumeControl", 9.0f, kMicrophoneChannel), Status::Ok);
    EXPECT_EQ(get(recording, "VolumeScalarControl", kMicrophoneChannel), "0.5");
    ASSERT_EQ(chip.changeOnDevice(Direction::Recording, "MuteControl", int32_t(1)), Status::Ok);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].property, "VolumeScalarControl");
    EXPECT_EQ(events[2].kind, ChangeEvent::Kind::PropertyChanged);
    EXPECT_EQ(events[2].direction, Direction::Recording);
    EXPECT_EQ(events[2].property, "MuteControl");
}

TEST_F(EmulatedAudioChipTest, AFailedReadLeavesTheSettingAsItWas) {
    chip.injectFault(Operation::Get, "VolumeScalarControl");
    int level = 73;
    EXPECT_FALSE(readLevel(chip, recording, "VolumeScalarControl", kMicrophoneChannel, level));
    EXPECT_EQ(level, 73);
    EXPECT_TRUE(readLevel(chip, recording, "VolumeScalarControl", kMicrophoneChannel, level));  // fault used up
    EXPECT_EQ(level, 80);

    chip.injectFault(Operation::Get, "MagicVoice_Selection", EmulatedAudioChip::kForever);
    int32_t selection = 2;
    EXPECT_FALSE(readInteger(chip, recording, "MagicVoice_Selection", kNoChannel, selection));
    EXPECT_FALSE(readInteger(chip, recording, "MagicVoice_Selection", kNoChannel, selection));
    EXPECT_EQ(selection, 2);
    // A scalar is no integer: the value stays too.
    EXPECT_FALSE(readInteger(chip, recording, "VolumeScalarControl", kMicrophoneChannel, selection));
    EXPECT_EQ(selection, 2);
}

TEST_F(EmulatedAudioChipTest, AFailedWriteChangesNothing) {
    chip.injectFault(Operation::Set, "MuteControl");
    EXPECT_EQ(chip.setProperty(recording, "MuteControl", int32_t(1), kNoChannel), Status::Failed);
    EXPECT_EQ(get(recording, "MuteControl"), "0");
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(writeLevel(chip, recording, "AAVolumeScalarControl", kMonitorChannel, 140), Status::Ok);
    EXPECT_EQ(get(recording, "AAVolumeScalarControl", kMonitorChannel), "1");
}

TEST_F(EmulatedAudioChipTest, InitFailureLeavesNoDevice) {
    EmulatedAudioChip failing;
    failing.failInit();
    EXPECT_FALSE(failing.init());
    failing.createDeviceList();
    const auto chosen = chooseDevices(failing);
    EXPECT_FALSE(chosen.playback);
    EXPECT_FALSE(chosen.recording);
    std::string text;
    EXPECT_EQ(failing.getProperty(EmulatedAudioChip::recordingRecord(), "MuteControl", kNoChannel, text),
              Status::NoDevice);
}

TEST_F(EmulatedAudioChipTest, TheHeadsetGoesAwayAndComesBack) {
    ASSERT_EQ(chip.playTestSound(playback), Status::Ok);
    chip.removeDevice();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, ChangeEvent::Kind::DeviceRemoved);
    EXPECT_FALSE(chip.testSoundPlaying(Direction::Playback));
    EXPECT_EQ(chip.setProperty(playback, "Enable_EQ_GFX", int32_t(1), kNoChannel), Status::NoDevice);
    chip.createDeviceList();
    EXPECT_EQ(chip.deviceCount(Direction::Playback), 0);

    chip.restoreDevice();
    EXPECT_EQ(events.back().kind, ChangeEvent::Kind::DeviceArrived);
    EXPECT_EQ(chip.setProperty(playback, "Enable_EQ_GFX", int32_t(1), kNoChannel), Status::NoDevice);
    chip.createDeviceList();  // seen once the list is made again
    EXPECT_EQ(chip.setProperty(playback, "Enable_EQ_GFX", int32_t(1), kNoChannel), Status::Ok);
}

// A chip that presents a given list of records.
class RecordsChip : public EmulatedAudioChip {
public:
    std::vector<DeviceRecord> playback, recording;
    int deviceCount(Direction direction) override { return int(list(direction).size()); }
    std::optional<DeviceRecord> deviceById(Direction direction, int index) override {
        const auto& records = list(direction);
        if (index < 0 || size_t(index) >= records.size()) return std::nullopt;
        return records[size_t(index)];
    }

private:
    const std::vector<DeviceRecord>& list(Direction direction) const {
        return direction == Direction::Playback ? playback : recording;
    }
};

TEST(DeviceChoice, PrefersPlaybackTypesInOrderAndTakesTheFirstMicrophone) {
    RecordsChip chip;
    chip.playback = {{0, 4, 0, 1}, {1, 7, 0, 1}, {2, 1, 0, 0}, {3, 12, 0, 1}, {4, 12, 0, 1}};
    chip.recording = {{0, 3, 0, 1}, {1, 2, 0, 0}, {2, 2, 0, 1}};
    const auto chosen = chooseDevices(chip);
    EXPECT_EQ(chosen.playback, (DeviceRecord{3, 12, 0, 1}));  // type 1 is not usable
    EXPECT_EQ(chosen.recording, (DeviceRecord{1, 2, 0, 0}));

    chip.playback = {{0, 5, 0, 1}};
    chip.recording = {};
    const auto none = chooseDevices(chip);
    EXPECT_FALSE(none.playback);
    EXPECT_FALSE(none.recording);
}

class EmulatedChipFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("viremo-chip-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path file() const { return folder / "headset.audio.json"; }

    std::filesystem::path folder;
};

TEST_F(EmulatedChipFileTest, KeepsTheSettingsBetweenRuns) {
    EmulatedAudioChip first;
    first.restoreSetting(Direction::Playback, "EQ_Slider2", int32_t(14));
    first.restoreSetting(Direction::Recording, "VolumeScalarControl", 0.45f);
    first.restoreSetting(Direction::Recording, "MuteControl", int32_t(1));
    ASSERT_TRUE(saveEmulatedChip(first, file()));

    EmulatedAudioChip second;
    ASSERT_TRUE(loadEmulatedChip(second, file()));
    EXPECT_EQ(second.value(Direction::Playback, "EQ_Slider2"), PropertyValue(int32_t(14)));
    EXPECT_EQ(second.value(Direction::Recording, "VolumeScalarControl"), PropertyValue(0.45f));
    EXPECT_EQ(second.value(Direction::Recording, "MuteControl"), PropertyValue(int32_t(1)));
}

TEST_F(EmulatedChipFileTest, WrongValuesArePassedOverAndABrokenFileIsKept) {
    std::ofstream(file()) << R"({"playback": {"EQ_Slider1": "7", "EQ_Slider2": 2.5, "EQ_Slider3": 99,
                                              "EQ_Slider4": -6},
                                 "recording": [1, 2]})";
    EmulatedAudioChip chip;
    ASSERT_TRUE(loadEmulatedChip(chip, file()));
    EXPECT_EQ(chip.value(Direction::Playback, "EQ_Slider1"), PropertyValue(int32_t(0)));  // text
    EXPECT_EQ(chip.value(Direction::Playback, "EQ_Slider2"), PropertyValue(int32_t(0)));  // not whole
    EXPECT_EQ(chip.value(Direction::Playback, "EQ_Slider3"), PropertyValue(int32_t(0)));  // out of range
    EXPECT_EQ(chip.value(Direction::Playback, "EQ_Slider4"), PropertyValue(int32_t(-6)));

    std::ofstream(file()) << "{ not json";
    EmulatedAudioChip fresh;
    EXPECT_FALSE(loadEmulatedChip(fresh, file()));
    EXPECT_TRUE(std::filesystem::exists(folder / "headset.audio.json.bad"));
    EXPECT_EQ(fresh.value(Direction::Recording, "VolumeScalarControl"), PropertyValue(0.8f));
}

}  // namespace
}  // namespace viremo::audio_chip
