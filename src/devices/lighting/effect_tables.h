#pragma once
// The tables the software lighting effects are computed from, and the byte
// step that moves their phases.
#include <array>
#include <cstdint>

namespace viremo::devices {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// Entries 0-192 run once round the hue circle from red back to red; entries
// 193-255 ramp from red through yellow to green.
inline constexpr int kSpectrumLength = 192;
const std::array<Rgb, 256>& colourTable();

// The four colours of the four-colour effects.
inline constexpr std::array<Rgb, 4> kBaseColours{{{0, 255, 180}, {0, 255, 0}, {255, 255, 255}, {255, 0, 0}}};

// Level of each brightness step 0-4.
inline constexpr std::array<uint8_t, 5> kBrightnessLevels{0, 64, 128, 192, 255};

// Period of each speed step 0-4, in effect ticks (and x 200 ms for blinking).
inline constexpr std::array<uint8_t, 5> kSpeedPeriods{28, 23, 18, 13, 7};

// 128 entries: up from 0 to 255 over entries 0-63, back down over 64-127.
inline constexpr int kBreathingLength = 128;
const std::array<uint8_t, kBreathingLength>& breathingCurve();

// Table lookups that keep an out-of-range step on the last entry.
uint8_t brightnessLevel(uint8_t step);
uint8_t speedPeriod(uint8_t step);

// Moves a phase by `increment` within 0..limit-1: forward with a non-zero
// direction (0 once it reaches the limit), backward with direction 0
// (limit - increment once it falls out of range).
uint8_t byteStep(uint8_t direction, uint8_t limit, uint8_t value, uint8_t increment);

// `value` x `level` / 256, the high byte of the 16-bit product.
inline uint8_t scaleByLevel(uint8_t value, uint8_t level) { return static_cast<uint8_t>((value * level) >> 8); }

}  // namespace viremo::devices
