#include "macros/code_tables.h"

#include <array>

#include "macros/text.h"

namespace viremo {
namespace {

using namespace category;

constexpr NamedCode media(uint16_t usage, std::string_view name) {
    return {{kConsumer, static_cast<uint8_t>(usage & 0xFF), static_cast<uint8_t>(usage >> 8)}, name};
}

constexpr std::array<NamedCode, 5> kMouseButtonRows{{
    {{kMouseButton, 0x01, 0}, "left"},
    {{kMouseButton, 0x04, 0}, "middle"},
    {{kMouseButton, 0x02, 0}, "right"},
    {{kMouseButton, 0x10, 0}, "forward"},
    {{kMouseButton, 0x08, 0}, "back"},
}};

constexpr std::array<NamedCode, 3> kDpiRows{{
    {{kDpi, 1, 0}, "up"},
    {{kDpi, 2, 0}, "down"},
    {{kDpi, 3, 0}, "cycle"},
}};

constexpr std::array<NamedCode, 18> kMediaRows{{
    media(0x0183, "media-select"),
    media(0x00CD, "play-pause"),
    media(0x00B7, "stop"),
    media(0x00B6, "previous"),
    media(0x00B5, "next"),
    media(0x00EA, "volume-down"),
    media(0x00E9, "volume-up"),
    media(0x00E2, "mute"),
    media(0x0223, "home"),
    media(0x0227, "refresh"),
    media(0x0226, "web-stop"),
    media(0x0224, "back"),
    media(0x0225, "forward"),
    media(0x022A, "favorites"),
    media(0x0221, "search"),
    media(0x0194, "computer"),
    media(0x0192, "calculator"),
    media(0x018A, "mail"),
}};

constexpr std::array<NamedCode, 3> kSystemRows{{
    {{kSystem, 1, 0}, "power"},
    {{kSystem, 2, 0}, "sleep"},
    {{kSystem, 4, 0}, "wake"},
}};

constexpr std::array<NamedCode, 11> kShortcutRows{{
    {{kKeyboard, 0x01, 0x12}, "Ctrl+O"},
    {{kKeyboard, 0x01, 0x11}, "Ctrl+N"},
    {{kKeyboard, 0x01, 0x1D}, "Ctrl+Z"},
    {{kKeyboard, 0x01, 0x16}, "Ctrl+S"},
    {{kKeyboard, 0x01, 0x06}, "Ctrl+C"},
    {{kKeyboard, 0x01, 0x1B}, "Ctrl+X"},
    {{kKeyboard, 0x01, 0x19}, "Ctrl+V"},
    {{kKeyboard, 0x01, 0x09}, "Ctrl+F"},
    {{kKeyboard, 0x01, 0x04}, "Ctrl+A"},
    {{kKeyboard, 0x01, 0x2D}, "Ctrl+-"},
    {{kKeyboard, 0x01, 0x2E}, "Ctrl+="},
}};

}  // namespace

std::span<const NamedCode> mouseButtonCodes() { return kMouseButtonRows; }
std::span<const NamedCode> dpiCodes() { return kDpiRows; }
std::span<const NamedCode> mediaCodes() { return kMediaRows; }
std::span<const NamedCode> systemCodes() { return kSystemRows; }
std::span<const NamedCode> shortcutCodes() { return kShortcutRows; }

std::optional<int> findCodeRow(std::span<const NamedCode> table, const AssignmentCode& code) {
    for (size_t row = 0; row < table.size(); ++row)
        if (table[row].code == code) return static_cast<int>(row);
    return std::nullopt;
}

std::optional<int> findCodeRow(std::span<const NamedCode> table, std::string_view name) {
    for (size_t row = 0; row < table.size(); ++row)
        if (equalsIgnoringAsciiCase(table[row].name, name)) return static_cast<int>(row);
    return std::nullopt;
}

}  // namespace viremo
