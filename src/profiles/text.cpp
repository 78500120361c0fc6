#include "profiles/text.h"

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <locale.h>

namespace viremo::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// C0 and C1 controls and DEL: a terminal takes them as commands.
bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// Length of the sequence a lead byte starts, 0 for a byte that cannot lead.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool validCodePoint(char32_t c, int length) {
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return c >= kSmallest[length] && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

// Unicode case folding comes from the C library's UTF-8 locale, which knows
// every script; without it only ASCII letters fold.
char32_t lowered(char32_t c) {
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    if (utf8) return char32_t(towlower_l(wint_t(c), utf8));
    return c >= U'A' && c <= U'Z' ? c + 32 : c;
}

}  // namespace

std::u32string toWide(std::string_view utf8) {
    std::u32string wide;
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = sequenceLength(lead);
        if (length == 0 || i + size_t(length) > utf8.size()) {
            wide += kReplacement;
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + size_t(k)]);
            if ((next & 0xC0) != 0x80) valid = false;
            c = c << 6 | (next & 0x3F);
        }
        if (!valid || !validCodePoint(c, length)) {
            wide += kReplacement;
            ++i;
            continue;
        }
        wide += c;
        i += size_t(length);
    }
    return wide;
}

std::string toUtf8(std::u32string_view wide) {
    std::string utf8;
    for (char32_t c : wide) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
        if (c < 0x80) {
            utf8 += char(c);
        } else if (c < 0x800) {
            utf8 += char(0xC0 | c >> 6);
            utf8 += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += char(0xE0 | c >> 12);
            utf8 += char(0x80 | (c >> 6 & 0x3F));
            utf8 += char(0x80 | (c & 0x3F));
        } else {
            utf8 += char(0xF0 | c >> 18);
            utf8 += char(0x80 | (c >> 12 & 0x3F));
            utf8 += char(0x80 | (c >> 6 & 0x3F));
            utf8 += char(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    const std::u32string wideA = toWide(a);
    const std::u32string wideB = toWide(b);
    if (wideA.size() != wideB.size()) return false;
    for (size_t i = 0; i < wideA.size(); ++i) {
        if (lowered(wideA[i]) != lowered(wideB[i])) return false;
    }
    return true;
}

bool isDisplayableName(std::string_view name) {
    // Invalid sequences do not survive the round trip through code points.
    const std::u32string wide = toWide(name);
    if (toUtf8(wide) != name) return false;
    return std::none_of(wide.begin(), wide.end(), isControl);
}

std::string displayable(std::string_view name) {
    std::u32string wide = toWide(name);
    std::replace_if(wide.begin(), wide.end(), isControl, kReplacement);
    return toUtf8(wide);
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace viremo::text
