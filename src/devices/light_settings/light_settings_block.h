#pragma once
// The 21-byte settings block of the devices whose lights the program drives
// in software (the mouse pad, the headset's lighting controller):
//
//   0  active profile     1  lighting mode      2  brightness step
//   3  speed step         4  kept as read       5  multicolour
//   6-8 red, green, blue  9-20 kept as read
//
// In memory byte 1 is the program's mode index and byte 3 the speed step; on
// the wire byte 1 is the mode's device code and byte 3 is 4 - speed. A device
// code that no mode has stays the code it was and goes back as it came.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "devices/keyboard/keyboard_modes.h"
#include "profiles/profile_records.h"

namespace viremo::devices {

inline constexpr size_t kLightSettingsSize = 21;
// The device answers a read of the block with 26 bytes; profiles lie 25
// bytes apart, writes go 64 bytes apart per slot.
inline constexpr size_t kLightSettingsReadSize = 26;
inline constexpr uint16_t kLightSettingsProfileStride = 25;
inline constexpr uint16_t kLightSettingsSlotStride = 64;

namespace light_settings_at {
inline constexpr size_t kProfile = 0;
inline constexpr size_t kMode = 1;
inline constexpr size_t kBrightness = 2;
inline constexpr size_t kSpeed = 3;
inline constexpr size_t kMultiColour = 5;
inline constexpr size_t kRed = 6;
inline constexpr size_t kGreen = 7;
inline constexpr size_t kBlue = 8;
}  // namespace light_settings_at

using LightSettingsBytes = std::array<uint8_t, kLightSettingsSize>;

struct LightSettings {
    LightSettingsBytes bytes{};
    // Byte 1 holds a device code that matched no mode.
    bool unknownModeCode = false;

    // The lighting state these settings give: `base` with mode, brightness,
    // speed, multicolour and colour from the block.
    LightRecord Lighting(LightRecord base) const;
    bool operator==(const LightSettings&) const = default;
};

// Bytes 1, 2, 3, 5 to 8 from the lighting state.
LightSettings withLighting(LightSettings settings, const LightRecord& lighting);

// The block as the device sent it, in program terms. Brightness and speed
// bytes beyond step 4 are taken as step 4.
LightSettings settingsFromDevice(std::span<const uint8_t, kLightSettingsSize> wire, const keyboard::ModeList& modes);

// The block as it goes to the device.
LightSettingsBytes settingsToDevice(const LightSettings& settings, const keyboard::ModeList& modes);

}  // namespace viremo::devices
