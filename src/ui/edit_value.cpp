#include "ui/edit_value.h"

#include <algorithm>
#include <cctype>

namespace viremo::ui {

int EditValue(std::string_view text, int low, int high) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    // Digits past the range cannot bring the value back into it.
    const long long limit = std::max(std::abs(static_cast<long long>(low)), std::abs(static_cast<long long>(high)));
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && value <= limit; ++i)
        value = value * 10 + (text[i] - '0');
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

}  // namespace viremo::ui
