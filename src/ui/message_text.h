#pragma once
// Texts of the message boxes that carry a number ("message_text_16": a write
// failed with a result code). The translated text comes from a language
// file, so it is never used as a format: the number replaces its first "%d"
// here, or follows the text when it has none.
#include <string>
#include <string_view>

namespace viremo::ui {

std::string TextWithNumber(std::string_view text, int number);

}  // namespace viremo::ui
