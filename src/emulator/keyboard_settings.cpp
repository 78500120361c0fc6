#include "emulator/keyboard_settings.h"

#include <algorithm>
#include <array>

namespace viremo::emulator::keyboard {

namespace {

// Device codes of the factory lighting modes.
constexpr std::array<uint8_t, 4> kFactoryModeCodes{1, 4, 5, 6};  // wave, spectrum, breathing, static

SettingsRecord factoryRecord(size_t profile) {
    SettingsRecord record;
    record.modeCode = kFactoryModeCodes[profile % kFactoryModeCodes.size()];
    record.brightness = 4;
    record.speed = 2;
    record.multiColour = 1;
    record.red = 255;
    record.pollingRate = 3;
    return record;
}

}  // namespace

std::vector<uint8_t> settingsRecordBytes(const SettingsRecord& record) {
    std::vector<uint8_t> bytes(kSettingsRecordLength, 0);
    bytes[0] = record.modeCode;
    bytes[1] = record.brightness;
    bytes[2] = record.speed;
    bytes[3] = record.direction;
    bytes[4] = record.multiColour;
    bytes[5] = record.red;
    bytes[6] = record.green;
    bytes[7] = record.blue;
    bytes[17] = record.specialMode;
    bytes[18] = record.wFlag;
    bytes[19] = record.sixKeyFlag;
    bytes[20] = record.windowsKeyFlag;
    bytes[21] = record.pollingRate;
    bytes[24] = record.customGroup;
    return bytes;
}

std::vector<uint8_t> factorySettings() {
    std::vector<uint8_t> settings(kSettingsLength, 0);
    settings[kActiveProfileAddress] = 0;
    for (size_t profile = 0; profile < kProfileCount; ++profile) {
        const auto record = settingsRecordBytes(factoryRecord(profile));
        std::copy(record.begin(), record.end(), settings.begin() + std::ptrdiff_t(settingsRecordAddress(profile)));
    }
    return settings;
}

}  // namespace viremo::emulator::keyboard
