#pragma once
// Colours of the palette as the palette file writes them: the 32-bit ARGB
// value in exactly eight upper-case hexadecimal digits, alpha first
// ("FF0A0B0C"). Reading takes either case and nothing else.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace viremo {

std::string colourText(uint32_t argb);
std::optional<uint32_t> colourFromText(std::string_view text);

}  // namespace viremo
