#pragma once
// A recording of the macro panel from start to stop: the recorder and the
// input capture together. The recording itself receives the hook messages
// (it is the capture's receiving window). When the capture is taken away
// (the window was deactivated or hidden) the recording ends and tells the
// panel, which then runs its stop flow (controls back, macro saved) as for
// the stop button. The hook must outlive the recording.
#include <functional>
#include <optional>
#include <string_view>

#include "macros/macro_recorder.h"
#include "platform/device_hook.h"

namespace viremo {

// What a control starts: the record button and the items of the event
// list's menu. The record button and the "record_time" items measure the
// delays unless the fixed delay is checked.
struct RecordingTrigger {
    TimingMode timing;
    int captureMode;
};
std::optional<RecordingTrigger> recordingTrigger(std::string_view controlName, bool fixedDelayChecked);

class MacroRecording : public HookReceiver {
public:
    // Texts of the macro panel: why a recording was refused, and where the
    // input is taken from while recording.
    static constexpr std::string_view kNoMacroTextId = "macro_record_no_macro_text";
    static constexpr std::string_view kFocusTextId = "macro_record_focus_text";

    MacroRecording(MacroEventList& events, CDeviceHook& hook, const Clock& clock = systemClock());
    ~MacroRecording() override;

    // Starts the recorder, then the capture of keyboard and mouse. Refused
    // (nothing installed) as the recorder refuses.
    RecordingStart Start(const RecordingTrigger& trigger, bool macroSelected, std::string_view fixedDelayText = {});
    // Removes the capture and stops the recorder; the panel saves the macro.
    void Stop();
    bool IsRecording() const { return recorder_.recording(); }

    MacroRecorder& Recorder() { return recorder_; }

    // The list changed (the panel shows the rows and scrolls to the
    // selected one).
    std::function<void()> onEventsChanged;
    // The capture was taken away and the recording ended.
    std::function<void()> onEnded;

    void keyboardHookMessage(int mode, int wParam, const KeyboardHookRecord& record) override;
    void mouseHookMessage(int mode, int wParam, const MouseHookRecord& record) override;
    void hookRemoved() override;

private:
    MacroRecorder recorder_;
    CDeviceHook& hook_;
};

}  // namespace viremo
