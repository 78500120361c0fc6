#include "toolkit/text_util.h"

#include <cctype>

namespace viremo::toolkit {

namespace {
bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string ToLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) count += IsContinuation(static_cast<unsigned char>(c)) ? 0 : 1;
    return count;
}

std::string Utf8Prefix(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t seen = 0; at < text.size(); ++at) {
        if (!IsContinuation(static_cast<unsigned char>(text[at])) && seen++ == count) break;
    }
    return std::string(text.substr(0, at));
}

void Utf8PopBack(std::string& text) {
    while (!text.empty() && IsContinuation(static_cast<unsigned char>(text.back()))) text.pop_back();
    if (!text.empty()) text.pop_back();
}

void AppendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::vector<std::pair<std::string, std::string>> ParseAttributeList(std::string_view list) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t at = 0;
    while (true) {
        while (at < list.size() && std::isspace(static_cast<unsigned char>(list[at]))) ++at;
        std::size_t equals = list.find('=', at);
        if (at >= list.size() || equals == std::string_view::npos) break;
        std::string_view name = Trim(list.substr(at, equals - at));
        std::size_t open = equals + 1;
        while (open < list.size() && std::isspace(static_cast<unsigned char>(list[open]))) ++open;
        if (open >= list.size() || (list[open] != '"' && list[open] != '\'')) break;
        std::size_t close = list.find(list[open], open + 1);
        if (close == std::string_view::npos || name.empty()) break;
        pairs.emplace_back(std::string(name), std::string(list.substr(open + 1, close - open - 1)));
        at = close + 1;
    }
    return pairs;
}

}  // namespace viremo::toolkit
