#pragma once
// The memory of the emulated mouse (320F:221C on its cable, 320F:221D through
// its receiver), region by region. Addresses are offsets into a region; an
// access that leaves its region is answered with status 254.
//
//   region            size   read / write command   content
//   "device info"       34   3 /  -    products.h, with the sensor fields
//   "status"             6  26 /  -    byte 4 = battery level
//   "settings"         512   5 /  6    four profile slots, mouse_settings.h
//   "key table"         33   7 /  9    the button table: 3 bytes per button
//   "macro memory"    2048   - / 21    the macro image (keyboard_macro_image.h)
//   "recoil memory"   4096   - / 23    the recoil image of four guns, the same
//                                      container as the macro image, written
//                                      with the bulk write in 56-byte pieces
//   "light frame"      512   - / 18    red, green, blue per light
//
// The button table is wired as a real mouse is, not in key-list order, and
// its last button has been given a function the host does not know
// (00 00 00), as after an onboard reassignment: the M8 key's factory code
// appears nowhere in the table.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "emulator/memory_map.h"

namespace viremo::emulator {

namespace region {
inline constexpr std::string_view RecoilMemory = "recoil memory";
}  // namespace region

namespace mouse {

using ButtonCode = std::array<uint8_t, 3>;

inline constexpr uint8_t kButtons = 11;
inline constexpr size_t kButtonCodeLength = 3;
inline constexpr size_t kButtonTableLength = kButtons * kButtonCodeLength;  // 33
inline constexpr uint8_t kMacroUnits = 16;
inline constexpr size_t kMacroMemoryLength = kMacroUnits * 128;  // 2048
inline constexpr size_t kRecoilMemoryLength = 4096;
inline constexpr size_t kLightCount = 15;

// The sensor fields of the device information block.
struct Sensor {
    uint16_t id = 0;
    uint8_t dpiStep = 0;
    uint16_t highestLevel = 0;
    uint16_t lowestDpi = 0;
};

// The 3325 type: 50 DPI per level from 100 DPI up to level 48, 200 DPI per
// level above it (highest level 88: 10500 DPI).
inline constexpr Sensor k3325Sensor{0x3325, 50, 88, 100};
// A sensor on one straight scale: 50 to 26000 DPI in steps of 50.
inline constexpr Sensor kLinearSensor{0x3389, 50, 519, 50};

// Factory code of key position 0-10 (the host's key-list order), and the
// physical button that carries it; kNoButton for the M8 key.
inline constexpr uint8_t kNoButton = 0xAA;
ButtonCode factoryButtonCode(size_t keyPosition);
uint8_t buttonOfKeyPosition(size_t keyPosition);

std::vector<uint8_t> factoryButtonTable();

// The mouse's own regions: settings, button table, macro and recoil memory,
// in their factory state.
std::vector<MemoryRegion> mouseRegions();

}  // namespace mouse

}  // namespace viremo::emulator
