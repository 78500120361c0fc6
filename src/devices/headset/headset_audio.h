#pragma once
// The headset's audio settings and the operations behind its audio and
// voice-changer panels, over the audio chip: equaliser presets and custom
// equalisers, microphone and monitor levels and mutes, voice changer and
// surround. The eight settings, the band values and the custom names live in
// the profile too; every change that reaches the chip is saved there.
//
// A call the chip fails leaves the setting, the profile and the panels'
// state as they were (and shows that state again, so a control reverts);
// a property the backend does not have is never written.
#include <optional>
#include <string>

#include "devices/headset/headset_panels.h"
#include "platform/audio_chip/audio_chip.h"
#include "platform/audio_chip/device_choice.h"
#include "platform/audio_chip/properties.h"
#include "profiles/headset_profile_data.h"

namespace viremo::devices::headset {

using audio_chip::Status;

class HeadsetAudio {
public:
    explicit HeadsetAudio(CHs6533Profiledata& profile) : profile_(profile) {}

    // Starts the chip and reads its state; false (every audio control
    // unavailable) when there is no chip or it does not start.
    bool Initialise(audio_chip::AudioChip* chip);
    bool IsInitialised() const { return chip_ != nullptr; }
    // The settings, bands and custom names of the loaded profile.
    void TakeProfile();
    // The chip's microphone, monitor and voice-changer state; a property
    // that does not answer keeps the value the profile gave.
    void ReadChipState();

    void SetPanels(IHeadsetPanels* panels) { panels_ = panels; }
    const AudioState& State() const { return state_; }
    void ShowState();

    Status SelectPreset(int preset);
    Status MoveBand(int band, int value);
    // 1 saved; 0 a name already there (letter case aside); -1 nothing
    // selected for an empty name, or 20 names already.
    int SaveCustomEqualiser(const std::string& name);
    // Whether a new custom equaliser may take `name`: 1 it may; 0 a name
    // already there (letter case aside); -1 20 names already.
    int CanAddCustomEqualiser(const std::string& name) const;
    Status DeleteCustomEqualiser();
    Status ApplyCustomEqualiser(int custom);
    Status SetMicrophoneLevel(int level);
    Status SetMonitorLevel(int level);
    Status SetMicrophoneMuted(bool muted);
    Status SetMonitorMuted(bool muted);
    Status ToggleMicrophoneMute();
    Status ToggleMonitorMute();
    Status SetVoiceChanger(bool on);
    Status SelectVoiceType(int type);
    Status SetSurround(bool on);

private:
    struct Level {
        std::string_view scalar;
        std::string_view decibels;
        const audio_chip::Channel& channel;
        int32_t HeadsetSettings::*value;
    };
    struct Mute {
        std::string_view property;
        int32_t HeadsetSettings::*select;
    };

    void findSupport();
    void giveFirstValues();
    const audio_chip::DeviceRecord* deviceFor(std::string_view property) const;
    Status set(std::string_view property, audio_chip::PropertyValue value,
               const audio_chip::Channel& channel = audio_chip::kNoChannel);
    Status get(std::string_view property, const audio_chip::Channel& channel, int32_t& value);
    Status writeBands(const BandGains& bands);
    Status setLevel(const Level& level, int value);
    Status setMuted(const Mute& mute, bool muted);
    // Saves the settings and shows the state; passes `status` on.
    Status keep(Status status);
    Status refuse(Status status);

    CHs6533Profiledata& profile_;
    audio_chip::AudioChip* chip_ = nullptr;
    audio_chip::ChosenDevices devices_;
    std::optional<audio_chip::SupportFeatures> recordingFeatures_;
    AudioState state_;
    IHeadsetPanels* panels_ = nullptr;
};

}  // namespace viremo::devices::headset
