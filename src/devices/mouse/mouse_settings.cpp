#include "devices/mouse/mouse_settings.h"

#include <algorithm>

namespace viremo::devices::mouse {
namespace {

void putWord(SettingsBlock& block, size_t at, uint16_t value) {
    block[at] = uint8_t(value);
    block[at + 1] = uint8_t(value >> 8);
}

uint8_t inRangeOrZero(int value, int highest) { return value >= 0 && value <= highest ? uint8_t(value) : 0; }

DpiStage heldToSensor(DpiStage stage, uint16_t highestLevel) {
    if (highestLevel == 0) return stage;
    stage.dpiX = std::min(stage.dpiX, highestLevel);
    stage.dpiY = std::min(stage.dpiY, highestLevel);
    return stage;
}

// The first correction entry that is selected, or none.
const CorrectEntry* selectedCorrection(const std::vector<CorrectEntry>& entries) {
    const auto found = std::find_if(entries.begin(), entries.end(), [](const auto& e) { return e.select != 0; });
    return found == entries.end() ? nullptr : &*found;
}

}  // namespace

SettingsBlock buildSettingsBlock(const SettingsSource& source, const keyboard::ModeList& modes) {
    using namespace block_at;
    const LightRecord& lighting = source.lighting;
    SettingsBlock block{};
    block[kFirstArgument] = source.first;
    block[kMode] = modes.codeOf(lighting.mode >= kFirstCustomMode ? 0 : lighting.mode);
    block[kBrightness] = std::min(lighting.brightness, kHighestStep);
    block[kSpeed] = uint8_t(kHighestStep - std::min(lighting.speed, kHighestStep));
    block[kDirection] = lighting.direction;
    block[kMultiColour] = lighting.multiColor;
    block[kRed] = lighting.red;
    block[kGreen] = lighting.green;
    block[kBlue] = lighting.blue;
    block[kReportRate] = inRangeOrZero(source.reportRate, kHighestReportRate);
    block[kActiveStage] = inRangeOrZero(source.activeStage, kDpiStageCount - 1);
    for (size_t i = 0; i < source.stages.size() && i < size_t(kDpiStageCount); ++i) {
        const auto bytes = heldToSensor(source.stages[i], source.highestLevel).toBytes();
        std::copy(bytes.begin(), bytes.end(), block.begin() + std::ptrdiff_t(kFirstStage + DpiStage::kSize * i));
    }
    block[kThirdArgument] = source.third;
    putWord(block, kScreenWidth, source.screenWidth);
    putWord(block, kScreenHeight, source.screenHeight);
    if (const CorrectEntry* correction = selectedCorrection(source.corrections)) {
        block[kCorrectMinSq] = correction->minSq;
        block[kCorrectPixThresh] = correction->pixThresh;
    }
    return block;
}

LightRecord lightingOfBlock(std::span<const uint8_t, kBlockReadLength> block, const keyboard::ModeList& modes,
                            const LightRecord& before) {
    using namespace block_at;
    LightRecord lighting = before;
    lighting.mode = modes.indexOf(block[kMode]);
    lighting.brightness = std::min(block[kBrightness], kHighestStep);
    lighting.speed = uint8_t(kHighestStep - std::min(block[kSpeed], kHighestStep));
    lighting.multiColor = block[kMultiColour];
    lighting.red = block[kRed];
    lighting.green = block[kGreen];
    lighting.blue = block[kBlue];
    return lighting;
}

}  // namespace viremo::devices::mouse
