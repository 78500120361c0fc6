#include "hid/interface_path.h"

#include <gtest/gtest.h>

#include "hid/hid_device.h"

namespace viremo::hid {
namespace {

TEST(InterfacePath, NumbersAreReadAsHexadecimalWithoutRegardToCase) {
    const struct {
        const char* path;
        uint32_t vendor, product, interfaceNumber, collection;
    } cases[] = {
        {"/dev/hidraw3#vid_320f&pid_5078&mi_01&col04", 0x320F, 0x5078, 1, 4},
        {"/dev/hidraw3#vid_320f&pid_5078&mi_01&col0a", 0x320F, 0x5078, 1, 10},
        {"/dev/hidraw7#vid_0c76&pid_1630&mi_03", 0x0C76, 0x1630, 3, 0},  // the headset: no "&col"
        {"\\\\?\\HID#VID_320F&PID_221D&MI_01&COL03#8&1c2d&0&0002", 0x320F, 0x221D, 1, 3},
        {"/dev/hidraw0", 0, 0, 0, 0},
        {"/dev/hidraw0#vid_&pid_zz&mi_&col", 0, 0, 0, 0},
        {"x#vid_1320f&col123456789", 0x1320F, 0, 0, 0xFFFFFFFF},  // kept wide, saturated
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(VendorIdFromPath(c.path), c.vendor);
        EXPECT_EQ(ProductIdFromPath(c.path), c.product);
        EXPECT_EQ(InterfaceNumberFromPath(c.path), c.interfaceNumber);
        EXPECT_EQ(CollectionNumberFromPath(c.path), c.collection);
    }
}

TEST(InterfacePath, IsWrittenInLowerCaseWithCollectionOnlyWhenSeveral) {
    EXPECT_EQ(interfacePath("/dev/hidraw3", 0x320F, 0x5078, 1, 10), "/dev/hidraw3#vid_320f&pid_5078&mi_01&col0a");
    EXPECT_EQ(interfacePath("/dev/hidraw7", 0x0C76, 0x1630, 3, 0), "/dev/hidraw7#vid_0c76&pid_1630&mi_03");
    EXPECT_EQ(nodeOfPath("/dev/hidraw7#vid_0c76&pid_1630&mi_03"), "/dev/hidraw7");
}

}  // namespace
}  // namespace viremo::hid
