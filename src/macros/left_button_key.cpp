#include "macros/left_button_key.h"

#include <algorithm>

#include "macros/assignment_code.h"

namespace viremo {
namespace {

constexpr uint8_t kLeftButton = 0x01;

bool isLeftButton(const KeyListEntry& entry) {
    return entry.current.category == category::kMouseButton && entry.current.first == kLeftButton &&
           entry.current.second == 0;
}

}  // namespace

bool isOnlyLeftButtonKey(std::span<const KeyListEntry> keys, int key) {
    if (key < 0 || size_t(key) >= keys.size() || !isLeftButton(keys[size_t(key)])) return false;
    return std::ranges::count_if(keys, isLeftButton) == 1;
}

}  // namespace viremo
