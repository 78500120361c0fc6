#pragma once
// A mouse must keep one key on the left button: the key that alone holds it
// cannot be chosen for another function.
#include <span>

#include "profiles/profile_records.h"

namespace viremo {

// True when key `key` is the only key of `keys` whose current code is the
// left button; false for a key outside the list.
bool isOnlyLeftButtonKey(std::span<const KeyListEntry> keys, int key);

}  // namespace viremo
