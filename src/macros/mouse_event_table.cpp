#include "macros/mouse_event_table.h"

#include <array>

namespace viremo {
namespace {

constexpr std::array<MouseEventRow, 14> kRows{{
    {513, 1, 0x81, "mouse_key_left"},
    {514, 1, 0x01, "mouse_key_left"},
    {516, 2, 0x81, "mouse_key_right"},
    {517, 2, 0x01, "mouse_key_right"},
    {519, 4, 0x81, "mouse_key_middle"},
    {520, 4, 0x01, "mouse_key_middle"},
    {523, 16, 0x81, "mouse_key_forward"},
    {524, 16, 0x01, "mouse_key_forward"},
    {523, 8, 0x81, "mouse_key_back"},
    {524, 8, 0x01, "mouse_key_back"},
    {0, 0, 0x84, "mouse_move_to_left_text"},
    {0, 0, 0x04, "mouse_move_to_right_text"},
    {0, 0, 0x85, "mouse_move_to_up_text"},
    {0, 0, 0x05, "mouse_move_to_down_text"},
}};

constexpr size_t kFirstExtraRow = 6;
constexpr size_t kFirstMoveRow = 10;

}  // namespace

std::span<const MouseEventRow> mouseEventTable() { return kRows; }

std::optional<size_t> mouseEventRow(int message, int sub) {
    if (message == kMessageMove) {
        if (sub < 0 || sub > 3) return std::nullopt;
        return kFirstMoveRow + static_cast<size_t>(sub);
    }
    if (message == kMessageExtraDown || message == kMessageExtraUp) {
        if (sub != 0 && sub != 1) return std::nullopt;
        return kFirstExtraRow + static_cast<size_t>(sub) * 2 + (message == kMessageExtraUp ? 1 : 0);
    }
    for (size_t row = 0; row < kFirstExtraRow; ++row)
        if (kRows[row].message == message) return row;
    return std::nullopt;
}

}  // namespace viremo
