#include "profiles/profile_records.h"

#include <algorithm>

namespace viremo {
namespace {

void putLittle16(uint8_t* out, uint16_t value) {
    out[0] = uint8_t(value);
    out[1] = uint8_t(value >> 8);
}

void putLittle32(uint8_t* out, int32_t value) {
    const auto bits = uint32_t(value);
    for (int i = 0; i < 4; ++i) out[i] = uint8_t(bits >> (8 * i));
}

uint8_t byteOf(uint32_t word, int index) { return uint8_t(word >> (8 * index)); }

}  // namespace

std::array<uint8_t, LightRecord::kSize> LightRecord::toBytes() const {
    return {mode, brightness, speed, direction, multiColor, red,         green,
            blue, spare8,     spare9, present,  zzccLedMode, customGroup, oldLedMode};
}

LightRecord LightRecord::fromBytes(std::span<const uint8_t, kSize> b) {
    return {b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13]};
}

LightRecord LightRecord::fromWords(uint32_t word0, uint32_t word1, uint32_t word2, uint16_t half3) {
    const std::array<uint8_t, kSize> bytes{
        byteOf(word0, 0), byteOf(word0, 1), byteOf(word0, 2), byteOf(word0, 3), byteOf(word1, 0),
        byteOf(word1, 1), byteOf(word1, 2), byteOf(word1, 3), byteOf(word2, 0), byteOf(word2, 1),
        byteOf(word2, 2), byteOf(word2, 3), uint8_t(half3),   uint8_t(half3 >> 8)};
    return fromBytes(bytes);
}

std::array<uint8_t, AudioLightRecord::kSize> AudioLightRecord::toBytes() const {
    return {mode, backRed, backGreen, backBlue, foreRed, foreGreen, foreBlue, sevenColors, colorType};
}

AudioLightRecord AudioLightRecord::fromWords(uint32_t word0, uint32_t word1, uint8_t byte8) {
    return {byteOf(word0, 0), byteOf(word0, 1), byteOf(word0, 2), byteOf(word0, 3), byteOf(word1, 0),
            byteOf(word1, 1), byteOf(word1, 2), byteOf(word1, 3), byte8};
}

KeyAssignment KeyAssignment::fromCode(uint16_t position, int64_t code) {
    const auto bits = uint64_t(code);
    return {position, uint8_t(bits >> 16), uint8_t(bits >> 8), uint8_t(bits), 0};
}

std::array<uint8_t, KeyAssignment::kSize> KeyAssignment::toBytes() const {
    std::array<uint8_t, kSize> bytes{};
    putLittle16(bytes.data(), position);
    bytes[2] = category;
    bytes[3] = first;
    bytes[4] = second;
    bytes[5] = spare;
    return bytes;
}

std::array<uint8_t, KeyListEntry::kSize> KeyListEntry::toBytes() const {
    std::array<uint8_t, kSize> bytes{};
    const auto currentBytes = current.toBytes();
    const auto factoryBytes = factory.toBytes();
    std::copy(currentBytes.begin(), currentBytes.end(), bytes.begin());
    std::copy(factoryBytes.begin(), factoryBytes.end(), bytes.begin() + KeyAssignment::kSize);
    return bytes;
}

std::array<uint8_t, DpiStage::kSize> DpiStage::toBytes() const {
    std::array<uint8_t, kSize> bytes{};
    bytes[0] = enabled;
    bytes[1] = separateXY;
    putLittle16(&bytes[2], dpiX);
    putLittle16(&bytes[4], dpiY);
    bytes[6] = red;
    bytes[7] = green;
    bytes[8] = blue;
    return bytes;
}

std::array<uint8_t, LightEffectStep::kSize> LightEffectStep::toBytes() const {
    std::array<uint8_t, kSize> bytes{mode, brightness, speed, direction, multiColor, red, green, blue};
    putLittle32(&bytes[16], time);
    putLittle32(&bytes[20], cycle);
    return bytes;
}

}  // namespace viremo
