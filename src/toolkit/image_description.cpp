#include "toolkit/image_description.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "toolkit/text_util.h"

namespace viremo::toolkit {

namespace {

// Reads up to four integers separated by commas.
void ParseInts(std::string_view text, int* out, int count) {
    std::size_t at = 0;
    for (int i = 0; i < count; ++i) {
        std::size_t comma = text.find(',', at);
        out[i] = ParseInt(text.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at));
        if (comma == std::string_view::npos) return;
        at = comma + 1;
    }
}

}  // namespace

int ParseInt(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    long long value = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        value = value * 10 + (text[at++] - '0');
        if (value > 0x7FFFFFFF) value = 0x7FFFFFFF;  // saturate instead of overflowing
    }
    return static_cast<int>(negative ? -value : value);
}

Rect ParseRect(std::string_view text) {
    int v[4] = {0, 0, 0, 0};
    ParseInts(text, v, 4);
    return {v[0], v[1], v[2], v[3]};
}

Size ParseSize(std::string_view text) {
    int v[2] = {0, 0};
    ParseInts(text, v, 2);
    return {v[0], v[1]};
}

Color ParseColor(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.remove_prefix(2);
    Color value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else break;
        value = (value << 4) | static_cast<Color>(digit);
    }
    return value;
}

bool ParseBool(std::string_view text) {
    return EqualsNoCase(Trim(text), "true");
}

ImageDescription ParseImageDescription(std::string_view text) {
    ImageDescription image;
    text = Trim(text);
    if (text.find('=') == std::string_view::npos) {
        image.file = std::string(text);
        return image;
    }
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t equals = text.find('=', at);
        if (equals == std::string_view::npos) break;
        std::string_view key = Trim(text.substr(at, equals - at));
        std::size_t open = text.find('\'', equals);
        if (open == std::string_view::npos) break;
        std::size_t close = text.find('\'', open + 1);
        if (close == std::string_view::npos) break;
        std::string_view value = text.substr(open + 1, close - open - 1);
        at = close + 1;

        if (EqualsNoCase(key, "file") || EqualsNoCase(key, "res")) image.file = std::string(value);
        else if (EqualsNoCase(key, "restype")) image.restype = std::string(value);
        else if (EqualsNoCase(key, "dest")) image.dest = ParseRect(value);
        else if (EqualsNoCase(key, "source")) image.source = ParseRect(value);
        else if (EqualsNoCase(key, "corner")) image.corner = ParseRect(value);
        else if (EqualsNoCase(key, "mask")) image.mask = ParseColor(value);
        else if (EqualsNoCase(key, "fade")) image.fade = std::clamp(ParseInt(value), 0, 255);
        else if (EqualsNoCase(key, "hole")) image.hole = ParseBool(value);
        else if (EqualsNoCase(key, "xtiled")) image.xtiled = ParseBool(value);
        else if (EqualsNoCase(key, "ytiled")) image.ytiled = ParseBool(value);
        else if (EqualsNoCase(key, "hsl")) image.hsl = ParseBool(value);
    }
    return image;
}

}  // namespace viremo::toolkit
