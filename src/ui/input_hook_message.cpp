#include "ui/input_hook_message.h"

namespace viremo::ui {

void OnInputHookMessage(CDeviceHook& hook, HookReceiver& window, std::uintptr_t wParam) {
    if (wParam == 1) hook.InstallInputHook(capture_mode::kSingleKey, window, true, true);
    else hook.UninstallInputHook();
}

}  // namespace viremo::ui
