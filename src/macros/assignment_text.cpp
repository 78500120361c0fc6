#include "macros/assignment_text.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <vector>

#include "macros/code_tables.h"
#include "macros/key_table.h"
#include "macros/text.h"

namespace viremo {
namespace {

using namespace category;

struct ModifierName {
    uint8_t bit;
    std::string_view name;
};

// Left-hand modifiers are written plainly; "L" names are read too.
constexpr std::array<ModifierName, 12> kModifierNames{{
    {0x01, "Ctrl"}, {0x02, "Shift"}, {0x04, "Alt"}, {0x08, "Win"},
    {0x10, "RCtrl"}, {0x20, "RShift"}, {0x40, "RAlt"}, {0x80, "RWin"},
    {0x01, "LCtrl"}, {0x02, "LShift"}, {0x04, "LAlt"}, {0x08, "LWin"},
}};
constexpr size_t kWrittenModifierNames = 8;

struct Prefixed {
    std::string_view prefix;
    std::span<const NamedCode> (*table)();
};

constexpr std::array<Prefixed, 4> kNamedTables{{
    {"mouse", mouseButtonCodes},
    {"dpi", dpiCodes},
    {"media", mediaCodes},
    {"system", systemCodes},
}};

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

std::optional<int64_t> number(std::string_view text) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<uint8_t> byteNumber(std::string_view text, int64_t high = 255) {
    const auto value = number(text);
    if (!value || *value < 0 || *value > high) return std::nullopt;
    return static_cast<uint8_t>(*value);
}

std::string keyboardText(const AssignmentCode& code) {
    std::string text;
    for (size_t i = 0; i < kWrittenModifierNames; ++i) {
        if (!(code.first & kModifierNames[i].bit)) continue;
        if (!text.empty()) text += '+';
        text += kModifierNames[i].name;
    }
    if (code.second != 0) {
        if (!text.empty()) text += '+';
        const auto row = ordinaryKeyRowByUsage(code.second);
        char usage[8];
        std::snprintf(usage, sizeof usage, "0x%02X", code.second);
        text += row ? std::string(shortKeyName(keyTable()[*row].nameId)) : std::string(usage);
    }
    return text.empty() ? "none" : text;
}

std::string motionText(std::string_view kind, std::string_view direction, int count, uint8_t steps) {
    return std::string(kind) + ":" + std::string(direction) + ":" + std::to_string(count) + ":" +
           std::to_string(steps >> 4) + ":" + std::to_string(steps & 0x0F);
}

std::string macroText(const AssignmentCode& code) {
    std::string text = "macro:" + std::to_string(code.first);
    if (code.category == kMacroRepeated) return text + ":x" + std::to_string(code.second);
    if (code.second != 0) text += ":" + std::to_string(code.second);
    return text;
}

std::optional<AssignmentCode> parseKeyboard(std::string_view text) {
    uint8_t modifiers = 0;
    for (bool more = true; more;) {
        more = false;
        for (const auto& modifier : kModifierNames) {
            const std::string_view name = modifier.name;
            if (text.size() > name.size() && text[name.size()] == '+' &&
                equalsIgnoringAsciiCase(text.substr(0, name.size()), name)) {
                modifiers |= modifier.bit;
                text.remove_prefix(name.size() + 1);
                more = true;
                break;
            }
        }
    }
    for (const auto& modifier : kModifierNames)
        if (equalsIgnoringAsciiCase(text, modifier.name)) return AssignmentCode{kKeyboard, uint8_t(modifiers | modifier.bit), 0};
    if (modifiers == 0 && equalsIgnoringAsciiCase(text, "none")) return AssignmentCode{kKeyboard, 0, 0};
    const auto keys = keyTable();
    for (size_t row = kFirstOrdinaryKeyRow; row < keys.size(); ++row) {
        if (keys[row].code.category == kKeyboard && equalsIgnoringAsciiCase(shortKeyName(keys[row].nameId), text))
            return AssignmentCode{kKeyboard, modifiers, keys[row].code.second};
    }
    return std::nullopt;
}

// move:<left|right>:count[:delay[:speed]], wheel:<up|down>:count[:delay[:speed]]
std::optional<AssignmentCode> parseMotion(uint8_t category, const std::vector<std::string_view>& parts) {
    if (parts.size() < 3 || parts.size() > 5) return std::nullopt;
    const bool isMove = category == kMouseMove;
    bool second;
    if (equalsIgnoringAsciiCase(parts[1], isMove ? "left" : "up")) second = false;
    else if (equalsIgnoringAsciiCase(parts[1], isMove ? "right" : "down")) second = true;
    else return std::nullopt;
    const auto count = byteNumber(parts[2], 127);
    const auto delay = parts.size() > 3 ? byteNumber(parts[3], 15) : uint8_t{0};
    const auto speed = parts.size() > 4 ? byteNumber(parts[4], 15) : uint8_t{0};
    if (!count || !delay || !speed) return std::nullopt;
    const auto steps = static_cast<uint8_t>(*delay << 4 | *speed);
    if (!second) return AssignmentCode{category, steps, *count};
    if (isMove) return AssignmentCode{category, steps, static_cast<uint8_t>(*count | 0x80)};
    return AssignmentCode{category, steps, static_cast<uint8_t>(256 - *count)};
}

std::optional<AssignmentCode> parseMacro(const std::vector<std::string_view>& parts) {
    if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
    const auto macro = byteNumber(parts[1]);
    if (!macro) return std::nullopt;
    if (parts.size() == 2) return AssignmentCode{kMacro, *macro, 0};
    if (parts[2].starts_with('x') || parts[2].starts_with('X')) {
        const auto repeat = byteNumber(parts[2].substr(1));
        if (!repeat) return std::nullopt;
        return AssignmentCode{kMacroRepeated, *macro, *repeat};
    }
    const auto mode = byteNumber(parts[2], 3);
    if (!mode) return std::nullopt;
    return AssignmentCode{kMacro, *macro, *mode};
}

std::optional<AssignmentCode> parseHex(std::string_view text) {
    if (text.size() < 3 || text.size() > 8 || !(text.starts_with("0x") || text.starts_with("0X"))) return std::nullopt;
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return AssignmentCode::fromProfileInteger(value);
}

}  // namespace

std::string hexCode(const AssignmentCode& code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X%02X%02X", code.category, code.first, code.second);
    return text;
}

std::string describeAssignment(const AssignmentCode& code) {
    for (const auto& named : kNamedTables) {
        const auto table = named.table();
        if (table.front().code.category != code.category) continue;
        if (const auto row = findCodeRow(table, code))
            return std::string(named.prefix) + ":" + std::string(table[size_t(*row)].name);
    }
    switch (code.category) {
    case kMouseMove:
        return motionText("move", (code.second & 0x80) ? "right" : "left", code.second & 0x7F, code.first);
    case kWheel:
        return motionText("wheel", (code.second & 0x80) ? "down" : "up",
                          (code.second & 0x80) ? 128 - (code.second & 0x7F) : code.second, code.first);
    case kRapidFire:
        return "fire:" + std::to_string(code.first) + ":" + std::to_string(code.second);
    case kKeyboard:
        return keyboardText(code);
    case kMacro:
    case kMacroRepeated:
        return macroText(code);
    case kGunKey:
        return "gun:" + std::to_string(code.first);
    default:
        break;
    }
    if (const auto row = keyRowByCode(code)) return std::string(shortKeyName(keyTable()[*row].nameId));
    return hexCode(code);
}

std::optional<AssignmentCode> parseAssignment(std::string_view text) {
    if (const auto code = parseHex(text)) return code;
    const auto parts = split(text, ':');
    if (parts.size() >= 2) {
        for (const auto& named : kNamedTables) {
            if (!equalsIgnoringAsciiCase(parts[0], named.prefix) || parts.size() != 2) continue;
            const auto table = named.table();
            if (const auto row = findCodeRow(table, parts[1])) return table[size_t(*row)].code;
            return std::nullopt;
        }
        if (equalsIgnoringAsciiCase(parts[0], "move")) return parseMotion(kMouseMove, parts);
        if (equalsIgnoringAsciiCase(parts[0], "wheel")) return parseMotion(kWheel, parts);
        if (equalsIgnoringAsciiCase(parts[0], "macro")) return parseMacro(parts);
        if (equalsIgnoringAsciiCase(parts[0], "fire") && parts.size() == 3) {
            const auto interval = byteNumber(parts[1]);
            const auto count = byteNumber(parts[2]);
            if (interval && count) return AssignmentCode{kRapidFire, *interval, *count};
            return std::nullopt;
        }
        if (equalsIgnoringAsciiCase(parts[0], "gun") && parts.size() == 2) {
            if (const auto gun = byteNumber(parts[1], 3)) return AssignmentCode{kGunKey, *gun, 0};
            return std::nullopt;
        }
    }
    if (const auto code = parseKeyboard(text)) return code;
    // The device's own keys by name: FN, GM, M1 ... M5.
    const auto keys = keyTable();
    for (const auto& row : keys)
        if (row.code.category != kKeyboard && equalsIgnoringAsciiCase(shortKeyName(row.nameId), text)) return row.code;
    return std::nullopt;
}

}  // namespace viremo
