// The macro panel's commands that need the window: recording through the
// window's input capture, and import and export through its file chooser.
#include "devices/keyboard/keyboard_device.h"
#include "macros/macro_renumbering.h"
#include "ui/device_page.h"
#include "ui/macro_control.h"
#include "ui/main_wnd.h"
#include "toolkit/menu.h"
#include "ui/window_chrome.h"

namespace viremo::ui {
namespace {

constexpr std::string_view kMacroPanelName = "MacroControlItem";
constexpr std::string_view kMacroFilter = "Macro Files(*.mac)";
constexpr std::string_view kMacroPattern = "*.mac;";
constexpr std::string_view kEventMenu = "macro_action_menu.xml";
constexpr std::string_view kConfirmDelete = "message_text_4";
constexpr std::string_view kConfirmDeleteBound = "message_text_2";
constexpr std::string_view kNameTaken = "message_text_5";

}  // namespace

CMacroControlUI* CMainWnd::CurrentMacroPanel() {
    CDevicePage* device = CurrentDevice();
    return device ? dynamic_cast<CMacroControlUI*>(device->FindSubControl(kMacroPanelName)) : nullptr;
}

void CMainWnd::OnMacroRecord(toolkit::TNotifyUI& msg, int) { StartMacroRecording(msg.pSender->GetName()); }

void CMainWnd::StartMacroRecording(std::string_view trigger) {
    if (CMacroControlUI* panel = CurrentMacroPanel()) panel->StartRecording(trigger, m_inputHook);
}

// The row the menu was asked for is the one the recording works on. The
// menu opens at the pointer, or at the row's corner without it.
void CMainWnd::OnMacroEventMenu(toolkit::TNotifyUI& msg, int) {
    CMacroControlUI* panel = CurrentMacroPanel();
    if (!panel || panel->IsRecording() || !GetHost() || !panel->SelectEventRow(*msg.pSender)) return;
    const toolkit::Rect bounds = GetHost()->GetBounds();
    const toolkit::Rect row = msg.pSender->GetPos();
    const toolkit::Point corner{bounds.left + row.left, bounds.top + row.bottom};
    const toolkit::Point at = WindowChrome().CursorPosition().value_or(corner);
    toolkit::CMenuWnd::Show(*this, kEventMenu, at, toolkit::kMenuAlignLeft | toolkit::kMenuAlignTop,
                            [this](const toolkit::MenuCommand& command) { OnMenuCommand(command.name); });
}

void CMainWnd::OnMacroStop(toolkit::TNotifyUI&, int) {
    if (CMacroControlUI* panel = CurrentMacroPanel()) panel->StopRecording();
}

void CMainWnd::OnMacroImport(toolkit::TNotifyUI&, int) {
    CMacroControlUI* panel = CurrentMacroPanel();
    if (!panel || !m_fileChooser) return;
    const std::string file = m_fileChooser(false, kMacroFilter, kMacroPattern);
    // The key panel lists the new macro too.
    if (panel->ImportMacro(file)) CurrentDevice()->LoadPanelLists();
}

// Keys refer to macros by position: deleting one gives the keys bound to it
// their factory code back and moves later macros down by one, in every
// profile. Every question comes before any change.
void CMainWnd::OnMacroDelete(toolkit::TNotifyUI& msg, int) {
    CMacroControlUI* panel = CurrentMacroPanel();
    if (!panel || ShowMessage(kConfirmDelete, MessageButtons::OkCancel) != 1) return;
    const int macro = panel->GetSelectedMacroIndex();
    if (macro < 0) return;
    CDevicePage* device = CurrentDevice();
    auto* keyboard = dynamic_cast<devices::CVendrakeKeyboardDevice*>(&device->Driver());
    std::vector<KeyListEntry> keys = keyboard ? keyboard->KeyAssignments() : std::vector<KeyListEntry>{};
    if (keysUseMacro(keys, macro) && ShowMessage(kConfirmDeleteBound, MessageButtons::OkCancel) != 1) return;

    const std::filesystem::path current = keyboard ? keyboard->Profile().GetProfilePath() : std::filesystem::path();
    renumberProfileFiles(device->Driver().DeviceDataFolder(), macro, current);
    const bool keysChanged = renumberKeys(keys, macro);
    if (keysChanged)
        for (size_t key = 0; key < keys.size(); ++key) keyboard->SetKeyAssignment(int(key), keys[key]);
    if (!panel->DeleteMacro(macro)) return;
    device->LoadPanelLists();
    if (keysChanged) OnWriteToDevice(msg, 0);
}

// A taken name is said; a blank one is ignored. The key panel lists the
// new name.
void CMainWnd::OnMacroRename(toolkit::TNotifyUI&, int) {
    CMacroControlUI* panel = CurrentMacroPanel();
    if (!panel) return;
    const MacroResult result = panel->RenameMacro();
    if (result == MacroResult::NameTaken) ShowMessage(kNameTaken, MessageButtons::Ok);
    if (result == MacroResult::Done) CurrentDevice()->LoadPanelLists();
}

void CMainWnd::OnMacroExport(toolkit::TNotifyUI&, int) {
    CMacroControlUI* panel = CurrentMacroPanel();
    if (!panel || panel->GetSelectedMacroIndex() < 0 || !m_fileChooser) return;
    panel->ExportMacro(m_fileChooser(true, kMacroFilter, kMacroPattern));
}

}  // namespace viremo::ui
