#include "macros/text.h"

#include <algorithm>
#include <cctype>

namespace viremo {

namespace {
bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
}  // namespace

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

int64_t readDecimal(std::string_view text) {
    constexpr int64_t kLimit = int64_t{1} << 40;  // far above any field, far below overflow
    size_t at = 0;
    while (at < text.size() && isSpace(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        value = std::min(value * 10 + (text[at] - '0'), kLimit);
    return negative ? -value : value;
}

int64_t clampTo(int64_t value, int64_t low, int64_t high) { return std::clamp(value, low, high); }

}  // namespace viremo
