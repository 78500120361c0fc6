#pragma once
// The input hook of the main window: installs capture in a mode for a
// receiving window, with the keyboard and/or the mouse, and removes it.
// Installing again replaces the previous capture; the destructor removes it.
#include "platform/input_capture.h"

namespace viremo {

class CDeviceHook : private CaptureSink {
public:
    CDeviceHook() = default;
    ~CDeviceHook() override;
    CDeviceHook(const CDeviceHook&) = delete;
    CDeviceHook& operator=(const CDeviceHook&) = delete;

    // Removes the keyboard capture if present; with the keyboard, takes it
    // (on failure returns false and does nothing more); with the mouse,
    // reports its buttons; stores mode and window. True otherwise.
    bool InstallInputHook(int mode, HookReceiver& window, bool withKeyboard, bool withMouse);
    void UninstallInputHook();
    // Removes the capture and tells the receiving window, as when the window
    // loses the capture (a recording then ends).
    void CancelInputHook();

    bool IsInstalled() const { return m_window != nullptr; }
    const HookReceiver* Receiver() const { return m_window; }
    int Mode() const { return m_mode; }

private:
    void keyboardInput(int wParam, const KeyboardHookRecord& record) override;
    void mouseInput(int wParam, const MouseHookRecord& record) override;
    void captureLost() override;
    bool m_keyboard = false;
    bool m_mouse = false;
    int m_mode = 0;
    HookReceiver* m_window = nullptr;
};

}  // namespace viremo
