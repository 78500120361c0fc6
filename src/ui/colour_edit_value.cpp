#include "ui/colour_edit_value.h"

#include <cctype>

namespace viremo::ui {

int ColourEditValue(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 255) return negative ? 0 : 255;
    }
    return negative ? 0 : value;
}

}  // namespace viremo::ui
