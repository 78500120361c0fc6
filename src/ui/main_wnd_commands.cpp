// The device commands of the main window: switching, adding, deleting,
// copying, renaming, resetting, importing and exporting the profiles of the
// device shown, restoring its defaults, and sending its edited keys. The
// profile panel holds the list; the device loads and sends the profile that
// became current.
#include "devices/mouse/mouse_device.h"
#include "devices/vendrake_usb_device.h"
#include "macros/left_button_key.h"
#include "ui/device_page.h"
#include "ui/device_profile.h"
#include "ui/main_wnd.h"

namespace viremo::ui {
namespace {

constexpr std::string_view kProfileFilter = "Profile Files(*.json)";
constexpr std::string_view kProfilePattern = "*.json;";
constexpr std::string_view kNameTaken = "message_text_5";
constexpr std::string_view kConfirmReset = "message_text_22";
constexpr std::string_view kNameBlank = "message_text_25";
constexpr std::string_view kImportRefused = "message_import_refused_text";
constexpr std::string_view kWriteFailed = "message_text_7";
constexpr std::string_view kOnlyLeftButton = "message_text_6";
constexpr std::string_view kWriteFailedWithCode = "message_text_16";
constexpr int kRenameDone = 1, kRenameTaken = 0, kRenameBlank = 2;
// What a macro upload returns besides the number of events that do not fit.
constexpr int kUploadDone = 0, kUploadFailed = -1;

// The profile panel of the device shown, with its profiles read.
CDeviceProfileUI* profilesOf(CDevicePage* device) {
    CDeviceProfileUI* panel = device ? device->GetProfilePanel() : nullptr;
    return panel && panel->HasProfiles() ? panel : nullptr;
}

}  // namespace

void CMainWnd::OnProfileChosen(toolkit::TNotifyUI&, int) { SetTimer(kTimerProfileSwitch, kProfileSwitchDelayMs); }

void CMainWnd::SwitchProfile() {
    CDevicePage* device = CurrentDevice();
    CDeviceProfileUI* panel = profilesOf(device);
    if (!panel) return;
    panel->Store().SelectProfile(panel->GetSelectedProfileIndex());
    ReloadProfile(*device);
}

void CMainWnd::ReloadProfile(CDevicePage& device) {
    CDeviceProfileUI* panel = profilesOf(&device);
    if (!panel || !device.UseProfileFile(panel->Store().CurrentProfileFile())) return;
    device.Driver().LoadProfile();
    device.ShowStateOnPanels();
    device.Driver().WriteSettingsRecord(0, 0);
}

void CMainWnd::OnProfileAdd(toolkit::TNotifyUI&, int) {
    if (CDeviceProfileUI* panel = profilesOf(CurrentDevice())) {
        panel->Store().AddProfile();
        panel->ShowProfiles();
    }
}

void CMainWnd::OnProfileDelete(toolkit::TNotifyUI&, int) {
    CDevicePage* device = CurrentDevice();
    CDeviceProfileUI* panel = profilesOf(device);
    if (!panel || panel->Store().DeleteProfile() != ProfileResult::Done) return;
    panel->ShowProfiles();
    ReloadProfile(*device);
}

void CMainWnd::OnProfileCopy(toolkit::TNotifyUI&, int) {
    if (CDeviceProfileUI* panel = profilesOf(CurrentDevice())) {
        panel->Store().CopyProfile();
        panel->ShowProfiles();
    }
}

void CMainWnd::OnProfileRename(toolkit::TNotifyUI&, int) {
    CDeviceProfileUI* panel = profilesOf(CurrentDevice());
    if (!panel) return;
    const std::string name = panel->GetProfileNameText();
    if (name.empty()) return;
    const int code = renameResultCode(panel->Store().RenameProfile(name));
    if (code == kRenameTaken) ShowMessage(kNameTaken, MessageButtons::Ok);
    else if (code == kRenameBlank) ShowMessage(kNameBlank, MessageButtons::Ok);
    if (code == kRenameDone) panel->ShowProfiles();
}

void CMainWnd::OnProfileReset(toolkit::TNotifyUI&, int) {
    CDevicePage* device = CurrentDevice();
    CDeviceProfileUI* panel = profilesOf(device);
    if (!panel || ShowMessage(kConfirmReset, MessageButtons::OkCancel) != 1) return;
    if (panel->Store().ResetProfile() != ProfileResult::Done) return;
    ReloadProfile(*device);
}

void CMainWnd::OnProfileImport(toolkit::TNotifyUI&, int) {
    CDeviceProfileUI* panel = profilesOf(CurrentDevice());
    if (!panel || panel->GetSelectedProfileIndex() < 0 || !m_fileChooser) return;
    const std::string file = m_fileChooser(false, kProfileFilter, kProfilePattern);
    if (file.empty()) return;
    // A file that is not a profile of this device replaces nothing and says so.
    if (panel->Store().ImportProfile(file) != ProfileResult::Done) {
        ShowMessage(kImportRefused, MessageButtons::Ok);
        return;
    }
    panel->ShowProfiles();
}

void CMainWnd::OnProfileExport(toolkit::TNotifyUI&, int) {
    CDeviceProfileUI* panel = profilesOf(CurrentDevice());
    if (!panel || panel->GetSelectedProfileIndex() < 0 || !m_fileChooser) return;
    const std::string file = m_fileChooser(true, kProfileFilter, kProfilePattern);
    if (!file.empty()) panel->Store().ExportProfile(file);
}

void CMainWnd::OnProfileMenu(toolkit::TNotifyUI&, int) {
    if (CDeviceProfileUI* panel = profilesOf(CurrentDevice())) panel->ShowProfileMenu(!panel->IsProfileMenuVisible());
}

void CMainWnd::OnWriteToDevice(toolkit::TNotifyUI&, int) {
    CDevicePage* device = CurrentDevice();
    if (!device) return;
    devices::CVendrakeUSBDevice& driver = device->Driver();
    const int result = driver.WriteMacros(driver.GetUsedMacros()).code();
    if (result != kUploadDone && result != kUploadFailed) {
        ShowMessageWithNumber(kWriteFailedWithCode, result);
        return;
    }
    if (result == kUploadFailed) ShowMessage(kWriteFailed, MessageButtons::Ok);
    driver.WriteKeyAssignmentsOf(0);
    driver.SaveProfile();
}

// A key of the picture was clicked: the page shows its assignment, except
// for the mouse key that alone holds the left button, as the mouse holds
// its keys now.
void CMainWnd::OnKeyChosen(toolkit::TNotifyUI&, int key) {
    CDevicePage* device = CurrentDevice();
    if (!device) return;
    const auto* mouse = dynamic_cast<const devices::CVendrakeMouseDevice*>(&device->Driver());
    if (mouse && isOnlyLeftButtonKey(mouse->KeyAssignments(), key)) {
        ShowMessage(kOnlyLeftButton, MessageButtons::Ok);
        return;
    }
    device->SetSelectedItem(key);
}

void CMainWnd::OnRestoreDefaults(toolkit::TNotifyUI&, int) {
    CDevicePage* device = CurrentDevice();
    if (!device || ShowMessage(kConfirmReset, MessageButtons::OkCancel) != 1) return;
    device->Driver().LoadDefaultProfile();
    device->Driver().WriteSettingsRecord(0, 0);
}

}  // namespace viremo::ui
