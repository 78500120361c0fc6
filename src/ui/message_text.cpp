#include "ui/message_text.h"

namespace viremo::ui {

std::string TextWithNumber(std::string_view text, int number) {
    const std::string value = std::to_string(number);
    const size_t at = text.find("%d");
    if (at == std::string_view::npos) return std::string(text) + " " + value;
    return std::string(text.substr(0, at)) + value + std::string(text.substr(at + 2));
}

}  // namespace viremo::ui
