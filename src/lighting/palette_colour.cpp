#include "lighting/palette_colour.h"

#include <charconv>
#include <cstdio>

namespace viremo {

std::string colourText(uint32_t argb) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X", argb);
    return text;
}

std::optional<uint32_t> colourFromText(std::string_view text) {
    if (text.size() != 8) return std::nullopt;
    uint32_t argb = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), argb, 16);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return argb;
}

}  // namespace viremo
