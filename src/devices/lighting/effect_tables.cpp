#include "devices/lighting/effect_tables.h"

#include <algorithm>
#include <cmath>

namespace viremo::devices {
namespace {

// The hue circle is cut into 24 parts of 8 entries. The key colours at the
// part boundaries repeat every third of the circle: the leading channel
// holds 255 while the next one rises (1, 26, 90, 170, 255), then the leading
// one falls (248, 170, 90, 26, 0) and the following third begins with the
// next channel leading. Entries between key colours are interpolated
// linearly. This meets the colours the devices are known to show: (255, 1, 0)
// at 0, (255, 26, 0) at 8, (248, 255, 0) at 32, (0, 255, 1) at 64,
// (0, 248, 255) at 96, (1, 0, 255) at 128, (255, 0, 248) at 160 and (255, 1, 0)
// again at 192.
struct ThirdKey {
    uint8_t leading;
    uint8_t rising;
};
constexpr std::array<ThirdKey, 8> kThirdKeys{{
    {255, 1}, {255, 26}, {255, 90}, {255, 170}, {248, 255}, {170, 255}, {90, 255}, {26, 255},
}};
constexpr int kPartLength = 8;

Rgb spectrumKey(int part) {
    const int third = (part / 8) % 3;
    const ThirdKey key = kThirdKeys[part % 8];
    // Channels in hue order: red, green, blue.
    std::array<uint8_t, 3> channels{};
    channels[third] = key.leading;
    channels[(third + 1) % 3] = key.rising;
    return {channels[0], channels[1], channels[2]};
}

uint8_t lerp(uint8_t from, uint8_t to, int step, int steps) {
    return static_cast<uint8_t>(std::lround(from + (double(to) - double(from)) * step / steps));
}

Rgb lerp(Rgb from, Rgb to, int step, int steps) {
    return {lerp(from.red, to.red, step, steps), lerp(from.green, to.green, step, steps),
            lerp(from.blue, to.blue, step, steps)};
}

// Entries 193-255 are known only by their ends and one point between:
// (255, 3, 0) at 193, yellow (255, 255, 0) at 223 and green (0, 255, 0) at
// 255. They are interpolated linearly between these three.
constexpr Rgb kRampStart{255, 3, 0};
constexpr Rgb kRampYellow{255, 255, 0};
constexpr Rgb kRampGreen{0, 255, 0};

std::array<Rgb, 256> buildColourTable() {
    std::array<Rgb, 256> table{};
    for (int i = 0; i <= kSpectrumLength; ++i) {
        const int part = i / kPartLength;
        const int step = i % kPartLength;
        table[i] = step == 0 ? spectrumKey(part) : lerp(spectrumKey(part), spectrumKey(part + 1), step, kPartLength);
    }
    for (int i = 193; i <= 223; ++i) table[i] = lerp(kRampStart, kRampYellow, i - 193, 223 - 193);
    for (int i = 224; i <= 255; ++i) table[i] = lerp(kRampYellow, kRampGreen, i - 223, 255 - 223);
    return table;
}

// The rising half starts 0, 1, 2, ... and ends ..., 248, 255; between the
// ends it follows i + 192 i^2 / 63^2, rounded, which meets those values.
std::array<uint8_t, kBreathingLength> buildBreathingCurve() {
    std::array<uint8_t, kBreathingLength> curve{};
    constexpr int kHalf = kBreathingLength / 2;
    constexpr int kSquare = (kHalf - 1) * (kHalf - 1);
    for (int i = 0; i < kHalf; ++i) {
        const int value = (i * kSquare + 192 * i * i + kSquare / 2) / kSquare;
        curve[i] = static_cast<uint8_t>(value);
        curve[kBreathingLength - 1 - i] = static_cast<uint8_t>(value);
    }
    return curve;
}

}  // namespace

const std::array<Rgb, 256>& colourTable() {
    static const std::array<Rgb, 256> table = buildColourTable();
    return table;
}

const std::array<uint8_t, kBreathingLength>& breathingCurve() {
    static const std::array<uint8_t, kBreathingLength> curve = buildBreathingCurve();
    return curve;
}

uint8_t brightnessLevel(uint8_t step) {
    return kBrightnessLevels[std::min<size_t>(step, kBrightnessLevels.size() - 1)];
}

uint8_t speedPeriod(uint8_t step) { return kSpeedPeriods[std::min<size_t>(step, kSpeedPeriods.size() - 1)]; }

uint8_t byteStep(uint8_t direction, uint8_t limit, uint8_t value, uint8_t increment) {
    if (direction != 0) {
        const int next = value + increment;
        return next >= limit ? 0 : static_cast<uint8_t>(next);
    }
    const uint8_t next = static_cast<uint8_t>(value - increment);
    return next >= limit ? static_cast<uint8_t>(limit - increment) : next;
}

}  // namespace viremo::devices
