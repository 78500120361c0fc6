#pragma once
// Mouse events of macros: the button or move each mouse message or move
// direction stands for, and its name identifier.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace viremo {

struct MouseEventRow {
    int message;          // window-message code of the button; 0 for moves
    uint8_t button;       // button bit; moves take their distance instead
    uint8_t typeAndDown;  // macro type with bit 7 set for a press
    std::string_view nameId;
};

// Rows 0-9 buttons (left, right, middle, forward, back; down then up),
// 10-13 moves (left, right, up, down).
std::span<const MouseEventRow> mouseEventTable();

inline constexpr int kMessageMove = 512;
inline constexpr int kMessageExtraDown = 523;
inline constexpr int kMessageExtraUp = 524;

// The row of a message and sub-code: 523/524 take sub 0 forward, 1 back;
// 512 takes a move by sub 0 left, 1 right, 2 up, 3 down.
std::optional<size_t> mouseEventRow(int message, int sub);

}  // namespace viremo
