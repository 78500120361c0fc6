#pragma once
// Numbers given on the command line: an optional '-' and decimal digits,
// nothing else (no blanks, no '+', no number too large to hold), so that a
// number typed wrong is refused rather than read as another one.
#include <cstdint>
#include <optional>
#include <string_view>

namespace viremoctl {

std::optional<int64_t> wholeNumber(std::string_view word);
// The number when it lies in [lowest, highest].
std::optional<int> wholeNumberIn(std::string_view word, int lowest, int highest);

}  // namespace viremoctl
