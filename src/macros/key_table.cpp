#include "macros/key_table.h"

#include <array>

#include <linux/input-event-codes.h>

namespace viremo {
namespace {

// Rows 0-7 modifiers, 8-103 ordinary keys, 104-113 extra keys of other
// layouts, 114-131 media keys, 132-134 system keys, 135-139 M1-M5, 140 FN,
// 141 GM. Scan codes end at row 112. K42 shares its Linux key code with the
// backslash key, so it has none of its own; GM has none either.
constexpr std::array<KeyTableRow, kKeyTableRows> kRows{{
    //        virtual scan  ext     code                 name identifier       Linux key
    /*   0 */ {0xA2, 0x1D, false, {0x20, 0x01, 0x00}, "keyboard_key_LCtrl", KEY_LEFTCTRL},
    /*   1 */ {0xA0, 0x2A, false, {0x20, 0x02, 0x00}, "keyboard_key_LShift", KEY_LEFTSHIFT},
    /*   2 */ {0xA4, 0x38, false, {0x20, 0x04, 0x00}, "keyboard_key_LAlt", KEY_LEFTALT},
    /*   3 */ {0x5B, 0x5B, true , {0x20, 0x08, 0x00}, "keyboard_key_LWin", KEY_LEFTMETA},
    /*   4 */ {0xA3, 0x1D, true , {0x20, 0x10, 0x00}, "keyboard_key_RCtrl", KEY_RIGHTCTRL},
    /*   5 */ {0xA1, 0x36, true , {0x20, 0x20, 0x00}, "keyboard_key_RShift", KEY_RIGHTSHIFT},
    /*   6 */ {0xA5, 0x38, true , {0x20, 0x40, 0x00}, "keyboard_key_RAlt", KEY_RIGHTALT},
    /*   7 */ {0x5C, 0x5C, true , {0x20, 0x80, 0x00}, "keyboard_key_RWin", KEY_RIGHTMETA},
    /*   8 */ {0x41, 0x1E, false, {0x20, 0x00, 0x04}, "keyboard_key_A", KEY_A},
    /*   9 */ {0x42, 0x30, false, {0x20, 0x00, 0x05}, "keyboard_key_B", KEY_B},
    /*  10 */ {0x43, 0x2E, false, {0x20, 0x00, 0x06}, "keyboard_key_C", KEY_C},
    /*  11 */ {0x44, 0x20, false, {0x20, 0x00, 0x07}, "keyboard_key_D", KEY_D},
    /*  12 */ {0x45, 0x12, false, {0x20, 0x00, 0x08}, "keyboard_key_E", KEY_E},
    /*  13 */ {0x46, 0x21, false, {0x20, 0x00, 0x09}, "keyboard_key_F", KEY_F},
    /*  14 */ {0x47, 0x22, false, {0x20, 0x00, 0x0A}, "keyboard_key_G", KEY_G},
    /*  15 */ {0x48, 0x23, false, {0x20, 0x00, 0x0B}, "keyboard_key_H", KEY_H},
    /*  16 */ {0x49, 0x17, false, {0x20, 0x00, 0x0C}, "keyboard_key_I", KEY_I},
    /*  17 */ {0x4A, 0x24, false, {0x20, 0x00, 0x0D}, "keyboard_key_J", KEY_J},
    /*  18 */ {0x4B, 0x25, false, {0x20, 0x00, 0x0E}, "keyboard_key_K", KEY_K},
    /*  19 */ {0x4C, 0x26, false, {0x20, 0x00, 0x0F}, "keyboard_key_L", KEY_L},
    /*  20 */ {0x4D, 0x32, false, {0x20, 0x00, 0x10}, "keyboard_key_M", KEY_M},
    /*  21 */ {0x4E, 0x31, false, {0x20, 0x00, 0x11}, "keyboard_key_N", KEY_N},
    /*  22 */ {0x4F, 0x18, false, {0x20, 0x00, 0x12}, "keyboard_key_O", KEY_O},
    /*  23 */ {0x50, 0x19, false, {0x20, 0x00, 0x13}, "keyboard_key_P", KEY_P},
    /*  24 */ {0x51, 0x10, false, {0x20, 0x00, 0x14}, "keyboard_key_Q", KEY_Q},
    /*  25 */ {0x52, 0x13, false, {0x20, 0x00, 0x15}, "keyboard_key_R", KEY_R},
    /*  26 */ {0x53, 0x1F, false, {0x20, 0x00, 0x16}, "keyboard_key_S", KEY_S},
    /*  27 */ {0x54, 0x14, false, {0x20, 0x00, 0x17}, "keyboard_key_T", KEY_T},
    /*  28 */ {0x55, 0x16, false, {0x20, 0x00, 0x18}, "keyboard_key_U", KEY_U},
    /*  29 */ {0x56, 0x2F, false, {0x20, 0x00, 0x19}, "keyboard_key_V", KEY_V},
    /*  30 */ {0x57, 0x11, false, {0x20, 0x00, 0x1A}, "keyboard_key_W", KEY_W},
    /*  31 */ {0x58, 0x2D, false, {0x20, 0x00, 0x1B}, "keyboard_key_X", KEY_X},
    /*  32 */ {0x59, 0x15, false, {0x20, 0x00, 0x1C}, "keyboard_key_Y", KEY_Y},
    /*  33 */ {0x5A, 0x2C, false, {0x20, 0x00, 0x1D}, "keyboard_key_Z", KEY_Z},
    /*  34 */ {0x31, 0x02, false, {0x20, 0x00, 0x1E}, "keyboard_key_1", KEY_1},
    /*  35 */ {0x32, 0x03, false, {0x20, 0x00, 0x1F}, "keyboard_key_2", KEY_2},
    /*  36 */ {0x33, 0x04, false, {0x20, 0x00, 0x20}, "keyboard_key_3", KEY_3},
    /*  37 */ {0x34, 0x05, false, {0x20, 0x00, 0x21}, "keyboard_key_4", KEY_4},
    /*  38 */ {0x35, 0x06, false, {0x20, 0x00, 0x22}, "keyboard_key_5", KEY_5},
    /*  39 */ {0x36, 0x07, false, {0x20, 0x00, 0x23}, "keyboard_key_6", KEY_6},
    /*  40 */ {0x37, 0x08, false, {0x20, 0x00, 0x24}, "keyboard_key_7", KEY_7},
    /*  41 */ {0x38, 0x09, false, {0x20, 0x00, 0x25}, "keyboard_key_8", KEY_8},
    /*  42 */ {0x39, 0x0A, false, {0x20, 0x00, 0x26}, "keyboard_key_9", KEY_9},
    /*  43 */ {0x30, 0x0B, false, {0x20, 0x00, 0x27}, "keyboard_key_0", KEY_0},
    /*  44 */ {0x0D, 0x1C, false, {0x20, 0x00, 0x28}, "keyboard_key_Enter", KEY_ENTER},
    /*  45 */ {0x1B, 0x01, false, {0x20, 0x00, 0x29}, "keyboard_key_Esc", KEY_ESC},
    /*  46 */ {0x08, 0x0E, false, {0x20, 0x00, 0x2A}, "keyboard_key_BackSpace", KEY_BACKSPACE},
    /*  47 */ {0x09, 0x0F, false, {0x20, 0x00, 0x2B}, "keyboard_key_Tab", KEY_TAB},
    /*  48 */ {0x20, 0x39, false, {0x20, 0x00, 0x2C}, "keyboard_key_Space", KEY_SPACE},
    /*  49 */ {0xBD, 0x0C, false, {0x20, 0x00, 0x2D}, "keyboard_key_-", KEY_MINUS},
    /*  50 */ {0xBB, 0x0D, false, {0x20, 0x00, 0x2E}, "keyboard_key_=", KEY_EQUAL},
    /*  51 */ {0xDB, 0x1A, false, {0x20, 0x00, 0x2F}, "keyboard_key_[", KEY_LEFTBRACE},
    /*  52 */ {0xDD, 0x1B, false, {0x20, 0x00, 0x30}, "keyboard_key_]", KEY_RIGHTBRACE},
    /*  53 */ {0xDC, 0x2B, false, {0x20, 0x00, 0x31}, "keyboard_key_xiegang", KEY_BACKSLASH},
    /*  54 */ {0xBA, 0x27, false, {0x20, 0x00, 0x33}, "keyboard_key_;", KEY_SEMICOLON},
    /*  55 */ {0xDE, 0x28, false, {0x20, 0x00, 0x34}, "keyboard_key_'", KEY_APOSTROPHE},
    /*  56 */ {0xC0, 0x29, false, {0x20, 0x00, 0x35}, "keyboard_key_`", KEY_GRAVE},
    /*  57 */ {0xBC, 0x33, false, {0x20, 0x00, 0x36}, "keyboard_key_<", KEY_COMMA},
    /*  58 */ {0xBE, 0x34, false, {0x20, 0x00, 0x37}, "keyboard_key_.", KEY_DOT},
    /*  59 */ {0xBF, 0x35, false, {0x20, 0x00, 0x38}, "keyboard_key_/", KEY_SLASH},
    /*  60 */ {0x14, 0x3A, false, {0x20, 0x00, 0x39}, "keyboard_key_Caplk", KEY_CAPSLOCK},
    /*  61 */ {0x70, 0x3B, false, {0x20, 0x00, 0x3A}, "keyboard_key_F1", KEY_F1},
    /*  62 */ {0x71, 0x3C, false, {0x20, 0x00, 0x3B}, "keyboard_key_F2", KEY_F2},
    /*  63 */ {0x72, 0x3D, false, {0x20, 0x00, 0x3C}, "keyboard_key_F3", KEY_F3},
    /*  64 */ {0x73, 0x3E, false, {0x20, 0x00, 0x3D}, "keyboard_key_F4", KEY_F4},
    /*  65 */ {0x74, 0x3F, false, {0x20, 0x00, 0x3E}, "keyboard_key_F5", KEY_F5},
    /*  66 */ {0x75, 0x40, false, {0x20, 0x00, 0x3F}, "keyboard_key_F6", KEY_F6},
    /*  67 */ {0x76, 0x41, false, {0x20, 0x00, 0x40}, "keyboard_key_F7", KEY_F7},
    /*  68 */ {0x77, 0x42, false, {0x20, 0x00, 0x41}, "keyboard_key_F8", KEY_F8},
    /*  69 */ {0x78, 0x43, false, {0x20, 0x00, 0x42}, "keyboard_key_F9", KEY_F9},
    /*  70 */ {0x79, 0x44, false, {0x20, 0x00, 0x43}, "keyboard_key_F10", KEY_F10},
    /*  71 */ {0x7A, 0x57, false, {0x20, 0x00, 0x44}, "keyboard_key_F11", KEY_F11},
    /*  72 */ {0x7B, 0x58, false, {0x20, 0x00, 0x45}, "keyboard_key_F12", KEY_F12},
    /*  73 */ {0x2C, 0x37, true , {0x20, 0x00, 0x46}, "keyboard_key_Print Scr", KEY_SYSRQ},
    /*  74 */ {0x91, 0x46, false, {0x20, 0x00, 0x47}, "keyboard_key_Scroll Lock", KEY_SCROLLLOCK},
    /*  75 */ {0x13, 0x45, false, {0x20, 0x00, 0x48}, "keyboard_key_Pause", KEY_PAUSE},
    /*  76 */ {0x2D, 0x52, true , {0x20, 0x00, 0x49}, "keyboard_key_Insert", KEY_INSERT},
    /*  77 */ {0x24, 0x47, true , {0x20, 0x00, 0x4A}, "keyboard_key_Home", KEY_HOME},
    /*  78 */ {0x21, 0x49, true , {0x20, 0x00, 0x4B}, "keyboard_key_Page Up", KEY_PAGEUP},
    /*  79 */ {0x2E, 0x53, true , {0x20, 0x00, 0x4C}, "keyboard_key_Delete", KEY_DELETE},
    /*  80 */ {0x23, 0x4F, true , {0x20, 0x00, 0x4D}, "keyboard_key_End", KEY_END},
    /*  81 */ {0x22, 0x51, true , {0x20, 0x00, 0x4E}, "keyboard_key_Page Down", KEY_PAGEDOWN},
    /*  82 */ {0x27, 0x4D, true , {0x20, 0x00, 0x4F}, "keyboard_key_Right", KEY_RIGHT},
    /*  83 */ {0x25, 0x4B, true , {0x20, 0x00, 0x50}, "keyboard_key_Left", KEY_LEFT},
    /*  84 */ {0x28, 0x50, true , {0x20, 0x00, 0x51}, "keyboard_key_Down", KEY_DOWN},
    /*  85 */ {0x26, 0x48, true , {0x20, 0x00, 0x52}, "keyboard_key_Up", KEY_UP},
    /*  86 */ {0x90, 0x45, true , {0x20, 0x00, 0x53}, "keyboard_key_Num Lock", KEY_NUMLOCK},
    /*  87 */ {0x6F, 0x35, true , {0x20, 0x00, 0x54}, "keyboard_key_Num /", KEY_KPSLASH},
    /*  88 */ {0x6A, 0x37, false, {0x20, 0x00, 0x55}, "keyboard_key_Num *", KEY_KPASTERISK},
    /*  89 */ {0x6D, 0x4A, false, {0x20, 0x00, 0x56}, "keyboard_key_Num -", KEY_KPMINUS},
    /*  90 */ {0x6B, 0x4E, false, {0x20, 0x00, 0x57}, "keyboard_key_Num +", KEY_KPPLUS},
    /*  91 */ {0x0D, 0x1C, true , {0x20, 0x00, 0x58}, "keyboard_key_Num Enter", KEY_KPENTER},
    /*  92 */ {0x61, 0x4F, false, {0x20, 0x00, 0x59}, "keyboard_key_Num 1", KEY_KP1},
    /*  93 */ {0x62, 0x50, false, {0x20, 0x00, 0x5A}, "keyboard_key_Num 2", KEY_KP2},
    /*  94 */ {0x63, 0x51, false, {0x20, 0x00, 0x5B}, "keyboard_key_Num 3", KEY_KP3},
    /*  95 */ {0x64, 0x4B, false, {0x20, 0x00, 0x5C}, "keyboard_key_Num 4", KEY_KP4},
    /*  96 */ {0x65, 0x4C, false, {0x20, 0x00, 0x5D}, "keyboard_key_Num 5", KEY_KP5},
    /*  97 */ {0x66, 0x4D, false, {0x20, 0x00, 0x5E}, "keyboard_key_Num 6", KEY_KP6},
    /*  98 */ {0x67, 0x47, false, {0x20, 0x00, 0x5F}, "keyboard_key_Num 7", KEY_KP7},
    /*  99 */ {0x68, 0x48, false, {0x20, 0x00, 0x60}, "keyboard_key_Num 8", KEY_KP8},
    /* 100 */ {0x69, 0x49, false, {0x20, 0x00, 0x61}, "keyboard_key_Num 9", KEY_KP9},
    /* 101 */ {0x60, 0x52, false, {0x20, 0x00, 0x62}, "keyboard_key_Num 0", KEY_KP0},
    /* 102 */ {0x6E, 0x53, false, {0x20, 0x00, 0x63}, "keyboard_key_Decimal", KEY_KPDOT},
    /* 103 */ {0x5D, 0x5D, true , {0x20, 0x00, 0x65}, "keyboard_key_App", KEY_COMPOSE},
    /* 104 */ {0xE2, 0x56, false, {0x20, 0x00, 0x64}, "keyboard_key_K45", KEY_102ND},
    /* 105 */ {0xC1, 0x73, false, {0x20, 0x00, 0x87}, "keyboard_key_K56", KEY_RO},
    /* 106 */ {0xFF, 0x7D, false, {0x20, 0x00, 0x89}, "keyboard_key_K14", KEY_YEN},
    /* 107 */ {0xC2, 0x7E, false, {0x20, 0x00, 0x85}, "keyboard_key_K107", KEY_KPJPCOMMA},
    /* 108 */ {0xEB, 0x7B, false, {0x20, 0x00, 0x8B}, "keyboard_key_K131", KEY_MUHENKAN},
    /* 109 */ {0xFF, 0x79, false, {0x20, 0x00, 0x8A}, "keyboard_key_K132", KEY_HENKAN},
    /* 110 */ {0xFF, 0x70, false, {0x20, 0x00, 0x88}, "keyboard_key_K133", KEY_KATAKANAHIRAGANA},
    /* 111 */ {0xE9, 0xF1, false, {0x20, 0x00, 0x91}, "keyboard_key_K150", KEY_HANJA},
    /* 112 */ {0xFF, 0xF2, false, {0x20, 0x00, 0x90}, "keyboard_key_K151", KEY_HANGEUL},
    /* 113 */ {0xBF, 0x00, false, {0x20, 0x00, 0x32}, "keyboard_key_K42", KEY_RESERVED},
    /* 114 */ {0xB7, 0x00, false, {0x30, 0x92, 0x01}, "keyboard_key_Launch App2", KEY_CALC},
    /* 115 */ {0xAC, 0x00, false, {0x30, 0x23, 0x02}, "keyboard_key_Browaer Home", KEY_HOMEPAGE},
    /* 116 */ {0xB3, 0x00, false, {0x30, 0xCD, 0x00}, "keyboard_key_Media Play Pause", KEY_PLAYPAUSE},
    /* 117 */ {0xAA, 0x00, false, {0x30, 0x21, 0x02}, "keyboard_key_Browser Search", KEY_SEARCH},
    /* 118 */ {0xB4, 0x00, false, {0x30, 0x8A, 0x01}, "keyboard_key_Launch Mail", KEY_MAIL},
    /* 119 */ {0xAF, 0x00, false, {0x30, 0xE9, 0x00}, "keyboard_key_Volume Up", KEY_VOLUMEUP},
    /* 120 */ {0xAD, 0x00, false, {0x30, 0xE2, 0x00}, "keyboard_key_Volume Mute", KEY_MUTE},
    /* 121 */ {0xB2, 0x00, false, {0x30, 0xB7, 0x00}, "keyboard_key_Media Stop", KEY_STOPCD},
    /* 122 */ {0xAE, 0x00, false, {0x30, 0xEA, 0x00}, "keyboard_key_Volume Down", KEY_VOLUMEDOWN},
    /* 123 */ {0xAB, 0x00, false, {0x30, 0x2A, 0x02}, "keyboard_key_Browser Favorites", KEY_BOOKMARKS},
    /* 124 */ {0xA7, 0x00, false, {0x30, 0x25, 0x02}, "keyboard_key_Browser ForWard", KEY_FORWARD},
    /* 125 */ {0xA6, 0x00, false, {0x30, 0x24, 0x02}, "keyboard_key_Browser Back", KEY_BACK},
    /* 126 */ {0xB1, 0x00, false, {0x30, 0xB6, 0x00}, "keyboard_key_Media Prev Track", KEY_PREVIOUSSONG},
    /* 127 */ {0xB0, 0x00, false, {0x30, 0xB5, 0x00}, "keyboard_key_Media Next Track", KEY_NEXTSONG},
    /* 128 */ {0xFF, 0x00, false, {0x30, 0x94, 0x01}, "keyboard_key_Computer", KEY_FILE},
    /* 129 */ {0xA8, 0x00, false, {0x30, 0x27, 0x02}, "keyboard_key_Browser Refresh", KEY_REFRESH},
    /* 130 */ {0xA9, 0x00, false, {0x30, 0x26, 0x02}, "wed_stop", KEY_STOP},
    /* 131 */ {0xB5, 0x00, false, {0x30, 0x83, 0x01}, "keyboard_key_Launch Media Select", KEY_CONFIG},
    /* 132 */ {0xFF, 0x00, false, {0x40, 0x01, 0x00}, "keyboard_key_Power", KEY_POWER},
    /* 133 */ {0x5F, 0x00, false, {0x40, 0x02, 0x00}, "keyboard_key_Sleep", KEY_SLEEP},
    /* 134 */ {0xFF, 0x00, false, {0x40, 0x04, 0x00}, "keyboard_key_Wakeup", KEY_WAKEUP},
    /* 135 */ {0xFF, 0x00, false, {0xD0, 0xA2, 0x01}, "keyboard_key_M1", KEY_MACRO1},
    /* 136 */ {0xFF, 0x00, false, {0xD0, 0xA2, 0x02}, "keyboard_key_M2", KEY_MACRO2},
    /* 137 */ {0xFF, 0x00, false, {0xD0, 0xA2, 0x03}, "keyboard_key_M3", KEY_MACRO3},
    /* 138 */ {0xFF, 0x00, false, {0xD0, 0xA2, 0x04}, "keyboard_key_M4", KEY_MACRO4},
    /* 139 */ {0xFF, 0x00, false, {0xD0, 0xA2, 0x05}, "keyboard_key_M5", KEY_MACRO5},
    /* 140 */ {0xFF, 0x00, false, {0xA0, 0x01, 0x00}, "keyboard_key_FN", KEY_FN},
    /* 141 */ {0xFF, 0x00, false, {0xA0, 0x1B, 0x00}, "keyboard_key_GM", KEY_RESERVED},
}};

constexpr std::string_view kNamePrefix = "keyboard_key_";

}  // namespace

std::span<const KeyTableRow> keyTable() { return kRows; }

std::optional<size_t> keyRowByScanCode(uint8_t scanCode, bool extended) {
    if (scanCode == 0) return std::nullopt;
    for (size_t row = 0; row < kRows.size(); ++row)
        if (kRows[row].scanCode == scanCode && kRows[row].extended == extended) return row;
    return std::nullopt;
}

std::optional<size_t> keyRowByLinuxKey(uint16_t linuxKey) {
    if (linuxKey == KEY_RESERVED) return std::nullopt;
    for (size_t row = 0; row < kRows.size(); ++row)
        if (kRows[row].linuxKey == linuxKey) return row;
    return std::nullopt;
}

std::optional<size_t> modifierRowByBit(uint8_t bit) {
    for (size_t row = 0; row < kModifierRows; ++row)
        if (kRows[row].code.first == bit) return row;
    return std::nullopt;
}

std::optional<size_t> ordinaryKeyRowByUsage(uint8_t usage) {
    for (size_t row = kFirstOrdinaryKeyRow; row < kRows.size(); ++row) {
        const auto& code = kRows[row].code;
        if (code.category == category::kKeyboard && code.second == usage) return row;
    }
    return std::nullopt;
}

std::optional<size_t> keyRowByCode(const AssignmentCode& code) {
    for (size_t row = 0; row < kRows.size(); ++row)
        if (kRows[row].code == code) return row;
    return std::nullopt;
}

int modifierOptionOfRow(size_t modifierRow) {
    const int k = static_cast<int>(modifierRow);
    return (k + 1) % 5 + (k + 1) / 5;
}

uint8_t modifierBitOfOption(int option) {
    if (option < 1 || option > static_cast<int>(kModifierRows)) return 0;
    return static_cast<uint8_t>(1u << (option - 1));
}

std::string_view shortKeyName(std::string_view nameId) {
    if (nameId.starts_with(kNamePrefix)) nameId.remove_prefix(kNamePrefix.size());
    return nameId;
}

}  // namespace viremo
