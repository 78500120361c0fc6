#pragma once
// The information block every kind answers ReadDeviceInfo with (34 bytes
// from address 0) and the fields the program reads from it, decoded here
// and nowhere else. Multi-byte fields are little-endian.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "devices/protocol/command_channel.h"

namespace viremo::devices {

using DeviceInfoBlock = std::array<uint8_t, kDeviceInfoSize>;

// Where a field lies in the block.
struct DeviceInfoField {
    size_t offset;
    size_t width;  // bytes
};

namespace info_field {
inline constexpr DeviceInfoField kKeyCount{5, 1};      // key (or button) positions: 3 table bytes each
inline constexpr DeviceInfoField kMacroUnits{6, 1};    // macro memory: 128 bytes each
inline constexpr DeviceInfoField kSensor{9, 2};        // mouse sensor id
inline constexpr DeviceInfoField kDpiStep{11, 1};      // DPI per level
inline constexpr DeviceInfoField kHighestDpiLevel{12, 2};
inline constexpr DeviceInfoField kLowestDpi{14, 2};
}  // namespace info_field

inline constexpr size_t kKeyTableBytesPerKey = 3;

// The field's value in a block.
unsigned infoFieldValue(std::span<const uint8_t, kDeviceInfoSize> block, DeviceInfoField field);

struct DeviceInfo {
    uint8_t keyCount = 0;
    uint8_t macroUnits = 0;
    uint16_t sensor = 0;
    uint8_t dpiStep = 0;
    uint16_t highestDpiLevel = 0;
    uint16_t lowestDpi = 0;

    // The bytes of the key table (and of its key attribute block, a third).
    size_t KeyTableSize() const { return size_t(keyCount) * kKeyTableBytesPerKey; }
};

DeviceInfo decodeDeviceInfo(std::span<const uint8_t, kDeviceInfoSize> block);

// Sets the channel's block size to the key table of `info`; false when the
// table would exceed the largest block.
bool useKeyTableBlockSize(CommandChannel& channel, const DeviceInfo& info);

}  // namespace viremo::devices
