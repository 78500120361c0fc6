#pragma once
// The fixed choices of the key panel's combo boxes, in the order the combo
// boxes list them, with the short names the command line uses.
#include <optional>
#include <span>
#include <string_view>

#include "macros/assignment_code.h"

namespace viremo {

struct NamedCode {
    AssignmentCode code;
    std::string_view name;
};

std::span<const NamedCode> mouseButtonCodes();  // left, middle, right, forward, back
std::span<const NamedCode> dpiCodes();          // up, down, cycle
std::span<const NamedCode> mediaCodes();        // consumer usages, low byte first
std::span<const NamedCode> systemCodes();       // power, sleep, wake
std::span<const NamedCode> shortcutCodes();     // Ctrl with O, N, Z, S, C, X, V, F, A, -, =

// The row whose code equals `code`; nullopt when none.
std::optional<int> findCodeRow(std::span<const NamedCode> table, const AssignmentCode& code);
// The row with this name, ignoring case.
std::optional<int> findCodeRow(std::span<const NamedCode> table, std::string_view name);

}  // namespace viremo
