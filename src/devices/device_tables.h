#pragma once
// The supported devices, fixed at build time: the HID interface table (which
// HID interfaces belong to a supported device and what role each plays), the
// device kind table, the device page table and the model table. Adding a
// device means adding rows here.
#include <array>
#include <cstdint>
#include <string_view>

#include "devices/interface_record.h"

namespace viremo::devices {

inline constexpr int kNone = -1;

// ---- HID interface table -------------------------------------------------

inline constexpr int kHidInterfaceRowCount = 11;
const std::array<InterfaceRecord, kHidInterfaceRowCount>& hidInterfaceTable();

// First row with these four fields; kNone when none.
int findHidInterfaceRow(uint32_t vendorId, uint32_t productId, uint32_t modelId, uint32_t role);

// Matching a discovered interface: before opening it, by what its path says;
// after opening it, also by the usage page and usage of its collection.
// Arguments are taken wide, as read from a path: a value that does not fit
// a table field matches nothing.
int matchBeforeOpen(uint32_t vendorId, uint32_t productId, uint32_t collection, uint32_t interfaceNumber);
int matchAfterOpen(uint32_t vendorId, uint32_t productId, uint32_t collection, uint32_t interfaceNumber,
                   uint32_t usagePage, uint32_t usage);

// A receiver's record stands for the wired product it pairs with: it is
// replaced by the row its partner field names. Any other record, or a
// receiver without a valid partner, is returned as it is.
InterfaceRecord wiredEquivalent(const InterfaceRecord& record);

// The wired model of a receiver model (9 to 1, 6 to 2); others unchanged.
uint16_t wiredModel(uint16_t modelId);

// ---- Device kind table ---------------------------------------------------

struct DeviceKind {
    std::string_view tabSkin;
    std::string_view tabGroup;
    std::string_view powerLayout;
    std::string_view kindName;
    int kindCode;
    uint16_t vendorId;  // of the wired product
    uint16_t productId;
    uint16_t modelId;   // never a receiver model
    uint16_t variant;
};

inline constexpr int kKindMouse = 0;
inline constexpr int kKindKeyboard = 1;
inline constexpr int kKindMousePad = 2;
inline constexpr int kKindHeadset = 3;
inline constexpr int kKindCount = 4;

inline constexpr std::string_view kDeviceTabSkin = "XML\\CustomControlXML\\DeviceOption.xml";

inline constexpr std::array<DeviceKind, kKindCount> kDeviceKindTable = {{
    {kDeviceTabSkin, "tab_header_device", "device_power_switch", "mouse", 1, 0x320F, 0x221C, 2, 0},
    {kDeviceTabSkin, "tab_header_device", "device_power_switch", "keyboard", 0, 0x320F, 0x5078, 1, 0},
    {kDeviceTabSkin, "tab_header_device", "device_power_switch", "MousePad", 2, 0x320F, 0x1004, 3, 0},
    {kDeviceTabSkin, "tab_header_device", "device_power_switch", "HD", 3, 0x0C76, 0x1630, 7, 0},
}};

// First kind row with these four fields; kNone when none. Receiver ids find
// nothing: the caller maps a receiver to its wired product first.
int findKindRow(uint32_t vendorId, uint32_t productId, uint32_t modelId, uint32_t variant);

// ---- Device page table (row k belongs to kind k) -------------------------

struct DevicePage {
    int lightCount;
    int keyCount;
    bool batteryPowered;
    int reserved;
    std::string_view deviceSkin;
    std::string_view lightingPresetName;
};

inline constexpr std::array<DevicePage, kKindCount> kDevicePageTable = {{
    {15, 11, true, -1, "XML\\DeviceXml\\mousedevice.xml", "quelm_light"},
    {170, 170, false, -1, "XML\\DeviceXml\\keyboarddevice.xml", "quelm_light"},
    {15, 0, false, -1, "XML\\DeviceXml\\mousepaddevice.xml", "quelm_light"},
    {13, 0, false, -1, "XML\\DeviceXml\\hs6533device.xml", "quelm_light"},
}};

// ---- Model table ---------------------------------------------------------
// Rows 0 to 2 are the products of the device tabs in tab order (mouse,
// keyboard, mouse pad); row 3 is the application. The identifiers form the
// application key of the update service; a non-zero first identifier marks
// a product whose versions are hexadecimal (device firmware).

struct ModelRow {
    int firstId;
    int secondId;
    int installedVersion;  // filled at run time
    std::string_view brand;
    std::string_view modelCode;
    std::string_view productCode;
    std::string_view displayCode;
    std::string_view versionLabel;  // the About window's text, last row only
};

inline constexpr int kModelRowCount = 4;

inline constexpr std::array<ModelRow, kModelRowCount> kModelTable = {{
    {2, 7, 0, "VRAKE", "VR_M221C", "MOUSE", "MS", ""},
    {1, 7, 0, "VRAKE", "VR_K5078", "KEYBOARD", "KB", ""},
    {0, 7, 0, "VRAKE", "VR_P1004", "MOUSEPAD", "MP", ""},
    {0, 7, 0, "VRAKE", "VR_TKL", "DRIVER", "VR", "VIREMO V.10"},
}};

}  // namespace viremo::devices
