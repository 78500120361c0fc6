#pragma once
// The mouse's settings memory: one slot of 128 bytes per onboard profile;
// byte 0 of slot 0 is the number of the active onboard profile. The program
// writes the first 66 bytes of a slot and reads 71 (the last five mean
// nothing to it). 16-bit values are little-endian.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "devices/keyboard/keyboard_modes.h"
#include "profiles/profile_records.h"

namespace viremo::devices::mouse {

inline constexpr size_t kBlockLength = 66;
inline constexpr size_t kBlockReadLength = 71;
inline constexpr uint16_t kSlotLength = 128;
inline constexpr uint16_t kActiveProfileAddress = 0;
inline constexpr int kDpiStageCount = 5;
// Lighting modes from here on are the user's custom effects; the mouse is
// given mode 0 for them.
inline constexpr uint8_t kFirstCustomMode = 10;
inline constexpr uint8_t kHighestStep = 4;  // brightness and speed 0-4
// The report-rate indexes the page offers (125, 250, 500, 1000 Hz and one
// more); another index shows and is written as 0.
inline constexpr uint8_t kHighestReportRate = 4;

using SettingsBlock = std::array<uint8_t, kBlockLength>;
using SettingsRead = std::array<uint8_t, kBlockReadLength>;

namespace block_at {
inline constexpr size_t kFirstArgument = 0;
inline constexpr size_t kMode = 1;
inline constexpr size_t kBrightness = 2;
inline constexpr size_t kSpeed = 3;  // 4 - speed
inline constexpr size_t kDirection = 4;
inline constexpr size_t kMultiColour = 5;
inline constexpr size_t kRed = 6;
inline constexpr size_t kGreen = 7;
inline constexpr size_t kBlue = 8;
inline constexpr size_t kSpare = 9;
inline constexpr size_t kReportRate = 11;
inline constexpr size_t kActiveStage = 12;
inline constexpr size_t kFirstStage = 14;  // five stages of DpiStage::kSize bytes
inline constexpr size_t kThirdArgument = 59;
inline constexpr size_t kScreenWidth = 60;
inline constexpr size_t kScreenHeight = 62;
inline constexpr size_t kCorrectMinSq = 64;
inline constexpr size_t kCorrectPixThresh = 65;
}  // namespace block_at

inline constexpr uint16_t settingsAddress(uint8_t slot) { return uint16_t(slot * kSlotLength); }

// What a settings block is built from: the profile's values and the caller's
// arguments.
struct SettingsSource {
    LightRecord lighting;
    std::vector<DpiStage> stages;
    int activeStage = 0;
    int reportRate = 0;
    std::vector<CorrectEntry> corrections;
    // The DPI levels are held to the sensor's highest level; 0 when the
    // device information is not known (the levels go as they are).
    uint16_t highestLevel = 0;
    uint8_t first = 0;
    uint8_t third = 1;
    uint16_t screenWidth = 0;
    uint16_t screenHeight = 0;
};

// The 66 bytes. Values from the profile file are held to what the mouse
// knows: brightness and speed to 0-4, the active stage and the report rate
// to their ranges (0 otherwise).
SettingsBlock buildSettingsBlock(const SettingsSource& source, const keyboard::ModeList& modes);

// The lighting state a block read from the mouse gives; the direction is
// not in it and stays as `before` had it.
LightRecord lightingOfBlock(std::span<const uint8_t, kBlockReadLength> block, const keyboard::ModeList& modes,
                            const LightRecord& before);

}  // namespace viremo::devices::mouse
