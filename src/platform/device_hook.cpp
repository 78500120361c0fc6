#include "platform/device_hook.h"

namespace viremo {

CDeviceHook::~CDeviceHook() { UninstallInputHook(); }

bool CDeviceHook::InstallInputHook(int mode, HookReceiver& window, bool withKeyboard, bool withMouse) {
    UninstallInputHook();
    InputCaptureSource* source = inputCaptureSource();
    if (withKeyboard && !(source && source->startKeyboard(*this))) return false;
    if (withMouse && source) source->startMouse(*this);
    m_keyboard = withKeyboard;
    m_mouse = withMouse && source;
    m_mode = mode;
    m_window = &window;
    return true;
}

void CDeviceHook::UninstallInputHook() {
    // The source of now: one that has gone away has unregistered itself.
    if (InputCaptureSource* source = inputCaptureSource()) {
        if (m_keyboard) source->stopKeyboard(*this);
        if (m_mouse) source->stopMouse(*this);
    }
    m_keyboard = false;
    m_mouse = false;
    m_window = nullptr;
}

void CDeviceHook::keyboardInput(int wParam, const KeyboardHookRecord& record) {
    if (m_window && m_keyboard && !keyboardHookMessageName(m_mode).empty())
        m_window->keyboardHookMessage(m_mode, wParam, record);
}

void CDeviceHook::mouseInput(int wParam, const MouseHookRecord& record) {
    // Mouse buttons are reported in the macro modes only.
    if (m_window && m_mouse && !mouseHookMessageName(m_mode).empty()) m_window->mouseHookMessage(m_mode, wParam, record);
}

void CDeviceHook::CancelInputHook() {
    HookReceiver* window = m_window;
    UninstallInputHook();
    if (window) window->hookRemoved();
}

void CDeviceHook::captureLost() { CancelInputHook(); }

}  // namespace viremo
