// Finding keys and their lights in a keyboard's key table and key attribute
// block.
#include <gtest/gtest.h>

#include "devices/keyboard/keyboard_layout.h"

namespace viremo::devices::keyboard {
namespace {

using Bytes = std::vector<uint8_t>;

// Six key positions: A, Esc, a code this program gave a key, S, Esc again, A again.
const Bytes kTable{0x20, 0x00, 0x04, 0x20, 0x00, 0x29, 0x70, 0x00, 0x00,
                   0x20, 0x00, 0x16, 0x20, 0x00, 0x29, 0x20, 0x00, 0x04};
const Bytes kLights{10, 200, 169, 255, 3, 4};
constexpr int kEsc = 0, kOne = 22, kTwo = 23, kA = 64, kS = 65;

TEST(KeyboardLayoutTest, FirstPositionOfEachFactoryCodeAndItsLight) {
    const KeyMaps maps = buildKeyMaps(kTable, kLights, 6);
    EXPECT_EQ(maps.keyPosition[kA], 0);
    EXPECT_EQ(maps.keyPosition[kEsc], 1);
    EXPECT_EQ(maps.keyPosition[kS], 3);
    EXPECT_EQ(maps.lightPosition[kA], 10);
    EXPECT_EQ(maps.lightPosition[kEsc], kAbsent) << "light 200 does not fit a 512-byte frame";
    EXPECT_EQ(maps.lightPosition[kS], kAbsent) << "no light at that position";
    int placed = 0;
    for (uint8_t position : maps.keyPosition) placed += position != kAbsent;
    EXPECT_EQ(placed, 3);
}

TEST(KeyboardLayoutTest, PositionsBeyondTheCountAreNotSearched) {
    const KeyMaps maps = buildKeyMaps(kTable, kLights, 3);
    EXPECT_EQ(maps.keyPosition[kS], kAbsent);
    EXPECT_EQ(buildKeyMaps(kTable, kLights, 200).keyPosition[kS], 3) << "count held to the table";
}

TEST(KeyboardLayoutTest, TheLastLightThatFitsAPageIs169) {
    const Bytes table{0x20, 0x00, 0x04, 0x20, 0x00, 0x29};
    EXPECT_EQ(buildKeyMaps(table, Bytes{169, 170}, 2).lightPosition[kA], 169);
    EXPECT_EQ(buildKeyMaps(table, Bytes{169, 170}, 2).lightPosition[kEsc], kAbsent);
}

TEST(KeyboardLayoutTest, RememberedPositions) {
    PositionMap remembered;
    remembered.fill(kAbsent);
    remembered[kOne] = 2;   // its code is gone, the place is free: back there
    remembered[kTwo] = 3;   // its code is gone, S is found there now: stays absent
    remembered[kEsc] = 4;   // still holds Esc: kept, not the first Esc at 1
    remembered[kA] = 9;     // beyond the keyboard: first match
    const KeyMaps maps = buildKeyMaps(kTable, kLights, 6, &remembered);
    EXPECT_EQ(maps.keyPosition[kOne], 2);
    EXPECT_EQ(maps.lightPosition[kOne], 169);
    EXPECT_EQ(maps.keyPosition[kTwo], kAbsent);
    EXPECT_EQ(maps.keyPosition[kEsc], 4);
    EXPECT_EQ(maps.lightPosition[kEsc], 3);
    EXPECT_EQ(maps.keyPosition[kA], 0);
    EXPECT_EQ(maps.keyPosition[kS], 3);
}

// Keys 18, 19, 20 and 104 share the factory code 20 00 00.
constexpr int kSharedCodeKeys[] = {18, 19, 20, 104};

TEST(KeyboardLayoutTest, KeysThatShareAFactoryCodeTakeItsPositionsInOrder) {
    // The shared code at positions 0, 2, 3 and 4; A at 1.
    const Bytes table{0x20, 0x00, 0x00, 0x20, 0x00, 0x04, 0x20, 0x00, 0x00,
                      0x20, 0x00, 0x00, 0x20, 0x00, 0x00};
    const KeyMaps maps = buildKeyMaps(table, Bytes{10, 11, 12, 13, 14}, 5);
    const int expected[] = {0, 2, 3, 4};
    for (size_t k = 0; k < std::size(kSharedCodeKeys); ++k) {
        EXPECT_EQ(maps.keyPosition[size_t(kSharedCodeKeys[k])], expected[k]) << "key " << kSharedCodeKeys[k];
        EXPECT_EQ(maps.lightPosition[size_t(kSharedCodeKeys[k])], 10 + expected[k]);
    }
    EXPECT_EQ(maps.keyPosition[kA], 1);
}

TEST(KeyboardLayoutTest, ASharedCodeKeyGivenAnotherCodeKeepsItsPlace) {
    // Key 18 was given A's code at position 0; 19, 20 and 104 still hold the
    // shared code at 1 to 3; A itself sits at 4.
    const Bytes table{0x20, 0x00, 0x04, 0x20, 0x00, 0x00, 0x20, 0x00, 0x00,
                      0x20, 0x00, 0x00, 0x20, 0x00, 0x04};
    PositionMap remembered;
    remembered.fill(kAbsent);
    for (size_t k = 0; k < std::size(kSharedCodeKeys); ++k) remembered[size_t(kSharedCodeKeys[k])] = uint8_t(k);
    remembered[kA] = 4;
    const KeyMaps maps = buildKeyMaps(table, Bytes{10, 11, 12, 13, 14}, 5, &remembered);
    for (size_t k = 0; k < std::size(kSharedCodeKeys); ++k)
        EXPECT_EQ(maps.keyPosition[size_t(kSharedCodeKeys[k])], k) << "key " << kSharedCodeKeys[k];
    EXPECT_EQ(maps.keyPosition[kA], 4);
}

TEST(KeyboardLayoutTest, FactoryCodesOfSomeKeys) {
    const auto& codes = factoryKeyCodes();
    EXPECT_EQ(codes[0], (KeyCode{0x20, 0x00, 0x29}));
    EXPECT_EQ(codes[16], (KeyCode{0xA0, 0x1B, 0x00}));
    EXPECT_EQ(codes[84], (KeyCode{0x20, 0x02, 0x00}));
    EXPECT_EQ(codes[110], (KeyCode{0xA0, 0x01, 0x00}));
    EXPECT_EQ(codes[124], (KeyCode{0xD0, 0xA2, 0x05}));
    EXPECT_EQ(codes[125], (KeyCode{0x20, 0x80, 0x00}));
}

}  // namespace
}  // namespace viremo::devices::keyboard
