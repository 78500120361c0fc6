#include "devices/keyboard/keyboard_settings.h"

#include <algorithm>

namespace viremo::devices::keyboard {
namespace {

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
    record[record_at::kMode] = modes.codeOf(lighting.mode);
    // Values from a profile file are held to what the keyboard takes.
    record[record_at::kBrightness] = step(lighting.brightness);
    record[record_at::kSpeed] = uint8_t(kLastStep - step(lighting.speed));
    record[record_at::kDirection] = std::min<uint8_t>(lighting.direction, 1);
    record[record_at::kMultiColour] = std::min<uint8_t>(lighting.multiColor, 1);
    record[record_at::kRed] = lighting.red;
    record[record_at::kGreen] = lighting.green;
    record[record_at::kBlue] = lighting.blue;
    record[record_at::kSpecialMode] = lighting.zzccLedMode;
    record[record_at::kWFlag] = uint8_t(system.wFlag);
    record[record_at::kKey6Flag] = uint8_t(system.key6Flag);
    record[record_at::kWinFlag] = uint8_t(system.winFlag);
    record[record_at::kPollingRate] = uint8_t(system.pollingRate);
    record[record_at::kCustomGroup] = lighting.customGroup;
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
    lighting.mode = modes.indexOf(record[record_at::kMode]);
    lighting.brightness = step(record[record_at::kBrightness]);
    lighting.speed = uint8_t(kLastStep - step(record[record_at::kSpeed]));
    lighting.direction = record[record_at::kDirection];
    lighting.multiColor = record[record_at::kMultiColour];
    lighting.red = record[record_at::kRed];
    lighting.green = record[record_at::kGreen];
    lighting.blue = record[record_at::kBlue];
    lighting.zzccLedMode = record[record_at::kSpecialMode];
    return lighting;
}

SystemSettings systemOfRecord(const SettingsRecord& record, const SystemSettings& current) {
    SystemSettings system = current;
    system.key6Flag = record[record_at::kKey6Flag];
    system.wFlag = record[record_at::kWFlag];
    system.winFlag = record[record_at::kWinFlag];
    return system;
}

}  // namespace viremo::devices::keyboard
