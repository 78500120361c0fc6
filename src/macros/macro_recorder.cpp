#include "macros/macro_recorder.h"

#include <algorithm>
#include <chrono>

#include "macros/key_table.h"
#include "macros/macro_event.h"
#include "macros/mouse_event_table.h"
#include "macros/text.h"

namespace viremo {
namespace {

constexpr uint8_t kKeyboardCategory = 0x20;
constexpr int kButtonRows = 6;  // left, right, middle: down and up

// Rows 0-5 of the mouse event table, in the order of their messages.
constexpr std::array<int, kButtonRows> kButtonMessages{
    mouse_message::kLeftDown,   mouse_message::kLeftUp,   mouse_message::kRightDown,
    mouse_message::kRightUp,    mouse_message::kMiddleDown, mouse_message::kMiddleUp,
};

// The mouse event table row of a hook message: the extra buttons by the
// high word of the mouse data (2 forward, 1 back).
std::optional<size_t> mouseRowOf(int wParam, uint16_t extraButton) {
    const auto button = std::find(kButtonMessages.begin(), kButtonMessages.end(), wParam);
    if (button != kButtonMessages.end()) return static_cast<size_t>(button - kButtonMessages.begin());
    if (wParam != mouse_message::kExtraDown && wParam != mouse_message::kExtraUp) return std::nullopt;
    if (extraButton == kExtraButtonForward) return mouseEventRow(wParam, 0);
    if (extraButton == kExtraButtonBack) return mouseEventRow(wParam, 1);
    return std::nullopt;
}

}  // namespace

MacroRecorder::MacroRecorder(MacroEventList& events, const Clock& clock) : events_(events), clock_(clock) {}

std::optional<size_t> MacroRecorder::recorderOf(int captureMode) {
    switch (captureMode) {
    case capture_mode::kMacroAppend: return 0;
    case capture_mode::kMacroBefore: return 1;
    case capture_mode::kMacroAfter: return 2;
    case capture_mode::kMacroEdit: return 3;
    default: return std::nullopt;
    }
}

RecordingStart MacroRecorder::start(TimingMode timing, int captureMode, bool macroSelected,
                                    std::string_view fixedDelayText) {
    if (recording_) return RecordingStart::AlreadyRecording;
    if (!macroSelected) return RecordingStart::NoMacroSelected;
    timing_ = timing;
    captureMode_ = captureMode;
    lastTick_ = clock_.now();
    if (timing == TimingMode::Fixed) readFixedDelay(fixedDelayText);
    lastKey_ = {};
    lastMouse_ = {};
    recording_ = true;
    return RecordingStart::Started;
}

void MacroRecorder::stop() { recording_ = false; }

std::optional<std::string> MacroRecorder::readFixedDelay(std::string_view text) {
    const int64_t typed = readDecimal(text);
    if (typed == fixedDelay_) return std::nullopt;
    fixedDelay_ = clampTo(typed, 0, kMaxDelay);
    return std::to_string(fixedDelay_);
}

bool MacroRecorder::recordKeyEvent(int captureMode, int wParam, const KeyboardHookRecord& record) {
    const auto recorder = recorderOf(captureMode);
    if (!recording_ || !recorder) return false;
    const bool down = isKeyDownMessage(wParam);
    const KeyDown key{record.scanCode, record.extended()};
    std::optional<KeyDown>& last = lastKey_[*recorder];
    if (down) {
        if (last == key) return false;  // auto-repeat
        last = key;
    } else if (last == key) {
        last.reset();
    }
    if (record.scanCode > 0xFF) return false;
    const auto row = keyRowByScanCode(static_cast<uint8_t>(record.scanCode), record.extended());
    if (!row || keyTable()[*row].code.category != kKeyboardCategory) return false;
    const AssignmentCode& code = keyTable()[*row].code;
    // Ordinary keys carry their HID usage, modifiers their bit.
    const bool ordinary = code.second != 0;
    const int type = ordinary ? macro_type::kKey : macro_type::kModifier;
    const int button = ordinary ? code.second : code.first;
    if (captureMode == capture_mode::kMacroEdit) return editSelected(type, button);
    return place(captureMode, type, down, button);
}

bool MacroRecorder::recordMouseEvent(int captureMode, int wParam, const MouseHookRecord& record) {
    const auto recorder = recorderOf(captureMode);
    if (!recording_ || !recorder) return false;
    const auto row = mouseRowOf(wParam, record.extraButton());
    if (!row) return false;
    const MouseMessage message{wParam, record.extraButton()};
    std::optional<MouseMessage>& last = lastMouse_[*recorder];
    if (last == message) return false;
    last = message;
    const bool leftButton = wParam == mouse_message::kLeftDown || wParam == mouse_message::kLeftUp;
    if (leftButton && stopButton_ && stopButton_->contains(record.x, record.y)) return false;
    const MouseEventRow& mouse = mouseEventTable()[*row];
    const int type = mouse.typeAndDown & 0x7F;
    if (captureMode == capture_mode::kMacroEdit) return editSelected(type, mouse.button);
    return place(captureMode, type, (mouse.typeAndDown & 0x80) != 0, mouse.button);
}

bool MacroRecorder::place(int captureMode, int type, bool down, int button) {
    if (events_.size() >= MacroEventList::kMaxRows) return false;
    const int selected = events_.selected();
    if (captureMode != capture_mode::kMacroAppend && selected < 0) return false;
    const auto s = static_cast<size_t>(selected);
    size_t at = 0;
    size_t selectAfter = 0;
    std::optional<size_t> waitingRow;  // the row the measured wait belongs to
    switch (captureMode) {
    case capture_mode::kMacroAppend:
        at = events_.size();
        selectAfter = at;
        if (at > 0) waitingRow = at - 1;
        break;
    case capture_mode::kMacroBefore:
        at = s;
        selectAfter = s + 1;
        if (s > 0) waitingRow = s - 1;
        break;
    default:  // after the selected row
        at = s + 1;
        selectAfter = s + 1;
        waitingRow = s;
        break;
    }
    const int64_t measured = measureDelay();
    Json::Value event = makeMacroEvent(type, down, button, newRowDelay());
    if (at == 0) event["Delay"] = 0;
    events_.insert(at, std::move(event));
    if (recordedBefore_ && waitingRow) events_.setDelay(*waitingRow, measured);
    recordedBefore_ = true;
    events_.select(static_cast<int>(selectAfter));
    return true;
}

bool MacroRecorder::editSelected(int type, int button) {
    const int selected = events_.selected();
    if (selected < 0) return false;
    events_.setTypeAndButton(static_cast<size_t>(selected), type, button);
    return true;
}

int64_t MacroRecorder::measureDelay() {
    switch (timing_) {
    case TimingMode::Fixed: return fixedDelay_;
    case TimingMode::NoDelay: return 0;
    case TimingMode::Measured: break;
    }
    const Clock::Monotonic now = clock_.now();
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - lastTick_).count();
    lastTick_ = now;
    return clampTo(elapsed, 0, kMaxDelay);
}

int64_t MacroRecorder::newRowDelay() const { return timing_ == TimingMode::Fixed ? fixedDelay_ : 0; }

}  // namespace viremo
