#include "devices/mouse/mouse_key_information.h"

#include <algorithm>
#include <cstdint>

#include "macros/key_table.h"

namespace viremo::devices::mouse {
namespace {

struct Named {
    unsigned value;
    std::string_view key;
};

constexpr Named kMouseButtons[] = {{0x01, "mouse_key_left"}, {0x04, "mouse_key_middle"}, {0x02, "mouse_key_right"},
                                   {0x10, "mouse_key_forward"}, {0x08, "mouse_key_back"}};
constexpr Named kDpiKeys[] = {{1, "mouse_key_DPI_add"}, {2, "mouse_key_DPI_sub"}, {3, "mouse_key_DPI_loop"}};
constexpr Named kEditKeys[] = {{0, "custem_cut"},  {1, "custem_copy"},       {2, "custem_paste"},
                               {3, "custem_undo"}, {4, "custem_select_all"}, {5, "custem_find"},
                               {6, "custem_new"},  {7, "custem_save"},       {8, "custem_open"}};
constexpr Named kConsumerKeys[] = {
    {0x0183, "media_text"},  {0x00CD, "media_play"},   {0x00B7, "media_stop"},    {0x00B6, "media_prev"},
    {0x00B5, "media_next"},  {0x00EA, "media_vol_sub"}, {0x00E9, "media_vol_add"}, {0x00E2, "media_mute"},
    {0x0223, "web_text"},    {0x0227, "web_refresh"},  {0x0226, "wed_stop"},      {0x0224, "wed_back"},
    {0x0225, "wed_forward"}, {0x022A, "wed_favorite"}, {0x0221, "web_search"},    {0x0194, "media_mypc"},
    {0x0192, "media_calc"},  {0x018A, "media_mail"}};
constexpr Named kSystemKeys[] = {{1, "system_power"}, {2, "system_sleep"}, {4, "system_wake_up"}};
constexpr Named kGuns[] = {{0, "gun_1_txt"}, {1, "gun_2_txt"}, {2, "gun_3_txt"}, {3, "gun_4_txt"}};
constexpr uint8_t kSilentCategories[] = {0x15, 0x21, 0x50, 0x60, 0xB0, 0xC0};
constexpr std::string_view kOffText = "关闭";

AssignmentText keys(std::vector<std::string_view> languageKeys) { return {std::move(languageKeys), {}}; }

template <size_t N>
std::optional<AssignmentText> named(const Named (&table)[N], unsigned value) {
    for (const Named& entry : table)
        if (entry.value == value) return keys({entry.key});
    return std::nullopt;
}

// A key: the first row with these parameters, else the rows of the category
// sharing either parameter.
std::optional<AssignmentText> keyText(const AssignmentCode& code) {
    const auto rows = keyTable();
    const auto same = std::find_if(rows.begin(), rows.end(), [&](const KeyTableRow& row) {
        return row.code.first == code.first && row.code.second == code.second;
    });
    if (same != rows.end()) return keys({same->nameId});
    if (code.first == 0 && code.second == 0) return keys({"close_text"});
    std::vector<std::string_view> parts;
    for (const KeyTableRow& row : rows)
        if (row.code.category == code.category && (row.code.first == code.first || row.code.second == code.second))
            parts.push_back(row.nameId);
    return keys(std::move(parts));
}

std::optional<AssignmentText> functionKeyText(const AssignmentCode& code) {
    if (code.first == 2) return keys({"mouse_key_smart_key"});
    if (code.first == 0) return keys({"close_text"});
    const auto row = keyRowByCode(code);
    if (!row) return std::nullopt;
    return keys({keyTable()[*row].nameId});
}

}  // namespace

std::optional<AssignmentText> assignmentText(const AssignmentCode& code, std::span<const std::string> macroNames) {
    const bool bit7 = (code.second & 0x80) != 0;
    switch (code.category) {
    case 0x00: case 0x20: return keyText(code);
    case 0x10: return named(kMouseButtons, code.first);
    case 0x11: return keys({bit7 ? "mouse_key_right_Swing" : "mouse_key_left_Swing"});
    case 0x12: return keys({bit7 ? "mouse_key_down_Swing" : "mouse_key_up_Swing"});
    case 0x13: return named(kDpiKeys, code.first);
    case 0x14: return keys({"mouse_key_fire_key"});
    case 0x16: return keys({"mouse_key_DPI_shift"});
    case 0x22: return code.first == 0 ? named(kEditKeys, code.second) : std::nullopt;
    case 0x23: return code.first == 0 && code.second == 0 ? std::optional(keys({"show_window"})) : std::nullopt;
    case 0x30: return named(kConsumerKeys, code.first + 256u * code.second);
    case 0x40: return named(kSystemKeys, code.first);
    case 0x70: case 0x71:
        if (code.first >= macroNames.size()) return std::nullopt;
        return AssignmentText{{}, macroNames[code.first]};
    case 0x72: return named(kGuns, code.first);
    case 0xA0: return functionKeyText(code);
    default: break;
    }
    if (std::find(std::begin(kSilentCategories), std::end(kSilentCategories), code.category) !=
        std::end(kSilentCategories))
        return std::nullopt;
    return AssignmentText{{}, std::string(kOffText)};
}

}  // namespace viremo::devices::mouse
