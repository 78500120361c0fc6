#pragma once
// The key table a keyboard or mouse is given: the current assignment of
// every key that has a place in the device's table, at 3 x that place.
// Macro assignments carry the macro's place in the list of used macros (the
// order keys first refer to them), which is also the order of the blocks in
// the macro memory.
//
// `keyPositions` gives, per key of the profile's "KeyList", its place in the
// table, or `absent` when the device has no such key.
#include <cstdint>
#include <span>
#include <vector>

#include "profiles/profile_records.h"

namespace viremo::devices {

// The macro numbers (into "macro.config", `macroCount` entries) that the
// keys with a place use, in order of first use. Keys beyond the end of
// `keys` count as unassigned.
std::vector<int> usedMacrosOfKeys(const std::vector<KeyListEntry>& keys, std::span<const uint8_t> keyPositions,
                                  uint8_t absent, int macroCount);
// Writes the keys' assignments into `table` (a copy of the key table read
// back): macros renumbered, a macro beyond "macro.config" replaced by the
// key's factory code. Keys without a place, or without an entry in `keys`,
// keep the bytes the table has. `keys` is not changed.
void placeKeyAssignments(std::span<uint8_t> table, const std::vector<KeyListEntry>& keys,
                         std::span<const uint8_t> keyPositions, uint8_t absent, int macroCount);
// Keys bound to a macro that "macro.config" does not have get their factory
// assignment back. True when a key changed.
bool resetUnknownMacros(std::vector<KeyListEntry>& keys, int macroCount);

}  // namespace viremo::devices
