#include "emulator/light_settings_block.h"

namespace viremo::emulator {

std::vector<uint8_t> withLightSettings(std::span<const uint8_t> bytes, const LightSettingsBlock& block) {
    std::vector<uint8_t> result(bytes.begin(), bytes.end());
    if (result.size() < kLightSettingsBlockLength) result.resize(kLightSettingsBlockLength, 0);
    result[0] = block.activeProfile;
    result[1] = block.modeCode;
    result[2] = block.brightness;
    result[3] = block.speedByte;
    result[5] = block.multiColour;
    result[6] = block.red;
    result[7] = block.green;
    result[8] = block.blue;
    return result;
}

std::vector<uint8_t> factoryLightSettings(size_t length) {
    LightSettingsBlock block;
    block.brightness = 4;
    block.speedByte = 2;
    block.multiColour = 1;
    block.red = 255;
    return withLightSettings(std::vector<uint8_t>(length, 0), block);
}

std::optional<LightSettingsBlock> decodeLightSettings(std::span<const uint8_t> bytes) {
    if (bytes.size() < kLightSettingsBlockLength) return std::nullopt;
    return LightSettingsBlock{bytes[0], bytes[1], bytes[2], bytes[3], bytes[5], bytes[6], bytes[7], bytes[8]};
}

}  // namespace viremo::emulator
