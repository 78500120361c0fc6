#include "macros/used_macros.h"

#include <gtest/gtest.h>

namespace viremo {
namespace {

TEST(UsedMacros, ListsMacrosInOrderOfFirstUseAndCompactsTheirNumbers) {
    const AssignmentCode factory{0x20, 0, 0x04};
    const std::vector<AssignmentCode> keys = {
        {0x70, 9, 0}, {0x20, 0, 0x05}, {0x71, 4, 3}, {0x70, 9, 1}, {0x70, 12, 0},
    };
    const auto used = usedMacros(keys, 10);
    EXPECT_EQ(used, (std::vector<int>{9, 4}));
    EXPECT_EQ(deviceKeyCode(keys[0], factory, used, 10), (AssignmentCode{0x70, 0, 0}));
    EXPECT_EQ(deviceKeyCode(keys[1], factory, used, 10), keys[1]);
    EXPECT_EQ(deviceKeyCode(keys[2], factory, used, 10), (AssignmentCode{0x71, 1, 3}));
    EXPECT_EQ(deviceKeyCode(keys[3], factory, used, 10), (AssignmentCode{0x70, 0, 1}));
    EXPECT_EQ(deviceKeyCode(keys[4], factory, used, 10), factory);  // beyond the library
    EXPECT_EQ(deviceKeyCode({0x70, 10, 0}, factory, used, 10), factory);  // equal to the count
}

TEST(UsedMacros, BindingsBeyondTheLibraryGetTheirFactoryCodeBack) {
    std::vector<KeyListEntry> keys = {
        {KeyAssignment::fromCode(0, 0x700300), KeyAssignment::fromCode(0, 0x200004)},
        {KeyAssignment::fromCode(1, 0x710205), KeyAssignment::fromCode(1, 0x200005)},
    };
    EXPECT_TRUE(resetMissingMacroBindings(keys, 3));
    EXPECT_EQ(keys[0].current.code(), 0x200004u);
    EXPECT_EQ(keys[0].current.position, 0);
    EXPECT_EQ(keys[1].current.code(), 0x710205u);
    EXPECT_FALSE(resetMissingMacroBindings(keys, 3));
}

}  // namespace
}  // namespace viremo
