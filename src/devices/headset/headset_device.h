#pragma once
// The driver of the headset (0C76:1630). Two ways lead to it: its lighting
// controller, reached through the command channel (the shared 21-byte
// settings block) and through raw output reports (the live colours, twelve
// 17-byte reports per frame, sent from the lighting thread); and its audio
// chip (headset_audio.h), which holds the equaliser, microphone, monitor,
// voice changer and surround. Without a working chip the audio controls are
// unavailable and the lights work the same.
#include "devices/headset/colour_reports.h"
#include "devices/headset/headset_audio.h"
#include "devices/light_settings/light_settings_device.h"
#include "profiles/headset_profile_data.h"

namespace viremo::devices {

class CVendrakeHS6533Device : public CLightSettingsDevice {
public:
    explicit CVendrakeHS6533Device(hid::Backend& backend = hid::systemBackend(), const Clock& clock = systemClock(),
                                   RandomSource* random = nullptr);
    ~CVendrakeHS6533Device() override;

    // The audio chip (not owned; null when there is none): started here,
    // its state read.
    bool InitialiseAudio(audio_chip::AudioChip* chip);
    // The lighting and the audio panels' state shown.
    void RefreshState() override;
    // The live colours as twelve raw output reports on the cable interface.
    void SendLightFrame() override;

    headset::HeadsetAudio& Audio() { return audio_; }
    CHs6533Profiledata& Profile() { return profile_; }

protected:
    CBasicProfiledata& LitProfile() override { return profile_; }
    void TakeProfileState() override;
    // The chip's state, read at start.
    void ReadKindState() override;

private:
    CHs6533Profiledata profile_;
    headset::HeadsetAudio audio_{profile_};
};

void configureHeadset(CVendrakeHS6533Device& device, const InterfaceRecord& row);

}  // namespace viremo::devices
