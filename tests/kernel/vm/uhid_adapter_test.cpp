// What the uhid adapter refuses before the kernel sees anything.
#include <gtest/gtest.h>

#include "emulator/products.h"
#include "emulator/uhid_adapter.h"

namespace viremo::kernel_tests {
namespace {

TEST(UhidAdapter, RefusesATakenNodeABadDescriptorAndNoFirmware) {
    emulator::UhidAdapter adapter;
    const auto product = emulator::keyboardOnCable(emulator::keyboardFirmware());
    const auto usbInterface = product.usbInterface(product.interfaces.at(0));
    std::string why;
    ASSERT_TRUE(adapter.plug(usbInterface, &why)) << why;
    EXPECT_TRUE(adapter.isPlugged(usbInterface.node));

    const struct {
        const char* what;
        hid::EmulatedUsbInterface usbInterface;
        const char* reason;
    } cases[] = {
        {"taken node", usbInterface, "node already plugged"},
        {"collection never closed",
         [&] {
             auto broken = usbInterface;
             broken.node = "broken";
             broken.reportDescriptor = {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01};
             return broken;
         }(),
         "report descriptor"},
        {"no collection",
         [&] {
             auto empty = usbInterface;
             empty.node = "empty";
             empty.reportDescriptor = {0x05, 0x01};
             return empty;
         }(),
         "report descriptor"},
        {"no firmware",
         [&] {
             auto silent = usbInterface;
             silent.node = "silent";
             silent.firmware = nullptr;
             return silent;
         }(),
         "no firmware"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        why.clear();
        EXPECT_FALSE(adapter.plug(c.usbInterface, &why));
        EXPECT_NE(why.find(c.reason), std::string::npos) << why;
    }
    EXPECT_FALSE(adapter.isPlugged("broken"));
    adapter.unplug(usbInterface.node);
    EXPECT_FALSE(adapter.isPlugged(usbInterface.node));
}

}  // namespace
}  // namespace viremo::kernel_tests
