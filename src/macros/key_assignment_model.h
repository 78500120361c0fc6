#pragma once
// The key assignment panel without its controls: the current and factory
// code of the selected key, and the state of every page's controls. `show`
// fills the controls from a code, `read` builds the code back from them, and
// key capture turns a keystroke into a keyboard code. The panel copies this
// state to and from its named controls and nothing more.
#include <cstdint>
#include <optional>
#include <string_view>

#include "macros/assignment_code.h"
#include "macros/function_page.h"

namespace viremo {

// Direction combo, count, delay step and speed step of the move and wheel pages.
struct MotionControls {
    int directionItem = 0;  // 1 = second direction (right / down)
    int64_t count = 0;
    int64_t delay = 0;
    int64_t speed = 0;
};

// Combo rows are -1 when nothing is selected.
struct KeyPanelControls {
    std::optional<FunctionPage> page;  // nullopt: no page, the function area is hidden
    int mouseButtonRow = -1;
    MotionControls move;
    MotionControls wheel;
    int dpiRow = -1;
    int64_t fireInterval = 0;
    int64_t fireCount = 0;
    // -1 none selected, 0 "none", 1 Ctrl, 2 Shift, 3 Alt, 4 Win; 5 RCtrl,
    // 6 RShift, 7 RAlt, 8 RWin, which the panel shows on the option of the
    // same modifier (option - 4).
    int modifierOption = -1;
    std::string_view keyNameId;  // name of the captured key; empty = the key edit is empty
    uint8_t keyUsage = 0;        // its HID usage
    int mediaRow = -1;
    int systemRow = -1;
    int macroRow = -1;
    int macroPlayItem = -1;  // 0-3 play modes, 4 repeat
    int64_t macroRepeat = 0;
    bool macroRepeatVisible = false;
    int gunItem = -1;
    int shortcutRow = -1;
};

class KeyAssignmentModel {
public:
    static constexpr int kRepeatItem = 4;

    void setMacroCount(int count) { macroCount_ = count; }
    // The model id of the device (keyboard 1 or 9, mouse 2 or 6): a page
    // the kind does not offer is never shown, chosen or read.
    void setDeviceModel(int modelId) { modelId_ = modelId; }
    bool offers(FunctionPage page) const;
    int macroCount() const { return macroCount_; }

    // A key was selected: store both codes and show the current one.
    void setAssignment(const AssignmentCode& current, const AssignmentCode& factory);
    void showCurrent() { show(current_); }
    void showFactory() { show(factory_); }

    // Fills the controls from a code (the current code may be cleaned up on
    // the way, as for a keyboard code whose key is unknown).
    void show(const AssignmentCode& code);

    // Builds the code from the controls; it becomes the current code.
    AssignmentCode read();

    // The user picked a page in the function combo; the keyboard page starts
    // empty. Call `read` afterwards, as the save flow does. Returns false,
    // changing nothing, for a page the device does not offer.
    bool choosePage(FunctionPage page);

    // Key capture. Acts on key-down only; ignores keys outside the table and
    // rows that are not keyboard keys. Returns true when the current code was
    // replaced, after which the panel runs its save flow.
    bool captureScanCode(uint8_t scanCode, bool extended, bool keyDown);
    bool captureLinuxKey(uint16_t linuxKey, bool keyDown);

    const AssignmentCode& current() const { return current_; }
    const AssignmentCode& factory() const { return factory_; }
    KeyPanelControls& controls() { return controls_; }
    const KeyPanelControls& controls() const { return controls_; }

private:
    FunctionPage showKeyboard(const AssignmentCode& code);
    void showMacro(const AssignmentCode& code);
    bool captureRow(std::optional<size_t> row, bool keyDown);

    AssignmentCode current_;
    AssignmentCode factory_;
    int macroCount_ = 0;
    int modelId_ = 0;
    KeyPanelControls controls_;
};

}  // namespace viremo
