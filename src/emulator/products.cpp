#include "emulator/products.h"

#include "emulator/command_codes.h"
#include "emulator/keyboard_key_table.h"
#include "emulator/keyboard_memory.h"
#include "emulator/little_endian.h"
#include "emulator/mouse_pad_firmware.h"
#include "emulator/report_descriptors.h"

namespace viremo::emulator {

namespace {

// Firmware versions, reported as the USB version number and in the device
// information block.
constexpr uint16_t kKeyboardVersion = 0x0105;
constexpr uint16_t kKeyboardReceiverVersion = 0x0102;
constexpr uint16_t kMouseVersion = 0x0110;
constexpr uint16_t kMouseReceiverVersion = 0x0103;
constexpr uint16_t kMousePadVersion = 0x0101;
constexpr uint16_t kHeadsetVersion = 0x0100;
// The headset's lighting controller keeps the 21-byte settings block at 0.
constexpr size_t kHeadsetSettingsLength = 128;

constexpr uint8_t kFullBattery = 100;

struct DeviceInfoFields {
    uint16_t productId = 0;
    uint16_t version = 0;
    uint8_t keyCount = 0;
    uint8_t macroUnits = 0;
};

std::vector<uint8_t> deviceInfo(const DeviceInfoFields& fields) {
    std::vector<uint8_t> info(kDeviceInfoLength, 0);
    putWord(info, 0, fields.productId);
    putWord(info, 2, fields.version);
    info[5] = fields.keyCount;
    info[6] = fields.macroUnits;
    return info;
}

std::vector<uint8_t> statusBlock(uint8_t battery) {
    std::vector<uint8_t> status(kStatusLength, 0);
    status[kStatusBatteryByte] = battery;
    return status;
}

MemoryRegion deviceInfoRegion(std::vector<uint8_t> info) {
    return {std::string(region::DeviceInfo), command::ReadDeviceInfo, kNoCommand, std::move(info)};
}

MemoryRegion statusRegion(uint8_t battery) {
    return {std::string(region::Status), command::ReadStatus, kNoCommand, statusBlock(battery)};
}

MemoryRegion settingsRegion(std::vector<uint8_t> factory) {
    return {std::string(region::Settings), command::ReadSettings, command::WriteSettings, std::move(factory)};
}

MemoryRegion lightFrameRegion() {
    return {std::string(region::LightFrame), kNoCommand, command::StreamLightFrame,
            std::vector<uint8_t>(kLightFrameLength, 0)};
}

// Interface 0 (a boot keyboard or mouse) and interface 1 (the composite
// interface with the command collection) of a 320F product.
EmulatedProduct vendrakeProduct(std::string name, uint16_t productId, uint16_t version,
                                std::vector<uint8_t> bootDescriptor, std::shared_ptr<CommandTarget> target) {
    EmulatedProduct product;
    product.name = std::move(name);
    product.vendorId = kVendrakeVendorId;
    product.productId = productId;
    product.versionNumber = version;
    product.interfaces.push_back({0, std::move(bootDescriptor), std::make_shared<InterfaceFirmware>()});
    product.interfaces.push_back({1, commandInterfaceDescriptor(),
                                  std::make_shared<InterfaceFirmware>(std::move(target), kConsumerReportId)});
    return product;
}

}  // namespace

std::shared_ptr<DeviceFirmware> keyboardFirmware() {
    std::vector<MemoryRegion> regions{
        deviceInfoRegion(deviceInfo({kKeyboardProductId, kKeyboardVersion, uint8_t(keyboard::kKeyPositions),
                                     keyboard::kMacroUnits})),
        statusRegion(kFullBattery),
        lightFrameRegion(),
    };
    for (auto& keyboardRegion : keyboard::keyboardRegions()) regions.push_back(std::move(keyboardRegion));
    return std::make_shared<DeviceFirmware>(MemoryMap(std::move(regions)));
}

std::shared_ptr<DeviceFirmware> mouseFirmware(const mouse::Sensor& sensor) {
    auto info = deviceInfo({kMouseProductId, kMouseVersion, mouse::kButtons, mouse::kMacroUnits});
    putWord(info, 9, sensor.id);
    info[11] = sensor.dpiStep;
    putWord(info, 12, sensor.highestLevel);
    putWord(info, 14, sensor.lowestDpi);
    std::vector<MemoryRegion> regions{
        deviceInfoRegion(std::move(info)),
        statusRegion(kFullBattery),
        lightFrameRegion(),
    };
    for (auto& mouseRegion : mouse::mouseRegions()) regions.push_back(std::move(mouseRegion));
    return std::make_shared<DeviceFirmware>(MemoryMap(std::move(regions)));
}

std::shared_ptr<DeviceFirmware> mousePadFirmware() {
    return std::make_shared<DeviceFirmware>(MemoryMap({
        deviceInfoRegion(deviceInfo({kMousePadProductId, kMousePadVersion, 0, 0})),
        statusRegion(0),
        settingsRegion(pad::factorySettings()),
        lightFrameRegion(),
    }));
}

std::shared_ptr<DeviceFirmware> headsetFirmware() {
    return std::make_shared<DeviceFirmware>(MemoryMap({
        deviceInfoRegion(deviceInfo({kHeadsetProductId, kHeadsetVersion, 0, 0})),
        statusRegion(kFullBattery),
        settingsRegion(factoryLightSettings(kHeadsetSettingsLength)),
    }));
}

EmulatedProduct keyboardOnCable(std::shared_ptr<DeviceFirmware> keyboard) {
    return vendrakeProduct("keyboard", kKeyboardProductId, kKeyboardVersion, bootKeyboardDescriptor(),
                           std::move(keyboard));
}

EmulatedProduct keyboardReceiver(std::shared_ptr<Receiver> receiver) {
    return vendrakeProduct("keyboard-receiver", kKeyboardReceiverProductId, kKeyboardReceiverVersion,
                           bootKeyboardDescriptor(), std::move(receiver));
}

EmulatedProduct mouseOnCable(std::shared_ptr<DeviceFirmware> mouse) {
    return vendrakeProduct("mouse", kMouseProductId, kMouseVersion, bootMouseDescriptor(), std::move(mouse));
}

EmulatedProduct mouseReceiver(std::shared_ptr<Receiver> receiver) {
    return vendrakeProduct("mouse-receiver", kMouseReceiverProductId, kMouseReceiverVersion,
                           bootMouseDescriptor(), std::move(receiver));
}

EmulatedProduct mousePad(std::shared_ptr<DeviceFirmware> pad) {
    return vendrakeProduct("mouse-pad", kMousePadProductId, kMousePadVersion, bootKeyboardDescriptor(),
                           std::move(pad));
}

EmulatedProduct headset(std::shared_ptr<DeviceFirmware> headset) {
    EmulatedProduct product;
    product.name = "headset";
    product.vendorId = kHeadsetVendorId;
    product.productId = kHeadsetProductId;
    product.versionNumber = kHeadsetVersion;
    product.interfaces.push_back(
        {3, headsetDescriptor(), std::make_shared<InterfaceFirmware>(std::move(headset), kHeadsetConsumerReportId)});
    return product;
}

}  // namespace viremo::emulator
