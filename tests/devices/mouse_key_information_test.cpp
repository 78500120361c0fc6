// The texts of the mouse page's key information list.
#include <gtest/gtest.h>

#include "devices/mouse/mouse_key_information.h"

namespace viremo::devices::testing {
namespace {

using mouse::AssignmentText;
using mouse::assignmentText;

AssignmentText keys(std::vector<std::string_view> languageKeys) { return {std::move(languageKeys), {}}; }

TEST(MouseKeyInformationTest, TextOfEachKindOfAssignment) {
    const std::vector<std::string> macros{"first", "second"};
    const struct {
        AssignmentCode code;
        std::optional<AssignmentText> text;
    } cases[] = {
        {{0x20, 0x00, 0x04}, keys({"keyboard_key_A"})},
        // Ctrl+A has no row: the rows of the category sharing a parameter.
        {{0x20, 0x01, 0x04}, keys({"keyboard_key_LCtrl", "keyboard_key_A"})},
        {{0x10, 0x08, 0x00}, keys({"mouse_key_back"})},
        {{0x10, 0x03, 0x00}, std::nullopt},
        {{0x11, 0x00, 0x80}, keys({"mouse_key_right_Swing"})},
        {{0x12, 0x00, 0x01}, keys({"mouse_key_up_Swing"})},
        {{0x22, 0x00, 0x04}, keys({"custem_select_all"})},
        {{0x22, 0x01, 0x04}, std::nullopt},
        {{0x30, 0x23, 0x02}, keys({"web_text"})},
        {{0x70, 0x01, 0x00}, AssignmentText{{}, "second"}},
        {{0x71, 0x02, 0x00}, std::nullopt},  // beyond "macro.config"
        {{0x72, 0x03, 0x00}, keys({"gun_4_txt"})},
        {{0xA0, 0x02, 0x00}, keys({"mouse_key_smart_key"})},
        {{0xA0, 0x1B, 0x00}, keys({"keyboard_key_GM"})},
        {{0x50, 0x01, 0x00}, std::nullopt},
        {{0x99, 0x01, 0x00}, AssignmentText{{}, "关闭"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(assignmentText(c.code, macros), c.text)
            << int(c.code.category) << " " << int(c.code.first) << " " << int(c.code.second);
}

}  // namespace
}  // namespace viremo::devices::testing
