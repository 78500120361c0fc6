#pragma once
// The number typed into a numeric edit of a panel (a colour's red, green or
// blue, a DPI value): the decimal number at the start of the text, after
// blanks, kept within low..high; text without a number counts as 0 before
// the range applies.
#include <string_view>

namespace viremo::ui {

int EditValue(std::string_view text, int low, int high);

inline constexpr int kColourLow = 0;
inline constexpr int kColourHigh = 255;
// The DPI values a stage of the mice's sensors takes.
inline constexpr int kDpiLow = 200;
inline constexpr int kDpiHigh = 6500;

}  // namespace viremo::ui
