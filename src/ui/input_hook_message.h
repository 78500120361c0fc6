#pragma once
// Message 1054 of the main window: the key panel's edit took the focus
// (wParam 1: capture keys in mode 1, keyboard and mouse, for the window) or
// lost it (wParam 0: capture removed).
#include <cstdint>

#include "platform/device_hook.h"

namespace viremo::ui {

void OnInputHookMessage(CDeviceHook& hook, HookReceiver& window, std::uintptr_t wParam);

}  // namespace viremo::ui
