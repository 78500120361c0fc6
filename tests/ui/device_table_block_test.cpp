#include "ui/device_table_block.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace viremo::ui {
namespace {

TEST(DeviceTableBlockTest, VersionKindsAndTheirIdsAsLittleEndianWords) {
    const std::vector<uint8_t> block = BuildDeviceTableBlock();
    ASSERT_EQ(block.size(), 1024u);
    // Version 2.3.0.2, four kinds, then vendor, product and model of the
    // mouse, keyboard, mouse pad and headset rows.
    const std::vector<uint8_t> head = {
        2, 0, 0, 0,  3, 0, 0, 0,  0, 0, 0, 0,  2, 0, 0, 0,  4, 0, 0, 0,
        0x0F, 0x32, 0, 0,  0x1C, 0x22, 0, 0,  2, 0, 0, 0,
        0x0F, 0x32, 0, 0,  0x78, 0x50, 0, 0,  1, 0, 0, 0,
        0x0F, 0x32, 0, 0,  0x04, 0x10, 0, 0,  3, 0, 0, 0,
        0x76, 0x0C, 0, 0,  0x30, 0x16, 0, 0,  7, 0, 0, 0,
    };
    EXPECT_EQ(std::vector<uint8_t>(block.begin(), block.begin() + head.size()), head);
    EXPECT_TRUE(std::all_of(block.begin() + head.size(), block.end(), [](uint8_t b) { return b == 0; }));
}

}  // namespace
}  // namespace viremo::ui
