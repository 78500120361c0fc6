#pragma once
// What sysfs tells about one hidraw node, read from plain files so that it
// can be tested on a fixture tree. libudev only finds the folders:
//   hid device     .../0003:320F:5078.0001/  uevent (HID_ID=...), report_descriptor
//   USB interface  its parent                bInterfaceNumber
//   USB device     the interface's parent    bcdDevice
// A HID device that is not on USB has no interface folder: its interface
// number is then the one at the end of HID_PHYS in its uevent, where USB HID
// devices and those created through uhid carry it (".../input1"), else 0;
// its version reads 0.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace viremo::hid {

struct SysfsFolders {
    std::filesystem::path hidDevice;
    std::filesystem::path usbInterface;  // empty when not on USB
    std::filesystem::path usbDevice;     // empty when not on USB
};

struct HidrawNode {
    std::string devnode;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
    uint8_t interfaceNumber = 0;
    std::vector<uint8_t> reportDescriptor;
};

struct HidIds {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
};

// "HID_ID=0003:0000320F:00005078" among the lines of a uevent file.
std::optional<HidIds> parseHidId(std::string_view uevent);

// The decimal number after the last "/input" of "HID_PHYS=..." among the
// lines of a uevent file, when the value ends with it and it fits a byte.
std::optional<uint8_t> parsePhysInterfaceNumber(std::string_view uevent);

// A hexadecimal sysfs attribute such as bInterfaceNumber ("01\n") or
// bcdDevice ("0102\n"); nothing when it is not a number that fits.
std::optional<uint16_t> parseHexAttribute(std::string_view text);

// Empty when the hid device folder lacks its uevent ids or its descriptor;
// `error` then says what is missing.
std::optional<HidrawNode> readHidrawNode(const std::string& devnode, const SysfsFolders& folders,
                                         std::string& error);

}  // namespace viremo::hid
