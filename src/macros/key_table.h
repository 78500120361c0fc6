#pragma once
// The key table: every key the keyboards and the program know, with the
// Windows-style virtual key, the PC scan code (set 1) and its extended flag,
// the assignment code, the name identifier (resolved to display text by the
// language files) and the Linux input key code. Key capture and macro
// recording find a keystroke's row by scan code or by Linux key code; the
// device tables and panels find names by code.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "macros/assignment_code.h"

namespace viremo {

struct KeyTableRow {
    uint8_t virtualKey;  // 0xFF when the key has none
    uint8_t scanCode;    // 0 for rows without a scan code (from row 113 on)
    bool extended;
    AssignmentCode code;
    std::string_view nameId;
    uint16_t linuxKey;  // evdev KEY_*; 0 when no Linux key code stands for this row alone
};

inline constexpr size_t kKeyTableRows = 142;
inline constexpr size_t kModifierRows = 8;        // rows 0-7: LCtrl ... RWin
inline constexpr size_t kFirstOrdinaryKeyRow = 8;

std::span<const KeyTableRow> keyTable();

// Row lookups; nullopt when no row matches. Indices are row numbers.
std::optional<size_t> keyRowByScanCode(uint8_t scanCode, bool extended);
std::optional<size_t> keyRowByLinuxKey(uint16_t linuxKey);
// Rows 0-7 by modifier bit (0x01 left Ctrl ... 0x80 right Win).
std::optional<size_t> modifierRowByBit(uint8_t bit);
// Keyboard rows from row 8 on by HID keyboard usage.
std::optional<size_t> ordinaryKeyRowByUsage(uint8_t usage);
// The first row whose assignment code equals `code`.
std::optional<size_t> keyRowByCode(const AssignmentCode& code);

// The modifier option of the key panel that a modifier row selects:
// 1 Ctrl, 2 Shift, 3 Alt, 4 Win, left and right alike.
int modifierOptionOfRow(size_t modifierRow);
// The modifier bit of an option: 1-4 the left-hand Ctrl, Shift, Alt, Win,
// 5-8 the right-hand ones; 0 for option 0 or none.
uint8_t modifierBitOfOption(int option);

// "keyboard_key_Page Up" -> "Page Up"; identifiers without the prefix stay.
std::string_view shortKeyName(std::string_view nameId);

}  // namespace viremo
