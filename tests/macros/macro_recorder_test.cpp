#include "macros/macro_recorder.h"
#include "macros/macro_recording.h"

#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "macros/macro_event.h"
#include "profiles/json_file.h"

namespace viremo {
namespace {

using namespace std::chrono_literals;

// Set-1 scan codes: A 0x1E, B 0x30, Ctrl 0x1D (right Ctrl extended).
constexpr KeyboardHookRecord kKeyA{0x41, 0x1E, 0};
constexpr KeyboardHookRecord kKeyB{0x42, 0x30, 0};
constexpr KeyboardHookRecord kRightCtrl{0xA3, 0x1D, kKeyFlagExtended};

constexpr int kDown = key_message::kKeyDown;
constexpr int kUp = key_message::kKeyUp;

// "Type/Action/Button/Delay", the delay as JSON writes it ("80" or 0).
std::string rowText(const MacroEventList& list, size_t index) {
    const Json::Value& event = list.row(index).event;
    const Json::Value& delay = event["Delay"];
    const std::string delayText = delay.isString() ? '"' + delay.asString() + '"' : std::to_string(delay.asInt64());
    return std::to_string(event["Type"].asInt()) + "/" + event["Action"].asString() + "/" +
           std::to_string(event["Button"].asInt()) + "/" + delayText;
}

std::vector<std::string> rows(const MacroEventList& list) {
    std::vector<std::string> texts;
    for (size_t i = 0; i < list.size(); ++i) texts.push_back(rowText(list, i));
    return texts;
}

// Three key events X, Y, Z with their own delays.
void loadThreeEvents(MacroEventList& list) {
    list.load(json::parse(R"({"Events": [
        {"Type": 10, "Action": "down", "Button": 27, "Delay": "10"},
        {"Type": 10, "Action": "down", "Button": 28, "Delay": "20"},
        {"Type": 10, "Action": "down", "Button": 29, "Delay": "30"}]})").value());
}

class MacroRecorderTest : public ::testing::Test {
protected:
    FakeClock clock;
    MacroEventList list;
    MacroRecorder recorder{list, clock};
};

TEST_F(MacroRecorderTest, MeasuresTheWaitIntoTheRowBeforeTheNextEvent) {
    ASSERT_EQ(recorder.start(TimingMode::Measured, capture_mode::kMacroAppend, true), RecordingStart::Started);
    clock.advance(120ms);
    recorder.recordKeyEvent(capture_mode::kMacroAppend, kDown, kKeyA);
    clock.advance(300ms);
    recorder.recordKeyEvent(capture_mode::kMacroAppend, kUp, kKeyA);
    // The first row of a list stores its delay as the integer 0 until the
    // next event gives it the wait; the last row keeps "0".
    EXPECT_EQ(rows(list), (std::vector<std::string>{R"(10/down/4/"300")", R"(10/up/4/"0")"}));
    EXPECT_EQ(list.row(0).delayText, "300");
    EXPECT_EQ(list.selected(), 1);

    clock.advance(70000ms);  // capped
    recorder.recordKeyEvent(capture_mode::kMacroAppend, key_message::kSysKeyDown, kRightCtrl);
    EXPECT_EQ(rowText(list, 1), R"(10/up/4/"65535")");
    EXPECT_EQ(rowText(list, 2), R"(9/down/16/"0")");
}

TEST_F(MacroRecorderTest, FirstEventIntoAnEmptyListHasTheIntegerDelayZero) {
    recorder.start(TimingMode::Measured, capture_mode::kMacroAppend, true);
    clock.advance(500ms);
    recorder.recordKeyEvent(capture_mode::kMacroAppend, kDown, kKeyA);
    EXPECT_EQ(rows(list), (std::vector<std::string>{"10/down/4/0"}));
}

TEST_F(MacroRecorderTest, FixedAndNoDelayTimings) {
    loadThreeEvents(list);
    ASSERT_EQ(recorder.readFixedDelay("80"), "80");
    recorder.start(TimingMode::Fixed, capture_mode::kMacroAppend, true, "80");
    recorder.recordKeyEvent(capture_mode::kMacroAppend, kDown, kKeyA);
    recorder.recordKeyEvent(capture_mode::kMacroAppend, kUp, kKeyA);
    EXPECT_EQ(rows(list), (std::vector<std::string>{R"(10/down/27/"10")", R"(10/down/28/"20")", R"(10/down/29/"80")",
                                                    R"(10/down/4/"80")", R"(10/up/4/"80")"}));
    recorder.stop();

    recorder.start(TimingMode::NoDelay, capture_mode::kMacroAppend, true);
    clock.advance(900ms);
    recorder.recordKeyEvent(capture_mode::kMacroAppend, kDown, kKeyB);
    EXPECT_EQ(rowText(list, 4), R"(10/up/4/"0")");
    EXPECT_EQ(rowText(list, 5), R"(10/down/5/"0")");
}

TEST_F(MacroRecorderTest, FixedDelayIsReadFromItsEdit) {
    EXPECT_EQ(recorder.readFixedDelay("50"), std::nullopt);  // the default, unchanged
    EXPECT_EQ(recorder.readFixedDelay(" 99999ms"), "65535");
    EXPECT_EQ(recorder.readFixedDelay("-5"), "0");
    EXPECT_EQ(recorder.readFixedDelay("12x"), "12");
    EXPECT_EQ(recorder.fixedDelay(), 12);
}

TEST_F(MacroRecorderTest, InsertModesPlaceBeforeAfterOrInPlaceOfTheSelectedRow) {
    struct Case {
        int mode;
        int selected;
        std::vector<std::string> rows;
        int selectedAfter;
    };
    const Case cases[] = {
        // Before row 1: row 0 gets the wait; the old row 1 stays selected.
        {capture_mode::kMacroBefore, 1,
         {R"(10/down/27/"40")", R"(10/down/4/"0")", R"(10/down/28/"20")", R"(10/down/29/"30")"}, 2},
        // After row 1: row 1 gets the wait; the new row is selected.
        {capture_mode::kMacroAfter, 1,
         {R"(10/down/27/"10")", R"(10/down/28/"40")", R"(10/down/4/"0")", R"(10/down/29/"30")"}, 2},
        // Before the first row: no row above gets the wait.
        {capture_mode::kMacroBefore, 0,
         {"10/down/4/0", R"(10/down/27/"10")", R"(10/down/28/"20")", R"(10/down/29/"30")"}, 1},
        // In place of row 1: key and button change; action and delay stay.
        {capture_mode::kMacroEdit, 1, {R"(10/down/27/"10")", R"(10/down/4/"20")", R"(10/down/29/"30")"}, 1},
        // Nothing selected: nothing recorded.
        {capture_mode::kMacroAfter, -1, {R"(10/down/27/"10")", R"(10/down/28/"20")", R"(10/down/29/"30")"}, -1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << test.mode << " selected " << test.selected);
        MacroEventList events;
        loadThreeEvents(events);
        events.select(test.selected);
        MacroRecorder insertion(events, clock);
        insertion.start(TimingMode::Measured, test.mode, true);
        clock.advance(40ms);
        // The edit mode keeps the row's "down" whatever the key does.
        insertion.recordKeyEvent(test.mode, test.mode == capture_mode::kMacroEdit ? kUp : kDown, kKeyA);
        EXPECT_EQ(rows(events), test.rows);
        EXPECT_EQ(events.selected(), test.selectedAfter);
    }
}

TEST_F(MacroRecorderTest, HeldKeyRecordsOneDownAndOneUp) {
    recorder.start(TimingMode::NoDelay, capture_mode::kMacroAppend, true);
    for (int i = 0; i < 5; ++i) recorder.recordKeyEvent(capture_mode::kMacroAppend, kDown, kKeyA);
    recorder.recordKeyEvent(capture_mode::kMacroAppend, kUp, kKeyA);
    recorder.recordKeyEvent(capture_mode::kMacroAppend, kDown, kKeyA);  // pressed again
    EXPECT_EQ(rows(list), (std::vector<std::string>{R"(10/down/4/"0")", R"(10/up/4/"0")", R"(10/down/4/"0")"}));
}

TEST_F(MacroRecorderTest, RememberedKeyStartsEmptyWithEveryRecording) {
    // A recording that ended with A held (the capture was lost) must not
    // swallow the next recording's first A.
    recorder.start(TimingMode::NoDelay, capture_mode::kMacroAppend, true);
    recorder.recordKeyEvent(capture_mode::kMacroAppend, kDown, kKeyA);
    recorder.recordMouseEvent(capture_mode::kMacroAppend, mouse_message::kRightDown, {});
    recorder.stop();
    recorder.start(TimingMode::NoDelay, capture_mode::kMacroAppend, true);
    EXPECT_TRUE(recorder.recordKeyEvent(capture_mode::kMacroAppend, kDown, kKeyA));
    EXPECT_TRUE(recorder.recordMouseEvent(capture_mode::kMacroAppend, mouse_message::kRightDown, {}));
    EXPECT_EQ(list.size(), 4u);
}

TEST_F(MacroRecorderTest, MouseButtonsByMessageAndExtraButtonWord) {
    recorder.start(TimingMode::NoDelay, capture_mode::kMacroAppend, true);
    recorder.setStopButtonArea({700, 500, 780, 530});
    const MouseHookRecord back{10, 10, 0x00010000};
    const MouseHookRecord forward{10, 10, 0x00020000};
    const MouseHookRecord onStop{710, 510, 0};
    struct Step {
        int message;
        MouseHookRecord record;
        bool recorded;
    };
    const Step steps[] = {
        {mouse_message::kExtraDown, back, true},
        {mouse_message::kExtraDown, forward, true},  // same message, other button
        {mouse_message::kExtraDown, forward, false}, // repeated
        {mouse_message::kExtraUp, {10, 10, 0x00030000}, false},  // neither back nor forward
        {mouse_message::kMiddleDown, {}, true},
        {522, {}, false},  // the wheel: macros have no wheel event
        {mouse_message::kLeftDown, onStop, false},  // the click that stops recording
        {mouse_message::kLeftUp, onStop, false},
        {mouse_message::kLeftDown, {}, true},
    };
    for (const Step& step : steps)
        EXPECT_EQ(recorder.recordMouseEvent(capture_mode::kMacroAppend, step.message, step.record), step.recorded)
            << step.message << " " << step.record.mouseData;
    EXPECT_EQ(rows(list), (std::vector<std::string>{R"(1/down/8/"0")", R"(1/down/16/"0")", R"(1/down/4/"0")",
                                                    R"(1/down/1/"0")"}));
}

TEST_F(MacroRecorderTest, RefusedWithoutASelectedMacroOrWhileRecording) {
    EXPECT_EQ(recorder.start(TimingMode::Measured, capture_mode::kMacroAppend, false), RecordingStart::NoMacroSelected);
    EXPECT_FALSE(recorder.recording());
    EXPECT_FALSE(recorder.recordKeyEvent(capture_mode::kMacroAppend, kDown, kKeyA));
    EXPECT_EQ(list.size(), 0u);

    recorder.start(TimingMode::Measured, capture_mode::kMacroAppend, true);
    EXPECT_EQ(recorder.start(TimingMode::Fixed, capture_mode::kMacroAfter, true), RecordingStart::AlreadyRecording);
    EXPECT_EQ(recorder.captureMode(), capture_mode::kMacroAppend);
}

TEST_F(MacroRecorderTest, StopsTakingEventsAtFourThousandRows) {
    Json::Value document;
    for (size_t i = 0; i + 1 < MacroEventList::kMaxRows; ++i) document["Events"].append(makeMacroEvent(10, true, 4, 1));
    list.load(document);
    recorder.start(TimingMode::NoDelay, capture_mode::kMacroAppend, true);
    EXPECT_TRUE(recorder.recordKeyEvent(capture_mode::kMacroAppend, kDown, kKeyA));
    EXPECT_FALSE(recorder.recordKeyEvent(capture_mode::kMacroAppend, kUp, kKeyA));
    EXPECT_EQ(list.size(), MacroEventList::kMaxRows);
}

}  // namespace
}  // namespace viremo

namespace viremo {
namespace {

TEST(RecordingTrigger, RecordButtonAndMenuItemsChooseTimingAndPlace) {
    struct Case {
        const char* control;
        bool fixedChecked;
        TimingMode timing;
        int mode;
    };
    const Case cases[] = {
        {"macro_btn_starredio", false, TimingMode::Measured, capture_mode::kMacroAppend},
        {"macro_btn_starredio", true, TimingMode::Fixed, capture_mode::kMacroAppend},
        {"redio_previous_constant_time", false, TimingMode::Fixed, capture_mode::kMacroBefore},
        {"redio_later_ignore_time", true, TimingMode::NoDelay, capture_mode::kMacroAfter},
        {"redio_later_record_time", true, TimingMode::Fixed, capture_mode::kMacroAfter},
        {"macro_action_edit", false, TimingMode::NoDelay, capture_mode::kMacroEdit},
    };
    for (const Case& test : cases) {
        const auto trigger = recordingTrigger(test.control, test.fixedChecked);
        ASSERT_TRUE(trigger) << test.control;
        EXPECT_EQ(trigger->timing, test.timing) << test.control;
        EXPECT_EQ(trigger->captureMode, test.mode) << test.control;
    }
    EXPECT_FALSE(recordingTrigger("macro_btn_stopredio", false));
}

}  // namespace
}  // namespace viremo
