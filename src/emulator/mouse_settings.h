#pragma once
// The settings memory of the emulated mouse: four onboard profile slots, slot
// n at n x 128. Byte 0 of slot 0 is the number of the active onboard profile.
// The host writes 66 bytes of a slot and reads 71; the mouse keeps whatever
// is written and reads back bytes 66-70 as zero.
//
// Slot bytes (16-bit values little-endian):
//   0       first argument of the write (slot 0: the active profile)
//   1       lighting mode code       2  brightness     3  4 - speed
//   4       direction                5  multicolour    6-8  red, green, blue
//   9, 10   0                        11 report-rate index
//   12      active DPI stage         13 0
//   14-58   five DPI stages of 9 bytes: enabled, X/Y flag, X level (2),
//           Y level (2), red, green, blue
//   59      third argument of the write
//   60-63   screen width and height in pixels
//   64, 65  correction: minimum square, pixel threshold
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace viremo::emulator::mouse {

inline constexpr size_t kProfileSlots = 4;
inline constexpr size_t kSlotLength = 128;
inline constexpr size_t kSettingsLength = kProfileSlots * kSlotLength;  // 512
inline constexpr size_t kActiveProfileAddress = 0;
inline constexpr size_t kBlockLength = 66;
inline constexpr size_t kReadLength = 71;
inline constexpr size_t kDpiStageCount = 5;
inline constexpr size_t kActiveStageByte = 12;
inline constexpr size_t kFirstStageByte = 14;
inline constexpr size_t kDpiStageLength = 9;

inline constexpr size_t slotAddress(size_t slot) { return kSlotLength * slot; }

struct DpiStage {
    uint8_t enabled = 0;
    uint8_t separateXY = 0;
    uint16_t levelX = 0;
    uint16_t levelY = 0;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    bool operator==(const DpiStage&) const = default;
};

struct SettingsBlock {
    uint8_t first = 0;
    uint8_t modeCode = 0;
    uint8_t brightness = 0;
    uint8_t speedByte = 0;  // 4 - speed
    uint8_t direction = 0;
    uint8_t multiColour = 0;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t reportRate = 0;
    uint8_t activeStage = 0;
    std::array<DpiStage, kDpiStageCount> stages{};
    uint8_t third = 0;
    uint16_t screenWidth = 0;
    uint16_t screenHeight = 0;
    uint8_t correctMinSq = 0;
    uint8_t correctPixThresh = 0;

    bool operator==(const SettingsBlock&) const = default;
};

// The 66 bytes of a block.
std::vector<uint8_t> settingsBlockBytes(const SettingsBlock& block);

// The block at the start of `bytes`; nullopt when fewer than 66 bytes.
std::optional<SettingsBlock> decodeSettingsBlock(std::span<const uint8_t> bytes);

// Profile 0 active; every slot full brightness, middle speed, multicolour,
// 1000 Hz, five DPI stages of 400, 800, 1600, 3200 and 6500 DPI (on the
// 3325-type scale), stage 1 active; each slot its own lighting mode code
// (wave, spectrum, breathing, static).
std::vector<uint8_t> factorySettings();

}  // namespace viremo::emulator::mouse
