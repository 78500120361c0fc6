#include "macros/macro_recording.h"

#include <array>

namespace viremo {
namespace {

constexpr int kMeasuredUnlessFixed = 0;  // timing column: 2 when the fixed delay is checked, else 1

struct TriggerRow {
    std::string_view control;
    int timing;  // 1, 2 or 3; kMeasuredUnlessFixed as above
    int captureMode;
};

constexpr std::array<TriggerRow, 8> kTriggers{{
    {"macro_btn_starredio", kMeasuredUnlessFixed, capture_mode::kMacroAppend},
    {"redio_previous_record_time", kMeasuredUnlessFixed, capture_mode::kMacroBefore},
    {"redio_previous_constant_time", 2, capture_mode::kMacroBefore},
    {"redio_previous_ignore_time", 3, capture_mode::kMacroBefore},
    {"redio_later_record_time", kMeasuredUnlessFixed, capture_mode::kMacroAfter},
    {"redio_later_constant_time", 2, capture_mode::kMacroAfter},
    {"redio_later_ignore_time", 3, capture_mode::kMacroAfter},
    {"macro_action_edit", 3, capture_mode::kMacroEdit},
}};

}  // namespace

std::optional<RecordingTrigger> recordingTrigger(std::string_view controlName, bool fixedDelayChecked) {
    for (const TriggerRow& row : kTriggers) {
        if (row.control != controlName) continue;
        const int timing = row.timing == kMeasuredUnlessFixed ? (fixedDelayChecked ? 2 : 1) : row.timing;
        return RecordingTrigger{static_cast<TimingMode>(timing), row.captureMode};
    }
    return std::nullopt;
}

MacroRecording::MacroRecording(MacroEventList& events, CDeviceHook& hook, const Clock& clock)
    : recorder_(events, clock), hook_(hook) {}

MacroRecording::~MacroRecording() { Stop(); }

RecordingStart MacroRecording::Start(const RecordingTrigger& trigger, bool macroSelected,
                                     std::string_view fixedDelayText) {
    const RecordingStart started = recorder_.start(trigger.timing, trigger.captureMode, macroSelected, fixedDelayText);
    // Without the keyboard the recording still runs (and shows so); it gets
    // nothing from the keys.
    if (started == RecordingStart::Started) hook_.InstallInputHook(trigger.captureMode, *this, true, true);
    return started;
}

void MacroRecording::Stop() {
    recorder_.stop();
    if (hook_.Receiver() == this) hook_.UninstallInputHook();
}

void MacroRecording::keyboardHookMessage(int mode, int wParam, const KeyboardHookRecord& record) {
    if (recorder_.recordKeyEvent(mode, wParam, record) && onEventsChanged) onEventsChanged();
}

void MacroRecording::mouseHookMessage(int mode, int wParam, const MouseHookRecord& record) {
    if (recorder_.recordMouseEvent(mode, wParam, record) && onEventsChanged) onEventsChanged();
}

void MacroRecording::hookRemoved() {
    if (!recorder_.recording()) return;
    recorder_.stop();
    if (onEnded) onEnded();
}

}  // namespace viremo
