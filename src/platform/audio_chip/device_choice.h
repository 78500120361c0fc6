#pragma once
// The two devices the headset is configured through: the first usable
// playback device of type 1 (else 12, else 7, else 4) and the first
// recording device of type 2.
#include <optional>

#include "platform/audio_chip/audio_chip.h"

namespace viremo::audio_chip {

struct ChosenDevices {
    std::optional<DeviceRecord> playback;
    std::optional<DeviceRecord> recording;
};

ChosenDevices chooseDevices(AudioChip& chip);

}  // namespace viremo::audio_chip
