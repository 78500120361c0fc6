#pragma once
// The audio chip through the ALSA mixer of the headset's sound card (see
// sound_cards.h for how the card is found). The chip's microphone is the
// mixer's "Mic" element: its capture volume and switch are the level and
// mute of the microphone ("VolumeScalarControl", "VolumeControl",
// "MuteControl", channel -1), its own playback volume and switch the monitor
// ("AAVolumeScalarControl", "AAVolumeControl", "AAMuteControl", channel 0),
// with the decibel ranges behind "GetMinVol" and the like. The mixer has no
// equaliser, voice changer or surround: those properties, the feature
// string and the test sound answer NotSupported.
//
// Changes of the mixer (the program's own included), the card's removal and
// the arrival of a headset card (udev) reach the callback from a thread of
// the backend, which runs from init to uninit.
#include <memory>

#include "platform/audio_chip/audio_chip.h"

namespace viremo::audio_chip {

class AlsaAudioChip : public AudioChip {
public:
    AlsaAudioChip();
    ~AlsaAudioChip() override;

    bool init() override;
    void createDeviceList() override;
    int deviceCount(Direction direction) override;
    std::optional<DeviceRecord> deviceById(Direction direction, int index) override;
    Status getProperty(const DeviceRecord& device, std::string_view name, const Channel& channel,
                       std::string& text) override;
    Status setProperty(const DeviceRecord& device, std::string_view name, PropertyValue value,
                       const Channel& channel) override;
    void registerCallback(ChangeCallback callback) override;
    void uninit() override;
    Status showAsioPanel() override;
    Status playTestSound(const DeviceRecord& device) override;
    Status stopTestSound(const DeviceRecord& device) override;
    Status closeTestSound() override;

private:
    struct State;
    std::shared_ptr<State> state_;
};

}  // namespace viremo::audio_chip
