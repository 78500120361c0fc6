#include "macros/key_table.h"

#include <set>
#include <utility>

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

namespace viremo {
namespace {

TEST(KeyTable, RowsSitWhereTheTableSaysTheyDo) {
    const auto keys = keyTable();
    ASSERT_EQ(keys.size(), 142u);
    struct Expected {
        size_t row;
        uint8_t virtualKey, scanCode;
        bool extended;
        AssignmentCode code;
        std::string_view nameId;
        uint16_t linuxKey;
    };
    const Expected expected[] = {
        {0, 0xA2, 0x1D, false, {0x20, 0x01, 0}, "keyboard_key_LCtrl", KEY_LEFTCTRL},
        {5, 0xA1, 0x36, true, {0x20, 0x20, 0}, "keyboard_key_RShift", KEY_RIGHTSHIFT},
        {8, 0x41, 0x1E, false, {0x20, 0, 0x04}, "keyboard_key_A", KEY_A},
        {33, 0x5A, 0x2C, false, {0x20, 0, 0x1D}, "keyboard_key_Z", KEY_Z},
        {43, 0x30, 0x0B, false, {0x20, 0, 0x27}, "keyboard_key_0", KEY_0},
        {53, 0xDC, 0x2B, false, {0x20, 0, 0x31}, "keyboard_key_xiegang", KEY_BACKSLASH},
        {72, 0x7B, 0x58, false, {0x20, 0, 0x45}, "keyboard_key_F12", KEY_F12},
        {73, 0x2C, 0x37, true, {0x20, 0, 0x46}, "keyboard_key_Print Scr", KEY_SYSRQ},
        {86, 0x90, 0x45, true, {0x20, 0, 0x53}, "keyboard_key_Num Lock", KEY_NUMLOCK},
        {91, 0x0D, 0x1C, true, {0x20, 0, 0x58}, "keyboard_key_Num Enter", KEY_KPENTER},
        {103, 0x5D, 0x5D, true, {0x20, 0, 0x65}, "keyboard_key_App", KEY_COMPOSE},
        {104, 0xE2, 0x56, false, {0x20, 0, 0x64}, "keyboard_key_K45", KEY_102ND},
        {113, 0xBF, 0, false, {0x20, 0, 0x32}, "keyboard_key_K42", 0},
        {116, 0xB3, 0, false, {0x30, 0xCD, 0x00}, "keyboard_key_Media Play Pause", KEY_PLAYPAUSE},
        {130, 0xA9, 0, false, {0x30, 0x26, 0x02}, "wed_stop", KEY_STOP},
        {131, 0xB5, 0, false, {0x30, 0x83, 0x01}, "keyboard_key_Launch Media Select", KEY_CONFIG},
        {133, 0x5F, 0, false, {0x40, 2, 0}, "keyboard_key_Sleep", KEY_SLEEP},
        {139, 0xFF, 0, false, {0xD0, 0xA2, 5}, "keyboard_key_M5", KEY_MACRO5},
        {141, 0xFF, 0, false, {0xA0, 0x1B, 0}, "keyboard_key_GM", 0},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.row);
        const auto& row = keys[e.row];
        EXPECT_EQ(row.virtualKey, e.virtualKey);
        EXPECT_EQ(row.scanCode, e.scanCode);
        EXPECT_EQ(row.extended, e.extended);
        EXPECT_EQ(row.code, e.code);
        EXPECT_EQ(row.nameId, e.nameId);
        EXPECT_EQ(row.linuxKey, e.linuxKey);
    }
}

TEST(KeyTable, EveryKeystrokeFindsExactlyOneRow) {
    std::set<std::pair<uint8_t, bool>> scanCodes;
    std::set<uint16_t> linuxKeys;
    size_t extendedRows = 0;
    for (size_t row = 0; row < keyTable().size(); ++row) {
        const auto& key = keyTable()[row];
        EXPECT_EQ(key.scanCode != 0, row <= 112) << row;
        if (key.scanCode != 0) {
            EXPECT_TRUE(scanCodes.insert({key.scanCode, key.extended}).second) << row;
        }
        if (key.linuxKey != 0) {
            EXPECT_TRUE(linuxKeys.insert(key.linuxKey).second) << row;
        }
        extendedRows += key.extended;
    }
    EXPECT_EQ(extendedRows, 5u + 1u + 12u + 1u + 1u);
}

TEST(KeyTable, LooksUpByScanCodeLinuxKeyModifierAndUsage) {
    EXPECT_EQ(keyRowByScanCode(0x1D, false), 0u);
    EXPECT_EQ(keyRowByScanCode(0x1D, true), 4u);
    EXPECT_EQ(keyRowByScanCode(0x45, false), 75u);  // Pause
    EXPECT_EQ(keyRowByScanCode(0x45, true), 86u);   // Num Lock
    EXPECT_FALSE(keyRowByScanCode(0x00, false));
    EXPECT_EQ(keyRowByLinuxKey(KEY_RIGHTALT), 6u);
    EXPECT_EQ(keyRowByLinuxKey(KEY_KP5), 96u);
    EXPECT_FALSE(keyRowByLinuxKey(KEY_RESERVED));
    EXPECT_EQ(modifierRowByBit(0x40), 6u);
    EXPECT_FALSE(modifierRowByBit(0x03));
    EXPECT_EQ(ordinaryKeyRowByUsage(0x2C), 48u);  // Space
    EXPECT_FALSE(ordinaryKeyRowByUsage(0x00));
    EXPECT_EQ(keyRowByCode({0xA0, 0x01, 0}), 140u);
}

TEST(KeyTable, ModifierRowsMapToTheFourOptionsLeftAndRightAlike) {
    const int options[] = {1, 2, 3, 4, 1, 2, 3, 4};
    for (size_t row = 0; row < kModifierRows; ++row) EXPECT_EQ(modifierOptionOfRow(row), options[row]) << row;
    EXPECT_EQ(modifierBitOfOption(0), 0);
    EXPECT_EQ(modifierBitOfOption(-1), 0);
    EXPECT_EQ(modifierBitOfOption(3), 0x04);
    EXPECT_EQ(modifierBitOfOption(5), 0x10);
    EXPECT_EQ(modifierBitOfOption(8), 0x80);
    EXPECT_EQ(modifierBitOfOption(9), 0);
}

}  // namespace
}  // namespace viremo
