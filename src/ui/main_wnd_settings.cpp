// The main window's settings window: opened from the settings button beside
// it, or centred from the tray menu and message 3093; one at a time.
#include "devices/device_tables.h"
#include "ui/device_page.h"
#include "ui/main_wnd.h"
#include "ui/set_wnd.h"
#include "update/product_list.h"

namespace viremo::ui {

namespace {

// Where the window goes beside the settings button: its right edge this far
// left of the main window's, its top this far below (unscaled pixels).
constexpr int kBesideRight = 30;
constexpr int kBesideTop = 60;

}  // namespace

void CMainWnd::OnSettingsButton(toolkit::TNotifyUI&, int) { ShowSettings(true); }

void CMainWnd::ShowSettings(bool besideButton) {
    if (m_settings) return;
    CSetWnd settings(m_updateService);
    if (!PrepareSettings(settings, besideButton)) return;
    m_settings = &settings;
    settings.ShowModal();
    m_settings = nullptr;
}

bool CMainWnd::PrepareSettings(CSetWnd& settings, bool besideButton) {
    if (!settings.Build(this)) return false;
    settings.SetDpi(m_dpi);
    settings.SetOwnerInfo(GetHWND(), m_currentLanguage ? m_currentLanguage() : m_languageId);
    settings.SetProducts(update::productList(FirmwareVersions(), update::GetInstalledAppVersion()));
    if (besideButton && GetHost() && settings.GetHost()) {
        const toolkit::Rect main = GetHost()->GetBounds();
        const toolkit::Rect own = settings.GetHost()->GetBounds();
        const int right = main.right - m_pm.ScaleValue(kBesideRight);
        const int top = main.top + m_pm.ScaleValue(kBesideTop);
        settings.SetBounds({right - own.Width(), top, right, top + own.Height()});
    } else {
        settings.CenterWindow();
    }
    return true;
}

// The firmware version of the open device of each product row (the device
// kinds in the model table's order), 0 where none is open. Looked up by kind
// rather than by tab position, so that a headset's firmware is never asked
// about as the mouse pad's.
std::vector<int> CMainWnd::FirmwareVersions() {
    std::vector<int> versions(devices::kModelRowCount - 1, 0);
    for (size_t row = 0; row < versions.size() && row < m_devicesByKind.size(); ++row) {
        for (CDevicePage* page : m_devicesByKind[row]) {
            devices::CommandChannel& channel = page->Driver().Channel();
            if (!channel.IsOpen()) continue;
            hid::HidDevice& device = channel.IsViaReceiver() ? channel.ReceiverInterface() : channel.CableInterface();
            versions[row] = device.VersionNumber();
            break;
        }
    }
    return versions;
}

}  // namespace viremo::ui
