#include "macros/macro_event_list.h"

#include <gtest/gtest.h>

#include "macros/macro_event.h"
#include "profiles/json_file.h"

namespace viremo {
namespace {

Json::Value document(const char* text) { return json::parse(text).value_or(Json::Value()); }

TEST(MacroEventList, ShowsNamesStylesAndActionsOfEachEventType) {
    struct Case {
        const char* event;
        std::string_view nameId, nameStyle, actionStyle, actionText;
    };
    const Case cases[] = {
        {R"({"Type": 10, "Action": "down", "Button": 4})", "keyboard_key_A", "macro_label_keyboard_style", "macro_label_down_style", "down"},
        {R"({"Type": 9, "Action": "up", "Button": 32})", "keyboard_key_RShift", "macro_label_keyboard_style", "macro_label_up_style", "up"},
        {R"({"Type": 1, "Action": "down", "Button": 8})", "mouse_key_back", "macro_label_mouse_style", "macro_label_down_style", "down"},
        {R"({"Type": 4, "Action": "up", "Button": 44})", "mouse_move_to_right_text", "macro_label_mouse_style", "macro_label_text_style", "44"},
        {R"({"Type": 5, "Action": "down", "Button": 3})", "mouse_move_to_up_text", "macro_label_mouse_style", "macro_label_text_style", "3"},
        {R"({"Type": 2, "Action": "down", "Button": 3})", "", "macro_label_mouse_style", "macro_label_down_style", "down"},
    };
    for (const auto& test : cases) {
        const MacroEventView view = describeMacroEvent(document(test.event));
        EXPECT_EQ(view.nameId, test.nameId) << test.event;
        EXPECT_EQ(view.nameStyle, test.nameStyle) << test.event;
        EXPECT_EQ(view.actionStyle, test.actionStyle) << test.event;
        EXPECT_EQ(view.actionText, test.actionText) << test.event;
    }
}

TEST(MacroEventList, LoadShowsDelaysCappedAndSaveNormalisesThem) {
    MacroEventList list;
    list.load(document(R"({"Events": [
        {"Type": 10, "Action": "down", "Button": 4, "Delay": "70000"},
        {"Type": 10, "Action": "up", "Button": 4, "Delay": 20},
        {"Type": 10, "Action": "down", "Button": 5, "Delay": "1"},
        null,
        {"Type": 10, "Action": "up", "Button": 5, "Delay": "1"}]})"));
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list.row(0).delayText, "65535");
    list.setDelayText(0, "99999");
    list.setDelayText(1, "");
    list.setDelayText(2, " 12abc");
    const Json::Value events = list.eventsForSave();
    ASSERT_EQ(events.size(), 3u);  // ends at the row without an event
    EXPECT_EQ(events[0]["Delay"], "65535");
    EXPECT_EQ(events[1]["Delay"], "0");
    EXPECT_EQ(events[2]["Delay"], "12");
    EXPECT_EQ(list.row(1).delayText, "0");
    EXPECT_EQ(list.row(1).event["Delay"], "0");
}

TEST(MacroEventList, InsertsMouseEventsAfterTheSelection) {
    MacroEventList list;
    ASSERT_TRUE(list.insertMouseAction(513, 0, ""));  // left down into the empty list
    ASSERT_TRUE(list.insertMouseAction(514, 0, ""));  // after it
    list.select(0);
    ASSERT_TRUE(list.insertMouseAction(512, 2, "300", 80));  // move up, after row 0
    EXPECT_EQ(list.selected(), 1);
    ASSERT_TRUE(list.insertMouseAction(524, 1, ""));  // back button up
    EXPECT_FALSE(list.insertMouseAction(600, 0, ""));
    EXPECT_FALSE(list.insertMouseAction(523, 2, ""));

    const Json::Value events = list.eventsForSave();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(json::styledText(events[0]), json::styledText(makeMacroEvent(1, true, 1, 50)));
    EXPECT_EQ(json::styledText(events[1]), json::styledText(makeMacroEvent(5, true, 255, 80)));  // 300 clamped
    EXPECT_EQ(json::styledText(events[2]), json::styledText(makeMacroEvent(1, false, 8, 50)));
    EXPECT_EQ(json::styledText(events[3]), json::styledText(makeMacroEvent(1, false, 1, 50)));
}

TEST(MacroEventList, MovesRebuildRowsFromTheirEvents) {
    MacroEventList list;
    list.load(document(R"({"Events": [{"Type": 10, "Button": 4, "Delay": "1"},
        {"Type": 10, "Button": 5, "Delay": "2"}, {"Type": 10, "Button": 6, "Delay": "3"}]})"));
    list.select(2);
    list.setDelayText(2, "777");  // typed, not saved: lost by the move
    EXPECT_TRUE(list.moveToTop());
    EXPECT_EQ(list.selected(), 0);
    EXPECT_EQ(list.row(0).event["Button"], 6);
    EXPECT_EQ(list.row(0).delayText, "3");
    EXPECT_FALSE(list.moveUp());
    EXPECT_TRUE(list.moveDown());
    EXPECT_TRUE(list.moveToBottom());
    EXPECT_FALSE(list.moveDown());
    EXPECT_EQ(list.row(2).event["Button"], 6);
    EXPECT_TRUE(list.deleteSelected());
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(list.selected(), -1);
    EXPECT_FALSE(list.moveUp());
}

TEST(MacroEventList, HoldsAtMostFourThousandRows) {
    MacroEventList list;
    for (size_t i = 0; i < MacroEventList::kMaxRows; ++i) ASSERT_TRUE(list.insert(i, makeMacroEvent(10, true, 4, 0)));
    EXPECT_FALSE(list.insertMouseAction(513, 0, ""));
    EXPECT_EQ(list.size(), MacroEventList::kMaxRows);
}

}  // namespace
}  // namespace viremo
