#pragma once
// Version numbers as the update service and the program write them.
#include <cstdint>
#include <string>
#include <string_view>

namespace viremo::update {

// The leading digits of a text (after blanks) in base 16 or 10; no digits
// give 0. A number too large for 32 bits saturates at 0xFFFFFFFF rather than
// wrapping round to a small, older-looking one.
uint32_t leadingNumber(std::string_view text, int base);

// A dotted version read as one decimal number: "2.3.0.2" gives 2302,
// "1.10" gives 110; saturates at the largest int.
int dottedVersionNumber(std::string_view text);

// "V" + four lower-case hexadecimal digits (firmware), or "V" + decimal.
std::string hexadecimalVersionText(int version);
std::string decimalVersionText(int version);

}  // namespace viremo::update
