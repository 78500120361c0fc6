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

// The bytes of the record, by what they hold.
namespace record_at {
inline constexpr size_t kMode = 0;
inline constexpr size_t kBrightness = 1;
inline constexpr size_t kSpeed = 2;
inline constexpr size_t kDirection = 3;
inline constexpr size_t kMultiColour = 4;
inline constexpr size_t kRed = 5;
inline constexpr size_t kGreen = 6;
inline constexpr size_t kBlue = 7;
inline constexpr size_t kSpecialMode = 17;
inline constexpr size_t kWFlag = 18;
inline constexpr size_t kKey6Flag = 19;
inline constexpr size_t kWinFlag = 20;
inline constexpr size_t kPollingRate = 21;
inline constexpr size_t kCustomGroup = 24;
}  // namespace record_at

// The bytes that hold the lighting state.
inline constexpr std::array<size_t, 10> kLightingRecordBytes{
    record_at::kMode, record_at::kBrightness, record_at::kSpeed,       record_at::kDirection,
    record_at::kMultiColour, record_at::kRed, record_at::kGreen,       record_at::kBlue,
    record_at::kSpecialMode, record_at::kCustomGroup};

// In a settings block (and the mirror read back) the record follows the
// value at address 25p.
inline constexpr size_t kRecordInBlock = 1;

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
