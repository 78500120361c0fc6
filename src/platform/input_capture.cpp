#include "platform/input_capture.h"

#include <array>

namespace viremo {
namespace {

struct ModeMessages {
    int mode;
    std::string_view keyboard;
    std::string_view mouse;
};

constexpr std::array<ModeMessages, 9> kModeMessages{{
    {capture_mode::kSingleKey, "WM_HOOK_KEY_SINGLEKEY_MSG", {}},
    {capture_mode::kHitKey, "WM_HOOK_KEY_HITKEY_MSG", {}},
    {capture_mode::kMacroAppend, "WM_HOOK_KEY_KBMACRO_MSG", "WM_HOOK_KEY_MSMACRO_MSG"},
    {capture_mode::kMacroBefore, "WM_HOOK_KEY_KBMACROPREVIOUS_MSG", "WM_HOOK_KEY_MSMACROPREVIOUS_MSG"},
    {capture_mode::kMacroAfter, "WM_HOOK_KEY_KBMACROLATER_MSG", "WM_HOOK_KEY_MSMACROLATER_MSG"},
    {capture_mode::kMacroEdit, "WM_HOOK_KEY_KBMACROSINGLE_MSG", "WM_HOOK_KEY_MSMACROSINGLE_MSG"},
    {256, "WM_HOOK_MOU_SINGLEKEY_MSG", {}},
    {512, "WM_HOOK_MOU_HITKEY_MSG", {}},
    {1024, "WM_HOOK_MOU_KBMACRO_MSG", {}},
}};

const ModeMessages* messagesOf(int mode) {
    for (const ModeMessages& entry : kModeMessages)
        if (entry.mode == mode) return &entry;
    return nullptr;
}

InputCaptureSource* g_source = nullptr;

}  // namespace

bool isKeyDownMessage(int wParam) { return wParam == key_message::kKeyDown || wParam == key_message::kSysKeyDown; }

std::string_view keyboardHookMessageName(int mode) {
    const ModeMessages* entry = messagesOf(mode);
    return entry ? entry->keyboard : std::string_view{};
}

std::string_view mouseHookMessageName(int mode) {
    const ModeMessages* entry = messagesOf(mode);
    return entry ? entry->mouse : std::string_view{};
}

InputCaptureSource* inputCaptureSource() { return g_source; }

void setInputCaptureSource(InputCaptureSource* source) { g_source = source; }

}  // namespace viremo
