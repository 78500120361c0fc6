#pragma once
// Small text helpers of the toolkit.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace viremo::toolkit {

std::string_view Trim(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
std::string ToLower(std::string_view text);
// Number of code points of UTF-8 text.
std::size_t Utf8Length(std::string_view text);
// The first count code points of UTF-8 text.
std::string Utf8Prefix(std::string_view text, std::size_t count);
// Removes the last code point.
void Utf8PopBack(std::string& text);
void AppendUtf8(std::string& text, char32_t character);
// Parses name="value" pairs (double or single quotes); stops at the first
// malformed pair.
std::vector<std::pair<std::string, std::string>> ParseAttributeList(std::string_view list);

}  // namespace viremo::toolkit
