#include "macros/event_image.h"
#include "macros/macro_image.h"
#include "macros/recoil_store.h"

#include <gtest/gtest.h>

namespace viremo {
namespace {

std::vector<uint8_t> bytes(std::initializer_list<int> values) { return {values.begin(), values.end()}; }

EventBlock blockOf(size_t events) { return EventBlock(events, PackedMacroEvent{0x32, 0x00, 0x81, 0x01}); }

TEST(MacroImage, TwoMacrosOfTwoAndOneEvents) {
    const std::vector<EventBlock> macros = {
        {{0x2C, 0x01, 0x8A, 0x04}, {0x00, 0x00, 0x0A, 0x04}},
        {{0x0A, 0x00, 0x81, 0x01}},
    };
    const MacroImage image = buildMacroImage(macros, macroCapacity(1));
    ASSERT_EQ(image.result, 0);
    EXPECT_EQ(image.bytes, bytes({
                               0xAA, 0x55, 0x28, 0x00, 0x02, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // header, size 40
                               0x14, 0x00, 0x20, 0x00,                                            // blocks at 20 and 32
                               0x02, 0x00, 0x00, 0x00, 0x2C, 0x01, 0x8A, 0x04, 0x00, 0x00, 0x0A, 0x04,
                               0x01, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x81, 0x01,
                           }));
}

TEST(MacroImage, FitsAtExactlyTheCapacityAndCountsTheOverflow) {
    // 16 + 6 x 2 + 4 x 25 = 128 bytes: exactly one unit of macro memory.
    const std::vector<EventBlock> exact = {blockOf(20), blockOf(5)};
    const MacroImage fits = buildMacroImage(exact, macroCapacity(1));
    EXPECT_EQ(fits.result, 0);
    EXPECT_EQ(fits.bytes.size(), 128u);

    const std::vector<EventBlock> over = {blockOf(21), blockOf(5)};
    const MacroImage refused = buildMacroImage(over, macroCapacity(1));
    EXPECT_EQ(refused.result, 2);  // (132 - 128) / 4 + 1
    EXPECT_TRUE(refused.bytes.empty());

    EXPECT_EQ(buildMacroImage(exact, macroCapacity(0)).result, 128 / 4 + 1);
}

TEST(MacroImage, AnEmptyListIsTheBareHeader) {
    const MacroImage image = buildMacroImage({}, macroCapacity(4));
    EXPECT_EQ(image.result, 0);
    EXPECT_EQ(image.bytes, bytes({0xAA, 0x55, 0x10, 0x00, 0x00, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(RecoilImage, HeaderOfFourFullGuns) {
    const std::vector<EventBlock> guns(4, blockOf(180));
    const auto image = buildRecoilImage(guns);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->size(), 2920u);  // 16 + 24 + 4 x 720
    const std::vector<uint8_t> header(image->begin(), image->begin() + 28);
    EXPECT_EQ(header, bytes({
                          0xAA, 0x55, 0x68, 0x0B, 0x04, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                          0x18, 0x00, 0xEC, 0x02, 0xC0, 0x05, 0x94, 0x08,  // 24, 748, 1472, 2196
                          0xB4, 0x00, 0x00, 0x00,                          // first gun: 180 events
                      }));
    EXPECT_EQ((*image)[748], 0xB4);
    EXPECT_EQ((*image)[2196 + 4], 0x32);
}

TEST(RecoilImage, GunsTooLargeForTheSixteenBitFieldsAreRefused) {
    // 16 + 24 + 4 x 16381 = 65564 bytes cannot be addressed.
    const std::vector<EventBlock> guns = {blockOf(16381), {}, {}, {}};
    EXPECT_FALSE(buildRecoilImage(guns));
    const std::vector<EventBlock> largest = {blockOf(16373), {}, {}, {}};  // 65532 bytes
    EXPECT_TRUE(buildRecoilImage(largest));
}

}  // namespace
}  // namespace viremo
