// The ALSA backend against a real kernel mixer: the test machine loads
// snd-dummy, whose "Mic" element has a volume and a capture switch, and the
// check points the backend at that card through VIREMO_AUDIO_CARD. Without
// that variable (the other runs of this program) the test is skipped.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>

#include "platform/audio_chip/alsa_audio_chip.h"
#include "platform/audio_chip/device_choice.h"
#include "platform/audio_chip/property_reads.h"
#include "platform/audio_chip/sound_cards.h"

namespace viremo::kernel_tests {
namespace {

using namespace audio_chip;

class AlsaAudioChipTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv(kAudioCardVariable)) GTEST_SKIP() << kAudioCardVariable << " names no card";
        ASSERT_TRUE(chip.init());
        chip.createDeviceList();
        const auto chosen = chooseDevices(chip);
        ASSERT_TRUE(chosen.playback && chosen.recording) << "the card's mixer has no Mic element";
        recording = *chosen.recording;
        playback = *chosen.playback;
    }

    // What a second, freshly opened mixer reads: the kernel's value.
    template <typename Value, typename Read>
    static Value kernelValue(Read read, std::string_view name, const Channel& channel) {
        AlsaAudioChip other;
        other.init();
        other.createDeviceList();
        Value value = -1;
        if (const auto device = other.deviceById(Direction::Recording, 0)) read(other, *device, name, channel, value);
        return value;
    }
    static int kernelLevel() { return kernelValue<int>(readLevel, "VolumeScalarControl", kMicrophoneChannel); }
    static int32_t kernelMute() { return kernelValue<int32_t>(readInteger, "MuteControl", kNoChannel); }

    AlsaAudioChip chip;
    DeviceRecord recording, playback;
};

TEST_F(AlsaAudioChipTest, MicrophoneLevelReachesTheKernelMixer) {
    for (const int level : {46, 0, 100, 33}) {
        ASSERT_EQ(writeLevel(chip, recording, "VolumeScalarControl", kMicrophoneChannel, level), Status::Ok);
        int read = -1;
        EXPECT_TRUE(readLevel(chip, recording, "VolumeScalarControl", kMicrophoneChannel, read));
        EXPECT_EQ(read, level);
        EXPECT_EQ(kernelLevel(), level);
    }
}

TEST_F(AlsaAudioChipTest, MicrophoneMuteIsTheCaptureSwitch) {
    for (const int32_t muted : {1, 0, 1}) {
        ASSERT_EQ(chip.setProperty(recording, "MuteControl", muted, kNoChannel), Status::Ok);
        int32_t read = -1;
        EXPECT_TRUE(readInteger(chip, recording, "MuteControl", kNoChannel, read));
        EXPECT_EQ(read, muted);
        EXPECT_EQ(kernelMute(), muted);
    }
    EXPECT_EQ(chip.setProperty(recording, "MuteControl", int32_t(2), kNoChannel), Status::Failed);
}

TEST_F(AlsaAudioChipTest, WhatTheMixerLacksIsNotSupported) {
    std::string text;
    // snd-dummy's microphone has one volume for both sides and no playback
    // switch: there is no monitor of its own.
    EXPECT_EQ(chip.getProperty(recording, "AAMuteControl", kNoChannel, text), Status::NotSupported);
    EXPECT_EQ(chip.getProperty(recording, "AAVolumeScalarControl", kMonitorChannel, text), Status::NotSupported);
    EXPECT_EQ(chip.setProperty(playback, "EQ_Slider1", int32_t(7), kNoChannel), Status::NotSupported);
    EXPECT_EQ(chip.setProperty(recording, "Enable_MAGICVOICE", int32_t(1), kNoChannel), Status::NotSupported);
    EXPECT_EQ(chip.getProperty(playback, "GetSupportFeature", kNoChannel, text), Status::NotSupported);
}

TEST_F(AlsaAudioChipTest, AChangeByAnotherProgramReachesTheCallback) {
    std::mutex mutex;
    std::condition_variable changed;
    bool levelChanged = false;
    chip.registerCallback([&](const ChangeEvent& event) {
        std::lock_guard lock(mutex);
        if (event.property == "VolumeScalarControl") levelChanged = true;
        changed.notify_all();
    });
    int level = -1;
    ASSERT_TRUE(readLevel(chip, recording, "VolumeScalarControl", kMicrophoneChannel, level));
    const int otherLevel = level == 20 ? 80 : 20;

    AlsaAudioChip other;
    other.init();
    other.createDeviceList();
    const auto device = other.deviceById(Direction::Recording, 0);
    ASSERT_TRUE(device);
    ASSERT_EQ(writeLevel(other, *device, "VolumeScalarControl", kMicrophoneChannel, otherLevel), Status::Ok);

    std::unique_lock lock(mutex);
    EXPECT_TRUE(changed.wait_for(lock, std::chrono::seconds(2), [&] { return levelChanged; }));
    lock.unlock();
    chip.registerCallback(nullptr);
    EXPECT_TRUE(readLevel(chip, recording, "VolumeScalarControl", kMicrophoneChannel, level));
    EXPECT_EQ(level, otherLevel);
}

}  // namespace
}  // namespace viremo::kernel_tests
