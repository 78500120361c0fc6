#include "hid/sysfs_hid.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "hid/report_descriptor.h"

namespace viremo::hid {
namespace {

const std::filesystem::path kUsbDevice = std::filesystem::path(VIREMO_TEST_DATA) / "sysfs/usb1/1-1";
const std::filesystem::path kUsbInterface = kUsbDevice / "1-1:1.1";
const std::filesystem::path kHidDevice = kUsbInterface / "0003:320F:5078.0002";
// A device created through uhid: no USB folders, the interface in HID_PHYS.
const std::filesystem::path kUhidDevice =
    std::filesystem::path(VIREMO_TEST_DATA) / "sysfs/devices/virtual/misc/uhid/0003:320F:5078.0003";
// A HID device on I2C: no USB folders, no interface anywhere.
const std::filesystem::path kI2cHidDevice =
    std::filesystem::path(VIREMO_TEST_DATA) / "sysfs/i2c/i2c-TPAD0001:00/0018:1234:5678.0001";

TEST(SysfsHid, ReadsIdsInterfaceVersionAndDescriptorOfANode) {
    std::string error;
    const auto node = readHidrawNode("/dev/hidraw4", {kHidDevice, kUsbInterface, kUsbDevice}, error);
    ASSERT_TRUE(node) << error;
    EXPECT_EQ(node->devnode, "/dev/hidraw4");
    EXPECT_EQ(node->vendorId, 0x320F);
    EXPECT_EQ(node->productId, 0x5078);
    EXPECT_EQ(node->interfaceNumber, 1);
    EXPECT_EQ(node->versionNumber, 0x0102);
    ASSERT_EQ(node->reportDescriptor.size(), 29u);
    const auto parsed = parseReportDescriptor(node->reportDescriptor);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.collections.at(0).usagePage, 0xFF1C);
}

TEST(SysfsHid, NodeOffUsbReadsAsInterfaceZeroAndMissingFilesAreReported) {
    std::string error;
    const auto node = readHidrawNode("/dev/hidraw9", {kI2cHidDevice, {}, {}}, error);
    ASSERT_TRUE(node) << error;
    EXPECT_EQ(node->interfaceNumber, 0);
    EXPECT_EQ(node->versionNumber, 0);

    EXPECT_FALSE(readHidrawNode("/dev/hidraw9", {kUsbInterface, {}, {}}, error));
    EXPECT_NE(error.find("HID_ID"), std::string::npos);
}

TEST(SysfsHid, UhidNodeTakesItsInterfaceFromThePhysicalPath) {
    std::string error;
    const auto node = readHidrawNode("/dev/hidraw5", {kUhidDevice, {}, {}}, error);
    ASSERT_TRUE(node) << error;
    EXPECT_EQ(node->vendorId, 0x320F);
    EXPECT_EQ(node->productId, 0x5078);
    EXPECT_EQ(node->interfaceNumber, 1);
    EXPECT_EQ(node->versionNumber, 0);
}

// A file that fails to read, as those of an unplugged device do (here a
// folder in place of the descriptor), reads as missing.
TEST(SysfsHid, FileThatFailsToReadIsMissing) {
    const auto folder = std::filesystem::temp_directory_path() / ("viremo-sysfs-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "report_descriptor");
    std::ofstream(folder / "uevent") << "HID_ID=0003:0000320F:00005078\nHID_PHYS=viremo-uhid-1/input1\n";
    std::string error;
    EXPECT_FALSE(readHidrawNode("/dev/hidraw7", {folder, {}, {}}, error));
    EXPECT_NE(error.find("report descriptor"), std::string::npos) << error;
    std::filesystem::remove_all(folder);
}

TEST(SysfsHid, ParsesTheInterfaceAtTheEndOfHidPhys) {
    const struct {
        const char* uevent;
        std::optional<uint8_t> interfaceNumber;
    } cases[] = {
        {"HID_ID=0003:0000320F:00005078\nHID_PHYS=usb-0000:00:14.0-1/input1\nHID_UNIQ=\n", 1},
        {"HID_PHYS=viremo-uhid-12/input3", 3},
        {"HID_PHYS=usb-0000:00:14.0-1.2/input10\n", 10},  // decimal, as the kernel writes it
        {"HID_PHYS=usb-0000:00:14.0-1/input255\n", 255},
        {"HID_PHYS=usb-0000:00:14.0-1/input256\n", std::nullopt},
        {"HID_PHYS=usb-0000:00:14.0-1/input\n", std::nullopt},
        {"HID_PHYS=usb-0000:00:14.0-1/input1a\n", std::nullopt},
        {"HID_PHYS=usb-0000:00:14.0-1/input1/x\n", std::nullopt},
        {"HID_PHYS=i2c-TPAD0001:00\n", std::nullopt},
        {"HID_PHYS=\n", std::nullopt},
        {"XHID_PHYS=usb-0000:00:14.0-1/input1\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.uevent);
        EXPECT_EQ(parsePhysInterfaceNumber(c.uevent), c.interfaceNumber);
    }
}

TEST(SysfsHid, ParsesHidIdLines) {
    const struct {
        const char* uevent;
        std::optional<uint16_t> vendor, product;
    } cases[] = {
        {"DRIVER=hid-generic\nHID_ID=0003:0000320F:00005078\n", 0x320F, 0x5078},
        {"HID_ID=0005:00000C76:00001630", 0x0C76, 0x1630},
        {"HID_ID=0003:0001320F:00005078\n", std::nullopt, std::nullopt},  // vendor beyond 16 bits
        {"HID_ID=0003:0000320F\n", std::nullopt, std::nullopt},
        {"HID_ID=0003::\n", std::nullopt, std::nullopt},
        {"XHID_ID=0003:0000320F:00005078\n", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.uevent);
        const auto ids = parseHidId(c.uevent);
        ASSERT_EQ(ids.has_value(), c.vendor.has_value());
        if (!ids) continue;
        EXPECT_EQ(ids->vendorId, *c.vendor);
        EXPECT_EQ(ids->productId, *c.product);
    }
    EXPECT_EQ(parseHexAttribute("0a\n"), 10);
    EXPECT_EQ(parseHexAttribute("12345"), std::nullopt);
    EXPECT_EQ(parseHexAttribute("\n"), std::nullopt);
}

}  // namespace
}  // namespace viremo::hid
