#pragma once
// The plain records a profile is read into. Each has the byte layout the
// device code builds its reports and memory images from; `toBytes` gives that
// layout, little-endian where a field is wider than a byte.
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace viremo {

// The lighting state of a device or of one light, 14 bytes.
struct LightRecord {
    uint8_t mode = 0;
    uint8_t brightness = 0;
    uint8_t speed = 0;
    uint8_t direction = 0;
    uint8_t multiColor = 0;  // flag
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t spare8 = 0;  // bytes 8 and 9 are not stored in files
    uint8_t spare9 = 0;
    uint8_t present = 0;  // a "LightList" element was there
    uint8_t zzccLedMode = 0;
    uint8_t customGroup = 0;
    uint8_t oldLedMode = 0;  // the lighting mode before the current one

    static constexpr size_t kSize = 14;
    std::array<uint8_t, kSize> toBytes() const;
    static LightRecord fromBytes(std::span<const uint8_t, kSize> bytes);
    // The record as the device code passes it: three 32-bit little-endian
    // words and one 16-bit word.
    static LightRecord fromWords(uint32_t word0, uint32_t word1, uint32_t word2, uint16_t half3);

    bool operator==(const LightRecord&) const = default;
};

// Sound-reactive lighting, 9 bytes.
struct AudioLightRecord {
    uint8_t mode = 0;
    uint8_t backRed = 0;
    uint8_t backGreen = 0;
    uint8_t backBlue = 0;
    uint8_t foreRed = 0;
    uint8_t foreGreen = 0;
    uint8_t foreBlue = 0;
    uint8_t sevenColors = 0;  // flag
    uint8_t colorType = 0;    // flag

    static constexpr size_t kSize = 9;
    std::array<uint8_t, kSize> toBytes() const;
    static AudioLightRecord fromWords(uint32_t word0, uint32_t word1, uint8_t byte8);

    bool operator==(const AudioLightRecord&) const = default;
};

// What one key does: a 24-bit code of category, first and second parameter
// (category x 65536 + first x 256 + second), 6 bytes with the key position.
struct KeyAssignment {
    uint16_t position = 0;
    uint8_t category = 0;
    uint8_t first = 0;
    uint8_t second = 0;
    uint8_t spare = 0;

    static constexpr size_t kSize = 6;
    uint32_t code() const { return uint32_t(category) << 16 | uint32_t(first) << 8 | second; }
    static KeyAssignment fromCode(uint16_t position, int64_t code);
    std::array<uint8_t, kSize> toBytes() const;

    bool operator==(const KeyAssignment&) const = default;
};

// One "KeyList" element: the current and the factory assignment, 12 bytes.
struct KeyListEntry {
    KeyAssignment current;
    KeyAssignment factory;

    static constexpr size_t kSize = 12;
    std::array<uint8_t, kSize> toBytes() const;

    bool operator==(const KeyListEntry&) const = default;
};

// One DPI stage of a mouse, 9 bytes.
struct DpiStage {
    uint8_t enabled = 0;
    uint8_t separateXY = 0;  // X and Y resolutions differ when non-zero
    uint16_t dpiX = 0;
    uint16_t dpiY = 0;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    static constexpr size_t kSize = 9;
    std::array<uint8_t, kSize> toBytes() const;

    bool operator==(const DpiStage&) const = default;
};

// A factory correction value of a mouse (read only).
struct CorrectEntry {
    uint8_t pixThresh = 0;
    uint8_t minSq = 0;
    uint8_t select = 0;
    std::string name;

    bool operator==(const CorrectEntry&) const = default;
};

// One step of a user light effect, 24 bytes.
struct LightEffectStep {
    uint8_t mode = 0;
    uint8_t brightness = 0;
    uint8_t speed = 0;
    uint8_t direction = 0;
    uint8_t multiColor = 0;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    int32_t time = 0;
    int32_t cycle = 0;

    static constexpr size_t kSize = 24;
    std::array<uint8_t, kSize> toBytes() const;

    bool operator==(const LightEffectStep&) const = default;
};

// The colour of one key in a custom lighting group, 4 bytes.
struct KeyColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 0;

    bool operator==(const KeyColor&) const = default;
};

}  // namespace viremo
