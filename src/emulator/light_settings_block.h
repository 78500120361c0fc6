#pragma once
// The 21-byte settings block of the lit devices without keys (the mouse pad,
// and the headset's lighting controller): the device keeps it at address 0
// of its settings memory and stores it as the host writes it.
//
//   0  active profile     1  lighting mode code   2  brightness
//   3  4 - speed          4  kept as written       5  multicolour
//   6-8 red, green, blue  9-20 kept as written
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace viremo::emulator {

inline constexpr size_t kLightSettingsBlockLength = 21;

struct LightSettingsBlock {
    uint8_t activeProfile = 0;
    uint8_t modeCode = 0;
    uint8_t brightness = 0;
    uint8_t speedByte = 0;  // 4 - speed
    uint8_t multiColour = 0;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    bool operator==(const LightSettingsBlock&) const = default;
};

// `block` over a copy of `bytes` (at least 21 bytes), so that the bytes the
// block does not name stay as they were.
std::vector<uint8_t> withLightSettings(std::span<const uint8_t> bytes, const LightSettingsBlock& block);

// A settings memory of `length` bytes (at least 21) as it leaves the
// factory: profile 0, wave, full brightness, middle speed, multicolour, red.
std::vector<uint8_t> factoryLightSettings(size_t length);

// The block at the start of `bytes`; nullopt when fewer than 21 bytes.
std::optional<LightSettingsBlock> decodeLightSettings(std::span<const uint8_t> bytes);

}  // namespace viremo::emulator
