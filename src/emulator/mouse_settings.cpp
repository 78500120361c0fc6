#include "emulator/mouse_settings.h"

#include <algorithm>

#include "emulator/little_endian.h"

namespace viremo::emulator::mouse {

namespace {

constexpr std::array<uint8_t, 4> kFactoryModeCodes{0, 1, 2, 3};  // wave, spectrum, breathing, static
constexpr uint8_t kFactoryReportRate = 3;                         // 1000 Hz
// Levels of 400, 800, 1600, 3200 and 6500 DPI: step 50 from 100 DPI up to
// level 48, then 200 DPI per level.
constexpr std::array<uint16_t, kDpiStageCount> kFactoryLevels{6, 14, 30, 51, 68};
constexpr std::array<std::array<uint8_t, 3>, kDpiStageCount> kFactoryStageColours{{
    {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {255, 0, 255},
}};

void putStage(std::vector<uint8_t>& bytes, size_t offset, const DpiStage& stage) {
    bytes[offset] = stage.enabled;
    bytes[offset + 1] = stage.separateXY;
    putWord(bytes, offset + 2, stage.levelX);
    putWord(bytes, offset + 4, stage.levelY);
    bytes[offset + 6] = stage.red;
    bytes[offset + 7] = stage.green;
    bytes[offset + 8] = stage.blue;
}

DpiStage stageAt(std::span<const uint8_t> bytes, size_t offset) {
    return {bytes[offset],       bytes[offset + 1],     wordAt(bytes, offset + 2), wordAt(bytes, offset + 4),
            bytes[offset + 6],   bytes[offset + 7],     bytes[offset + 8]};
}

SettingsBlock factoryBlock(size_t slot) {
    SettingsBlock block;
    block.modeCode = kFactoryModeCodes[slot % kFactoryModeCodes.size()];
    block.brightness = 4;
    block.speedByte = 2;
    block.multiColour = 1;
    block.red = 255;
    block.reportRate = kFactoryReportRate;
    block.activeStage = 1;
    for (size_t i = 0; i < kDpiStageCount; ++i) {
        const auto& colour = kFactoryStageColours[i];
        block.stages[i] = {1, 0, kFactoryLevels[i], kFactoryLevels[i], colour[0], colour[1], colour[2]};
    }
    block.third = 1;
    return block;
}

}  // namespace

std::vector<uint8_t> settingsBlockBytes(const SettingsBlock& block) {
    std::vector<uint8_t> bytes(kBlockLength, 0);
    bytes[0] = block.first;
    bytes[1] = block.modeCode;
    bytes[2] = block.brightness;
    bytes[3] = block.speedByte;
    bytes[4] = block.direction;
    bytes[5] = block.multiColour;
    bytes[6] = block.red;
    bytes[7] = block.green;
    bytes[8] = block.blue;
    bytes[11] = block.reportRate;
    bytes[kActiveStageByte] = block.activeStage;
    for (size_t i = 0; i < kDpiStageCount; ++i)
        putStage(bytes, kFirstStageByte + kDpiStageLength * i, block.stages[i]);
    bytes[59] = block.third;
    putWord(bytes, 60, block.screenWidth);
    putWord(bytes, 62, block.screenHeight);
    bytes[64] = block.correctMinSq;
    bytes[65] = block.correctPixThresh;
    return bytes;
}

std::optional<SettingsBlock> decodeSettingsBlock(std::span<const uint8_t> bytes) {
    if (bytes.size() < kBlockLength) return std::nullopt;
    SettingsBlock block;
    block.first = bytes[0];
    block.modeCode = bytes[1];
    block.brightness = bytes[2];
    block.speedByte = bytes[3];
    block.direction = bytes[4];
    block.multiColour = bytes[5];
    block.red = bytes[6];
    block.green = bytes[7];
    block.blue = bytes[8];
    block.reportRate = bytes[11];
    block.activeStage = bytes[kActiveStageByte];
    for (size_t i = 0; i < kDpiStageCount; ++i)
        block.stages[i] = stageAt(bytes, kFirstStageByte + kDpiStageLength * i);
    block.third = bytes[59];
    block.screenWidth = wordAt(bytes, 60);
    block.screenHeight = wordAt(bytes, 62);
    block.correctMinSq = bytes[64];
    block.correctPixThresh = bytes[65];
    return block;
}

std::vector<uint8_t> factorySettings() {
    std::vector<uint8_t> settings(kSettingsLength, 0);
    for (size_t slot = 0; slot < kProfileSlots; ++slot) {
        const auto block = settingsBlockBytes(factoryBlock(slot));
        std::copy(block.begin(), block.end(), settings.begin() + std::ptrdiff_t(slotAddress(slot)));
    }
    settings[kActiveProfileAddress] = 0;
    return settings;
}

}  // namespace viremo::emulator::mouse
