// The macro panel's commands that need the window: recording through the
// window's input capture, and import and export through its file chooser.
#include "ui/device_page.h"
#include "ui/macro_control.h"
#include "ui/main_wnd.h"

namespace viremo::ui {
namespace {

constexpr std::string_view kMacroPanelName = "MacroControlItem";
constexpr std::string_view kMacroFilter = "Macro Files(*.mac)";
constexpr std::string_view kMacroPattern = "*.mac;";

}  // namespace

CMacroControlUI* CMainWnd::CurrentMacroPanel() {
    CDevicePage* device = CurrentDevice();
    return device ? dynamic_cast<CMacroControlUI*>(device->FindSubControl(kMacroPanelName)) : nullptr;
}

void CMainWnd::OnMacroRecord(toolkit::TNotifyUI& msg, int) {
    if (CMacroControlUI* panel = CurrentMacroPanel()) panel->StartRecording(msg.pSender->GetName(), m_inputHook);
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

void CMainWnd::OnMacroExport(toolkit::TNotifyUI&, int) {
    CMacroControlUI* panel = CurrentMacroPanel();
    if (!panel || panel->GetSelectedMacroIndex() < 0 || !m_fileChooser) return;
    panel->ExportMacro(m_fileChooser(true, kMacroFilter, kMacroPattern));
}

}  // namespace viremo::ui
