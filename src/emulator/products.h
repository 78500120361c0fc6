#pragma once
// The emulated products: the firmware of each device (its memory as data) and
// the USB devices that carry it, on the cable or through a wireless receiver.
//
// Memory every product has (region names for DeviceFirmware::memory):
//   "device info"  34 bytes, ReadDeviceInfo. Our layout: bytes 0-1 product id
//                  of the device, 2-3 firmware version (the USB version
//                  number), 5 key positions (keyboard) or buttons (mouse),
//                  6 macro memory in units of 128 bytes; the mouse adds its
//                  sensor id (9-10), DPI step (11), highest DPI level (12-13)
//                  and lowest DPI (14-15).
//   "status"       6 bytes, ReadStatus; byte 4 is the battery level.
//   "settings"     ReadSettings / WriteSettings.
//   "light frame"  512 bytes written by StreamLightFrame (not the headset,
//                  whose lights take their own colour reports).
// The keyboard adds its key table, key attributes, macro memory and colour
// pages (keyboard_memory.h); the mouse its button table, macro and recoil
// memory (mouse_memory.h).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "emulator/device_firmware.h"
#include "emulator/emulated_product.h"
#include "emulator/mouse_memory.h"
#include "emulator/receiver.h"

namespace viremo::emulator {

namespace region {
inline constexpr std::string_view DeviceInfo = "device info";
inline constexpr std::string_view Status = "status";
inline constexpr std::string_view Settings = "settings";
inline constexpr std::string_view LightFrame = "light frame";
}  // namespace region

inline constexpr size_t kDeviceInfoLength = 34;
inline constexpr size_t kStatusLength = 6;
inline constexpr size_t kStatusBatteryByte = 4;
inline constexpr size_t kLightFrameLength = 512;

inline constexpr uint16_t kVendrakeVendorId = 0x320F;
inline constexpr uint16_t kHeadsetVendorId = 0x0C76;
inline constexpr uint16_t kKeyboardProductId = 0x5078;
inline constexpr uint16_t kKeyboardReceiverProductId = 0x5001;
inline constexpr uint16_t kMouseProductId = 0x221C;
inline constexpr uint16_t kMouseReceiverProductId = 0x221D;
inline constexpr uint16_t kMousePadProductId = 0x1004;
inline constexpr uint16_t kHeadsetProductId = 0x1630;

// Fresh firmware of each device, memory in its factory state.
std::shared_ptr<DeviceFirmware> keyboardFirmware();
std::shared_ptr<DeviceFirmware> mouseFirmware(const mouse::Sensor& sensor = mouse::k3325Sensor);
std::shared_ptr<DeviceFirmware> mousePadFirmware();
std::shared_ptr<DeviceFirmware> headsetFirmware();

// The USB devices. A receiver product forwards to the firmware of its device,
// so the same firmware serves both paths of one product.
EmulatedProduct keyboardOnCable(std::shared_ptr<DeviceFirmware> keyboard);
EmulatedProduct keyboardReceiver(std::shared_ptr<Receiver> receiver);
EmulatedProduct mouseOnCable(std::shared_ptr<DeviceFirmware> mouse);
EmulatedProduct mouseReceiver(std::shared_ptr<Receiver> receiver);
EmulatedProduct mousePad(std::shared_ptr<DeviceFirmware> pad);
EmulatedProduct headset(std::shared_ptr<DeviceFirmware> headset);

}  // namespace viremo::emulator
