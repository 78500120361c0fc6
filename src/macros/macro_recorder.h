#pragma once
// Macro recording without the panel's controls: turns the hook messages of
// the live keyboard and mouse into events of the selected macro's list.
//
// The capture mode of a recording decides where events go: appended (4),
// inserted before (8) or after (16) the selected event, or replacing the
// selected event's key or button (32). The timing decides the delays:
// measured between events, a fixed delay, or none. A new event's wait is
// given to the row above it once the next event arrives, so the last row of
// a recording keeps its own delay.
//
// Each capture mode has a keyboard and a mouse recorder that remember the
// last key-down (scan code and extended flag) or mouse message (code and
// extra-button word) they took, so a held key's auto-repeat records once.
// The memory starts empty with every recording.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "macros/macro_event_list.h"
#include "platform/clock.h"
#include "platform/input_capture.h"

namespace viremo {

enum class TimingMode { Measured = 1, Fixed = 2, NoDelay = 3 };

struct ScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
};

enum class RecordingStart { Started, NoMacroSelected, AlreadyRecording };

class MacroRecorder {
public:
    explicit MacroRecorder(MacroEventList& events, const Clock& clock = systemClock());

    // Starts recording in a capture mode (4, 8, 16 or 32). Refused without a
    // selected macro: there would be nowhere to save the events. For fixed
    // timing the fixed delay is read from its edit first (readFixedDelay).
    RecordingStart start(TimingMode timing, int captureMode, bool macroSelected, std::string_view fixedDelayText = {});
    void stop();
    bool recording() const { return recording_; }
    int captureMode() const { return captureMode_; }

    // The fixed delay as typed: a decimal number, capped to 0..65535. When it
    // differs from the stored one it is stored and the text the edit shows
    // now is returned; nullopt when nothing changed.
    std::optional<std::string> readFixedDelay(std::string_view text);
    int64_t fixedDelay() const { return fixedDelay_; }

    // Where the stop button is on the screen: the click that ends the
    // recording is not recorded.
    void setStopButtonArea(const ScreenRect& area) { stopButton_ = area; }

    // The hook messages of a capture mode. True when the list changed.
    bool recordKeyEvent(int captureMode, int wParam, const KeyboardHookRecord& record);
    bool recordMouseEvent(int captureMode, int wParam, const MouseHookRecord& record);

private:
    struct KeyDown {
        uint32_t scanCode;
        bool extended;
        bool operator==(const KeyDown&) const = default;
    };
    struct MouseMessage {
        int message;
        uint16_t extraButton;
        bool operator==(const MouseMessage&) const = default;
    };
    static constexpr size_t kCaptureModes = 4;  // 4, 8, 16, 32

    static std::optional<size_t> recorderOf(int captureMode);
    bool place(int captureMode, int type, bool down, int button);
    bool editSelected(int type, int button);
    int64_t measureDelay();
    int64_t newRowDelay() const;

    MacroEventList& events_;
    const Clock& clock_;
    bool recording_ = false;
    int captureMode_ = 0;
    TimingMode timing_ = TimingMode::Measured;
    int64_t fixedDelay_ = MacroEventList::kDefaultFixedDelay;
    // Whether an event was recorded before, in this or an earlier recording
    // of the panel: only then does the row above a new event get its wait.
    // Set from the start, so every recording treats its first event alike.
    bool recordedBefore_ = true;
    Clock::Monotonic lastTick_{};
    std::optional<ScreenRect> stopButton_;
    std::array<std::optional<KeyDown>, kCaptureModes> lastKey_{};
    std::array<std::optional<MouseMessage>, kCaptureModes> lastMouse_{};
};

}  // namespace viremo
