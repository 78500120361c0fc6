#include "whole_number.h"

#include <charconv>
#include <system_error>

namespace viremoctl {

std::optional<int64_t> wholeNumber(std::string_view word) {
    int64_t number = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, number);
    if (word.empty() || error != std::errc() || stop != end) return std::nullopt;
    return number;
}

std::optional<int> wholeNumberIn(std::string_view word, int lowest, int highest) {
    const auto number = wholeNumber(word);
    if (!number || *number < lowest || *number > highest) return std::nullopt;
    return int(*number);
}

}  // namespace viremoctl
