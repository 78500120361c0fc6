#pragma once
// Text helpers: UTF-8 to code points and back, and the case-insensitive
// comparison profile names use (it folds non-ASCII letters too).
#include <string>
#include <string_view>

namespace viremo::text {

// Invalid UTF-8 sequences become U+FFFD.
std::u32string toWide(std::string_view utf8);
std::string toUtf8(std::u32string_view wide);

bool equalsIgnoringCase(std::string_view a, std::string_view b);
// A name the user can see and type: valid UTF-8 without control characters.
bool isDisplayableName(std::string_view name);
// A name read from a file, made safe to print: control characters and
// invalid sequences become U+FFFD.
std::string displayable(std::string_view name);
// Without leading and trailing white space.
std::string_view trimmed(std::string_view text);

}  // namespace viremo::text
