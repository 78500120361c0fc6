#include "platform/audio_chip/device_choice.h"

#include <algorithm>
#include <vector>

namespace viremo::audio_chip {
namespace {

// A count from the library sizes nothing beyond this.
constexpr int kMaxDevices = 64;

std::vector<DeviceRecord> recordsOf(AudioChip& chip, Direction direction) {
    std::vector<DeviceRecord> records;
    const int count = std::clamp(chip.deviceCount(direction), 0, kMaxDevices);
    for (int index = 0; index < count; ++index)
        if (const auto record = chip.deviceById(direction, index)) records.push_back(*record);
    return records;
}

std::optional<DeviceRecord> firstOfType(const std::vector<DeviceRecord>& records, int32_t type, bool usableOnly) {
    for (const auto& record : records)
        if (record.type == type && (!usableOnly || record.usable == 1)) return record;
    return std::nullopt;
}

}  // namespace

ChosenDevices chooseDevices(AudioChip& chip) {
    ChosenDevices chosen;
    const auto playback = recordsOf(chip, Direction::Playback);
    for (const int32_t type : kPlaybackDeviceTypes)
        if (!chosen.playback) chosen.playback = firstOfType(playback, type, true);
    chosen.recording = firstOfType(recordsOf(chip, Direction::Recording), kRecordingDeviceType, false);
    return chosen;
}

}  // namespace viremo::audio_chip
