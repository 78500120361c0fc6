#pragma once
// The memory of the emulated keyboard (320F:5078 on its cable, 320F:5001
// through its receiver), region by region. Addresses are offsets into a
// region; an access that leaves its region is answered with status 254.
//
//   region            size   read / write command   content
//   "device info"       34   3 /  -    byte 5 = 128 key positions,
//                                      byte 6 = 32 (32 x 128 bytes of macro memory)
//   "status"             6  26 /  -    byte 4 = battery level
//   "settings"         256   5 /  6    keyboard_settings.h
//   "key table"        384   7 /  9    3 bytes per key position, keyboard_key_table.h;
//                                      reads back as last written
//   "key attributes"   128  27 /  -    light frame position per key position, 255 none
//   "macro memory"    4096   - / 21    the macro image, keyboard_macro_image.h
//   "colour pages"    2048   - / 11    4 pages of 512 bytes, page g at 512 g:
//                                      red, green, blue per light frame position
//   "light frame"      512   - / 18    red, green, blue per light frame position
//                                      (the host streams the first 384 bytes)
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "emulator/memory_map.h"

namespace viremo::emulator {

namespace region {
inline constexpr std::string_view KeyTable = "key table";
inline constexpr std::string_view KeyAttributes = "key attributes";
inline constexpr std::string_view MacroMemory = "macro memory";
inline constexpr std::string_view ColourPages = "colour pages";
}  // namespace region

namespace keyboard {

inline constexpr uint8_t kMacroUnits = 32;
inline constexpr size_t kMacroUnitLength = 128;
inline constexpr size_t kMacroMemoryLength = kMacroUnits * kMacroUnitLength;  // 4096
inline constexpr size_t kColourPageLength = 512;
inline constexpr size_t kColourPageCount = 4;

// The keyboard's own regions: settings, key table, key attributes, macro
// memory and colour pages, in their factory state. The regions every product
// has (device information, status, light frame) come from products.cpp.
std::vector<MemoryRegion> keyboardRegions();

}  // namespace keyboard

}  // namespace viremo::emulator
