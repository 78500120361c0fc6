#pragma once
// The key table a keyboard is given: the current assignment of every key
// that has a key position, at 3 x that position. Macro assignments carry
// the macro's place in the list of used macros (the order keys first refer
// to them), which is also the order of the blocks in the macro memory.
#include <cstdint>
#include <span>
#include <vector>

#include "devices/keyboard/keyboard_layout.h"
#include "profiles/profile_records.h"

namespace viremo::devices::keyboard {

// The macro numbers (into "macro.config", `macroCount` entries) that the
// keys with a key position use, in order of first use. Keys beyond the end
// of `keys` count as unassigned.
std::vector<int> usedMacrosOfKeys(const std::vector<KeyListEntry>& keys, const PositionMap& keyPositions,
                                  int macroCount);

// Writes the keys' assignments into `table` (a copy of the key table read
// back): macros renumbered, a macro beyond "macro.config" replaced by the
// key's factory code. Keys without a position, or without an entry in
// `keys`, keep the bytes the table has. `keys` is not changed.
void placeKeyAssignments(std::span<uint8_t> table, const std::vector<KeyListEntry>& keys,
                         const PositionMap& keyPositions, int macroCount);

// Keys bound to a macro that "macro.config" does not have get their factory
// assignment back. True when a key changed.
bool resetUnknownMacros(std::vector<KeyListEntry>& keys, int macroCount);

}  // namespace viremo::devices::keyboard
