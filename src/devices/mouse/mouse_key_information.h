#pragma once
// The texts of the mouse page's key information list: per key position its
// label and the text of its current assignment. Language keys are resolved
// to display text by the page; macro names and the fixed "关闭" are shown as
// they are.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "devices/mouse/mouse_buttons.h"
#include "macros/assignment_code.h"

namespace viremo::devices::mouse {

// The label of each key position.
inline constexpr std::array<std::string_view, kKeyPositions> kKeyLabels{
    "mouse_key_left",     "mouse_key_right",     "mouse_key_middle",  "mouse_key_forward",
    "mouse_key_back",     "mouse_key_DPI_add",   "mouse_key_DPI_sub", "mouse_key_DPI_loop",
    "keyboard_key_GM",    "mouse_key_M8_key",    "mouse_key_fire_key"};

struct AssignmentText {
    // Resolved and joined with "+"; when empty, `literal` is the text.
    std::vector<std::string_view> languageKeys;
    std::string literal;

    bool operator==(const AssignmentText&) const = default;
};

// The text of an assignment; nothing for a code whose category or values
// have none (the key's row is then left as it was). `macroNames` are the
// "MacroName"s of "macro.config".
std::optional<AssignmentText> assignmentText(const AssignmentCode& code, std::span<const std::string> macroNames);

}  // namespace viremo::devices::mouse
