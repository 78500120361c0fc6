#pragma once
// Macro numbers as the device sees them. The device memory holds only the
// macros some key uses, in the order keys first refer to them, and its key
// table refers to a macro by that compact position.
#include <span>
#include <vector>

#include "macros/assignment_code.h"
#include "profiles/profile_records.h"

namespace viremo {

// The macro numbers the keys use, in order of first use, without repeats;
// numbers at or beyond `macroCount` (the entries of "macro.config") are left
// out. `currents` are the keys' current codes in key order.
std::vector<int> usedMacros(std::span<const AssignmentCode> currents, int macroCount);

// The code for the device's key table: a macro code gets its position in
// `used`; a macro code whose number is beyond the list, or missing from
// `used`, gets the factory code. Other codes pass unchanged.
AssignmentCode deviceKeyCode(const AssignmentCode& current, const AssignmentCode& factory,
                             const std::vector<int>& used, int macroCount);

// After the macro list changed: every key bound to a macro number at or
// beyond `macroCount` gets its factory assignment back. True when any did.
bool resetMissingMacroBindings(std::vector<KeyListEntry>& keys, int macroCount);

}  // namespace viremo
