#pragma once
// Input capture: while installed, the keys and mouse buttons pressed in the
// program's own windows are reported as hook messages instead of reaching
// the controls. A program on Linux cannot read the input meant for other
// programs' windows, so capture works while one of ours has the focus.
//
// The records keep the layout the receivers rely on: a keyboard record with
// the virtual key, the PC scan code (set 1) and the flags (bit 0 extended);
// a mouse record with the cursor's screen position and the mouse data, whose
// high 16 bits name the extra button (1 back, 2 forward).
//
// There is one capture source per process (the windowing host registers it);
// whoever installs it last receives the input.
#include <cstdint>
#include <string_view>

namespace viremo {

// Capture modes: who receives the input and what it is for.
namespace capture_mode {
inline constexpr int kSingleKey = 1;     // key capture of the key panel
inline constexpr int kHitKey = 2;
inline constexpr int kMacroAppend = 4;   // macro recording, appending
inline constexpr int kMacroBefore = 8;   // inserting before the selected event
inline constexpr int kMacroAfter = 16;   // inserting after it
inline constexpr int kMacroEdit = 32;    // replacing its key or button
}  // namespace capture_mode

// wParam of the keyboard messages.
namespace key_message {
inline constexpr int kKeyDown = 256;
inline constexpr int kKeyUp = 257;
inline constexpr int kSysKeyDown = 260;  // with Alt held
inline constexpr int kSysKeyUp = 261;
}  // namespace key_message

// wParam of the mouse messages.
namespace mouse_message {
inline constexpr int kLeftDown = 513;
inline constexpr int kLeftUp = 514;
inline constexpr int kRightDown = 516;
inline constexpr int kRightUp = 517;
inline constexpr int kMiddleDown = 519;
inline constexpr int kMiddleUp = 520;
inline constexpr int kExtraDown = 523;
inline constexpr int kExtraUp = 524;
}  // namespace mouse_message

// High word of the mouse data for the extra buttons.
inline constexpr uint16_t kExtraButtonBack = 1;
inline constexpr uint16_t kExtraButtonForward = 2;

inline constexpr uint32_t kKeyFlagExtended = 0x01;

struct KeyboardHookRecord {
    uint32_t virtualKey = 0;
    uint32_t scanCode = 0;
    uint32_t flags = 0;  // bit 0: extended key

    bool extended() const { return (flags & kKeyFlagExtended) != 0; }
};

struct MouseHookRecord {
    int32_t x = 0;  // screen pixels
    int32_t y = 0;
    uint32_t mouseData = 0;

    uint16_t extraButton() const { return static_cast<uint16_t>(mouseData >> 16); }
};

bool isKeyDownMessage(int wParam);

// The registered names of the hook messages of a mode; empty when the mode
// sends none of that kind. Mouse messages exist for the macro modes only.
std::string_view keyboardHookMessageName(int mode);
std::string_view mouseHookMessageName(int mode);

// The window that receives the hook messages of an installed capture.
// Messages arrive synchronously on the UI thread.
class HookReceiver {
public:
    virtual ~HookReceiver() = default;
    virtual void keyboardHookMessage(int mode, int wParam, const KeyboardHookRecord& record) = 0;
    virtual void mouseHookMessage(int mode, int wParam, const MouseHookRecord& record) = 0;
    // The capture was taken away (the window was deactivated or hidden):
    // whoever installed it ends what needed it.
    virtual void hookRemoved() {}
};

// Where the raw input goes while a source is started.
class CaptureSink {
public:
    virtual ~CaptureSink() = default;
    virtual void keyboardInput(int wParam, const KeyboardHookRecord& record) = 0;
    virtual void mouseInput(int wParam, const MouseHookRecord& record) = 0;
    virtual void captureLost() = 0;
};

// The windowing host's side: it takes the input of the program's windows.
// Starting replaces whatever sink was started before; stopping acts only
// when the sink is the one started.
class InputCaptureSource {
public:
    virtual ~InputCaptureSource() = default;
    // False when keyboard input cannot be taken.
    virtual bool startKeyboard(CaptureSink& sink) = 0;
    virtual void stopKeyboard(CaptureSink& sink) = 0;
    virtual void startMouse(CaptureSink& sink) = 0;
    virtual void stopMouse(CaptureSink& sink) = 0;
};

// The source of this process; null when no windowing host is running.
InputCaptureSource* inputCaptureSource();
void setInputCaptureSource(InputCaptureSource* source);

}  // namespace viremo
