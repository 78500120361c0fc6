#include "devices/device_info.h"

namespace viremo::devices {

unsigned infoFieldValue(std::span<const uint8_t, kDeviceInfoSize> block, DeviceInfoField field) {
    unsigned value = 0;
    for (size_t i = 0; i < field.width && field.offset + i < block.size(); ++i)
        value |= unsigned(block[field.offset + i]) << (8 * i);
    return value;
}

DeviceInfo decodeDeviceInfo(std::span<const uint8_t, kDeviceInfoSize> block) {
    DeviceInfo info;
    info.keyCount = uint8_t(infoFieldValue(block, info_field::kKeyCount));
    info.macroUnits = uint8_t(infoFieldValue(block, info_field::kMacroUnits));
    info.sensor = uint16_t(infoFieldValue(block, info_field::kSensor));
    info.dpiStep = uint8_t(infoFieldValue(block, info_field::kDpiStep));
    info.highestDpiLevel = uint16_t(infoFieldValue(block, info_field::kHighestDpiLevel));
    info.lowestDpi = uint16_t(infoFieldValue(block, info_field::kLowestDpi));
    return info;
}

bool useKeyTableBlockSize(CommandChannel& channel, const DeviceInfo& info) {
    const size_t size = info.KeyTableSize();
    return size <= kMaxBlockSize && channel.SetBlockSize(uint16_t(size));
}

}  // namespace viremo::devices
