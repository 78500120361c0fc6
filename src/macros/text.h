#pragma once
// Small text helpers shared by the macro, key and recoil models.
#include <cstdint>
#include <string>
#include <string_view>

namespace viremo {

// ASCII only: for fixed names such as "down" or "Ctrl".
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

// A number typed into an edit: leading blanks and a sign accepted, reading
// stops at the first non-digit, no digits give 0. Saturates instead of
// overflowing.
int64_t readDecimal(std::string_view text);

int64_t clampTo(int64_t value, int64_t low, int64_t high);

}  // namespace viremo
