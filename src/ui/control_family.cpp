#include "ui/control_family.h"

#include <charconv>

namespace viremo::ui {

std::optional<int> familyNumber(std::string_view name, std::string_view prefix) {
    const size_t underscore = name.rfind('_');
    if (underscore == std::string_view::npos || name.substr(0, underscore + 1) != prefix) return std::nullopt;
    const std::string_view digits = name.substr(underscore + 1);
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return number;
}

std::string familyName(std::string_view prefix, int number) { return std::string(prefix) + std::to_string(number); }

}  // namespace viremo::ui
