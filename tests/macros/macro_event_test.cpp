#include "macros/macro_event.h"

#include <gtest/gtest.h>

#include "profiles/json_file.h"

namespace viremo {
namespace {

PackedMacroEvent packed(const char* text) {
    const auto event = json::parse(text);
    EXPECT_TRUE(event.has_value()) << text;
    return packMacroEvent(event.value_or(Json::Value()));
}

TEST(MacroEvent, PacksDelayTypeWithPressBitAndButton) {
    struct Case {
        const char* event;
        PackedMacroEvent bytes;
    };
    const Case cases[] = {
        {R"({"Type": 10, "Action": "down", "Button": 4, "Delay": "300"})", {0x2C, 0x01, 0x8A, 0x04}},
        {R"({"Type": 10, "Action": "up", "Button": 4, "Delay": "0"})", {0x00, 0x00, 0x0A, 0x04}},
        {R"({"Type": 5, "Action": "up", "Button": 7, "Delay": 85})", {0x55, 0x00, 0x05, 0x07}},      // recoil files: integers
        {R"({"Type": 9, "Action": "down", "Button": 32, "Delay": " 65535"})", {0xFF, 0xFF, 0x89, 0x20}},
        {R"({"Type": 1, "Action": "down", "Button": 1, "Delay": "70000"})", {0xFF, 0xFF, 0x81, 0x01}},  // clamped, not wrapped
        {R"({"Type": 1, "Action": "up", "Button": 1, "Delay": -5})", {0x00, 0x00, 0x01, 0x01}},
        {R"({"Type": 138, "Action": "up", "Button": 300, "Delay": "12ms"})", {0x0C, 0x00, 0x0A, 0x2C}},  // 7-bit type, one byte
        {R"({"Type": "10", "Action": 1, "Button": [4], "Delay": {}})", {0x00, 0x00, 0x00, 0x00}},
        {R"([1, 2, 3])", {0x00, 0x00, 0x00, 0x00}},
    };
    for (const auto& test : cases) EXPECT_EQ(packed(test.event), test.bytes) << test.event;
}

TEST(MacroEvent, NewEventsWriteTheDelayAsAString) {
    const Json::Value event = makeMacroEvent(5, true, 44, 80);
    EXPECT_EQ(json::styledText(event),
              "{\n   \"Action\" : \"down\",\n   \"Button\" : 44,\n   \"Delay\" : \"80\",\n   \"Type\" : 5\n}\n");
}

}  // namespace
}  // namespace viremo
