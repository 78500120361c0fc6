#include <gtest/gtest.h>

#include <vector>

#include "macros/left_button_key.h"

namespace viremo {
namespace {

KeyListEntry key(uint8_t category, uint8_t first) {
    KeyListEntry entry;
    entry.current.category = category;
    entry.current.first = first;
    return entry;
}

TEST(LeftButtonKeyTest, OnlyTheSoleLeftButtonKeyIsHeldBack) {
    const KeyListEntry left = key(0x10, 0x01), right = key(0x10, 0x02), letter = key(0x20, 0x00);
    struct Case {
        std::vector<KeyListEntry> keys;
        int key;
        bool held;
    };
    const Case cases[] = {
        {{left, right, letter}, 0, true},
        {{left, right, letter}, 1, false},
        {{left, right, left}, 0, false},  // another key keeps the left button
        {{left}, 1, false},
        {{left}, -1, false},
        {{key(0x10, 0x01), key(0x11, 0x01)}, 1, false},  // a move, not a button
    };
    for (const Case& c : cases) EXPECT_EQ(isOnlyLeftButtonKey(c.keys, c.key), c.held) << "key " << c.key;
}

}  // namespace
}  // namespace viremo
