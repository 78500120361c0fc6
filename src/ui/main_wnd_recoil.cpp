// The recoil panel's commands that need the window: import and export
// through its file chooser, and the download to the mouse with the message
// box when the mouse does not take it.
#include "devices/mouse/mouse_device.h"
#include "ui/device_page.h"
#include "ui/main_wnd.h"
#include "ui/shoot_control.h"

namespace viremo::ui {
namespace {

constexpr std::string_view kShootPanelName = "ShootControlItem";
constexpr std::string_view kWriteFailed = "message_text_16";

// The mouse driver seen as the panel's recoil writer.
class MouseRecoilWriter : public IRecoilWriter {
public:
    explicit MouseRecoilWriter(devices::CVendrakeMouseDevice& mouse) : mouse_(mouse) {}
    devices::DeviceResult WriteRecoilData() override { return mouse_.WriteRecoilData(); }

private:
    devices::CVendrakeMouseDevice& mouse_;
};

}  // namespace

CShootControlUI* CMainWnd::CurrentShootPanel() {
    CDevicePage* device = CurrentDevice();
    return device ? dynamic_cast<CShootControlUI*>(device->FindSubControl(kShootPanelName)) : nullptr;
}

void CMainWnd::OnShootImport(toolkit::TNotifyUI&, int) {
    CShootControlUI* panel = CurrentShootPanel();
    if (!panel || !m_fileChooser) return;
    const std::string file = m_fileChooser(false, CShootControlUI::kFileFilter, CShootControlUI::kFilePattern);
    if (!file.empty()) panel->ImportGun(file);
}

void CMainWnd::OnShootExport(toolkit::TNotifyUI&, int) {
    CShootControlUI* panel = CurrentShootPanel();
    if (!panel || !m_fileChooser) return;
    const std::string file = m_fileChooser(true, CShootControlUI::kFileFilter, CShootControlUI::kFilePattern);
    if (!file.empty()) panel->ExportGun(file);
}

void CMainWnd::OnShootReset(toolkit::TNotifyUI&, int) {
    if (CShootControlUI* panel = CurrentShootPanel()) panel->ResetCurrentGun();
}

void CMainWnd::OnShootDownload(toolkit::TNotifyUI&, int) {
    CShootControlUI* panel = CurrentShootPanel();
    auto* mouse = panel ? dynamic_cast<devices::CVendrakeMouseDevice*>(&CurrentDevice()->Driver()) : nullptr;
    if (!mouse) return;
    MouseRecoilWriter writer(*mouse);
    const devices::DeviceResult result = panel->WriteToMouse(writer);
    if (!result.succeeded()) ShowMessageWithNumber(kWriteFailed, result.code());
}

}  // namespace viremo::ui
