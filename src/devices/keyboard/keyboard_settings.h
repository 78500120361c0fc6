#pragma once
// The keyboard's settings memory: address 0 holds the active onboard
// profile, and the 25-byte settings record of profile p lies at addresses
// 25p + 1 to 25p + 25:
//
//   0  lighting mode (device code)    5-7  red, green, blue     19  6-key flag
//   1  brightness step 0-4            8-16 0                    20  Windows-key flag
//   2  speed, 4 - the speed step      17   special mode byte    21  polling rate
//   3  direction                      18   W flag               22-23 0
//   4  multi-colour flag                                        24  custom colour group
//
// A write of 26 bytes at 25p puts a value at address 25p followed by the
// record: with p = 0 that value becomes the active profile.
#include <array>
#include <cstdint>

#include "devices/keyboard/keyboard_modes.h"
#include "profiles/profile_records.h"

namespace viremo::devices::keyboard {

inline constexpr size_t kSettingsRecordSize = 25;
inline constexpr size_t kSettingsBlockSize = kSettingsRecordSize + 1;
inline constexpr uint8_t kStepCount = 5;  // brightness and speed steps 0-4

inline constexpr uint16_t settingsAddress(uint8_t profile) { return uint16_t(kSettingsRecordSize * profile); }

using SettingsRecord = std::array<uint8_t, kSettingsRecordSize>;
using SettingsBlock = std::array<uint8_t, kSettingsBlockSize>;

// The "SystemStages" of a keyboard profile.
struct SystemSettings {
    uint16_t repeat = 0;
    uint16_t repeatDelay = 0;
    uint16_t key6Flag = 0;
    uint16_t pollingRate = 0;
    uint16_t wFlag = 0;
    uint16_t winFlag = 0;

    // The profile data's packing: low half, high half of three words.
    static SystemSettings fromWords(const std::array<uint32_t, 3>& words);
    std::array<uint32_t, 3> toWords() const;
    bool operator==(const SystemSettings&) const = default;
};

// The record for a lighting state (mode index, speed and brightness steps)
// and the system settings.
SettingsRecord buildSettingsRecord(const LightRecord& lighting, const SystemSettings& system, const ModeList& modes);

// The 26 bytes of a settings write: `value` followed by the record.
SettingsBlock buildSettingsBlock(uint8_t value, const LightRecord& lighting, const SystemSettings& system,
                                 const ModeList& modes);

// `current` with what a record read from the keyboard says of it: mode
// index, brightness, speed step, direction, multi-colour, colour and special
// mode byte. Brightness and speed bytes beyond 4 count as 4.
LightRecord lightingOfRecord(const SettingsRecord& record, const ModeList& modes, LightRecord current);

// The flags a record carries back (repeat, repeat delay and polling rate are
// not read back: they keep the values of `current`).
SystemSettings systemOfRecord(const SettingsRecord& record, const SystemSettings& current);

}  // namespace viremo::devices::keyboard
