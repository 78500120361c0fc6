#pragma once
// The value of a red, green or blue edit of a lighting panel: the number
// typed, kept within 0-255 (a negative number counts as 0, a larger one as
// 255, text without a number as 0).
#include <string_view>

namespace viremo::ui {

int ColourEditValue(std::string_view text);

}  // namespace viremo::ui
