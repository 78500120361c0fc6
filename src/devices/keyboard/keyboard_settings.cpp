#include "devices/keyboard/keyboard_settings.h"

#include <algorithm>

namespace viremo::devices::keyboard {
namespace {

namespace at {
constexpr size_t kMode = 0;
constexpr size_t kBrightness = 1;
constexpr size_t kSpeed = 2;
constexpr size_t kDirection = 3;
constexpr size_t kMultiColour = 4;
constexpr size_t kRed = 5;
constexpr size_t kGreen = 6;
constexpr size_t kBlue = 7;
constexpr size_t kSpecialMode = 17;
constexpr size_t kWFlag = 18;
constexpr size_t kKey6Flag = 19;
constexpr size_t kWinFlag = 20;
constexpr size_t kPollingRate = 21;
constexpr size_t kCustomGroup = 24;
}  // namespace at

constexpr uint8_t kLastStep = kStepCount - 1;

uint8_t step(uint8_t value) { return std::min(value, kLastStep); }

}  // namespace

SystemSettings SystemSettings::fromWords(const std::array<uint32_t, 3>& words) {
    return {uint16_t(words[0]),       uint16_t(words[0] >> 16), uint16_t(words[1]),
            uint16_t(words[1] >> 16), uint16_t(words[2]),       uint16_t(words[2] >> 16)};
}

std::array<uint32_t, 3> SystemSettings::toWords() const {
    return {uint32_t(repeat) | uint32_t(repeatDelay) << 16, uint32_t(key6Flag) | uint32_t(pollingRate) << 16,
            uint32_t(wFlag) | uint32_t(winFlag) << 16};
}

SettingsRecord buildSettingsRecord(const LightRecord& lighting, const SystemSettings& system, const ModeList& modes) {
    SettingsRecord record{};
    record[at::kMode] = modes.codeOf(lighting.mode);
    record[at::kBrightness] = lighting.brightness;
    record[at::kSpeed] = uint8_t(kLastStep - step(lighting.speed));
    record[at::kDirection] = lighting.direction;
    record[at::kMultiColour] = lighting.multiColor;
    record[at::kRed] = lighting.red;
    record[at::kGreen] = lighting.green;
    record[at::kBlue] = lighting.blue;
    record[at::kSpecialMode] = lighting.zzccLedMode;
    record[at::kWFlag] = uint8_t(system.wFlag);
    record[at::kKey6Flag] = uint8_t(system.key6Flag);
    record[at::kWinFlag] = uint8_t(system.winFlag);
    record[at::kPollingRate] = uint8_t(system.pollingRate);
    record[at::kCustomGroup] = lighting.customGroup;
    return record;
}

SettingsBlock buildSettingsBlock(uint8_t value, const LightRecord& lighting, const SystemSettings& system,
                                 const ModeList& modes) {
    SettingsBlock block{};
    block[0] = value;
    const SettingsRecord record = buildSettingsRecord(lighting, system, modes);
    std::copy(record.begin(), record.end(), block.begin() + 1);
    return block;
}

LightRecord lightingOfRecord(const SettingsRecord& record, const ModeList& modes, LightRecord current) {
    LightRecord lighting = current;
    lighting.mode = modes.indexOf(record[at::kMode]);
    lighting.brightness = step(record[at::kBrightness]);
    lighting.speed = uint8_t(kLastStep - step(record[at::kSpeed]));
    lighting.direction = record[at::kDirection];
    lighting.multiColor = record[at::kMultiColour];
    lighting.red = record[at::kRed];
    lighting.green = record[at::kGreen];
    lighting.blue = record[at::kBlue];
    lighting.zzccLedMode = record[at::kSpecialMode];
    return lighting;
}

SystemSettings systemOfRecord(const SettingsRecord& record, const SystemSettings& current) {
    SystemSettings system = current;
    system.key6Flag = record[at::kKey6Flag];
    system.wFlag = record[at::kWFlag];
    system.winFlag = record[at::kWinFlag];
    return system;
}

}  // namespace viremo::devices::keyboard
