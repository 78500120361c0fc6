#include "update/version_number.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>

namespace viremo::update {
namespace {

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

}  // namespace

uint32_t leadingNumber(std::string_view text, int base) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        if (digit >= base) break;
        value = std::min<uint64_t>(value * uint64_t(base) + uint64_t(digit), UINT32_MAX);
    }
    return uint32_t(value);
}

int dottedVersionNumber(std::string_view text) {
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits), [](char c) { return c != '.'; });
    return int(std::min<uint32_t>(leadingNumber(digits, 10), INT_MAX));
}

std::string hexadecimalVersionText(int version) {
    char text[16];
    std::snprintf(text, sizeof text, "V%04x", unsigned(version));
    return text;
}

std::string decimalVersionText(int version) { return "V" + std::to_string(version); }

}  // namespace viremo::update
