#pragma once
// The settings memory of the emulated keyboard: 256 bytes, the active profile
// at address 0 and the 25-byte settings record of profile p at 25 p + 1, room
// for ten profiles. The keyboard stores the records as the host writes them.
//
// Record bytes: 0 lighting mode code, 1 brightness step, 2 speed (4 = slowest),
// 3 direction, 4 multi-colour flag, 5-7 red, green, blue, 17 special mode,
// 18 W flag, 19 6-key flag, 20 Windows-key flag, 21 polling rate, 24 custom
// colour group; the others 0.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace viremo::emulator::keyboard {

inline constexpr size_t kSettingsLength = 256;
inline constexpr size_t kActiveProfileAddress = 0;
inline constexpr size_t kSettingsRecordLength = 25;
inline constexpr size_t kProfileCount = 10;

inline constexpr size_t settingsRecordAddress(size_t profile) { return 1 + kSettingsRecordLength * profile; }

struct SettingsRecord {
    uint8_t modeCode = 0;
    uint8_t brightness = 0;
    uint8_t speed = 0;
    uint8_t direction = 0;
    uint8_t multiColour = 0;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t specialMode = 0;
    uint8_t wFlag = 0;
    uint8_t sixKeyFlag = 0;
    uint8_t windowsKeyFlag = 0;
    uint8_t pollingRate = 0;
    uint8_t customGroup = 0;
};

// The 25 bytes of one record.
std::vector<uint8_t> settingsRecordBytes(const SettingsRecord& record);

// Profile 0 active; every profile full brightness, middle speed, red,
// multi-colour, polling rate 3, with its own lighting mode: wave, spectrum,
// breathing, static, then again from wave.
std::vector<uint8_t> factorySettings();

}  // namespace viremo::emulator::keyboard
