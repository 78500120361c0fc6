#pragma once
// The page of a device: the container built from the device skin that shows
// one driver. It owns its driver (shared with whoever else holds it), binds
// the key and light buttons of the picture, switches the function pages,
// carries the device tab and the power display, and shows what the driver
// reports (it is the driver's IDeviceView and IPowerDisplay). The main
// window calls the page for what users see and the driver through Driver().
//
// This page serves every kind as it is (information, status, battery, base
// lighting); a kind with panels of its own derives from it (keyboard_page.h).
// Notifications of the page's controls are routed to Notify.
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "devices/device_links.h"
#include "devices/vendrake_usb_device.h"
#include "platform/input_capture.h"
#include "toolkit/horizontal_layout.h"
#include "toolkit/message.h"
#include "toolkit/notify.h"

namespace viremo::toolkit {
class CTabLayoutUI;
}

namespace viremo::ui {

// Sent to the main window after a battery reading; wParam = battery level.
inline constexpr unsigned kMsgBatteryLevel = 3329;
// The device tab's timer that makes the driver read the settings again.
inline constexpr unsigned kTabTimerResynchronise = 1002;
inline constexpr unsigned kResynchroniseDelayMs = 50;

class CDeviceProfileUI;
class CLightControlUI;

class CDevicePage : public toolkit::CHorizontalLayoutUI,
                    public toolkit::INotifyUI,
                    public devices::IDeviceView,
                    public devices::IPowerDisplay {
public:
    // Construct on the user-interface thread: the page moves the driver's
    // reports from its threads to that thread's queue.
    explicit CDevicePage(std::shared_ptr<devices::CVendrakeUSBDevice> driver);
    ~CDevicePage() override;

    std::string_view GetClass() const override;
    // Notifications of the page's controls: the base handles the lighting
    // panel's changes.
    void Notify(toolkit::TNotifyUI& msg) override;

    devices::CVendrakeUSBDevice& Driver() const { return *driver_; }
    const std::shared_ptr<devices::CVendrakeUSBDevice>& SharedDriver() const { return driver_; }

    // Binds the numbered key and light buttons of the picture ("key_N",
    // "light_N") and the select panel; without a skin there are none.
    virtual void Initialise();
    // Shows the driver's state on the panels, after the driver has brought
    // it up to date.
    void ShowStateOnPanels();
    // Fills the panels' lists (modes, presets, macros); the base has none.
    virtual void LoadPanelLists();
    virtual void SetSelectedItem(int index);
    // A key captured while the key panel's key edit has the focus; pages
    // with a key panel give it the key (captureHookKey) and save.
    virtual void OnCapturedKey(int /*wParam*/, const KeyboardHookRecord& /*record*/) {}
    int GetSelectedItem() const { return selectedItem_; }
    void SelectFunctionPage(int pageType);
    int GetFunctionPage() const { return pageType_; }

    const std::string& GetDeviceSkin() const { return deviceSkin_; }
    void SetDeviceSkin(std::string skin) { deviceSkin_ = std::move(skin); }
    toolkit::WindowHandle GetMainWindow() const { return mainWindow_; }
    void SetMainWindow(toolkit::WindowHandle window) { mainWindow_ = window; }
    toolkit::CControlUI* GetTab() const { return tab_; }
    void SetTab(toolkit::CControlUI* tab) { tab_ = tab; }
    // The power display of the device tab; shown or hidden at once by
    // whether the device runs on a battery.
    void SetPowerDisplay(devices::IPowerDisplay* display);
    // The lighting panel the driver reports the audio lighting to.
    void SetLightPanel(devices::ILightPanel* panel) { driver_->SetLightPanel(panel); }
    toolkit::CControlUI* GetSelectPanel() const { return selectPanel_; }
    // The profile panel ("DeviceProfileItem"); null without a skin.
    CDeviceProfileUI* GetProfilePanel() const { return profilePanel_; }
    // Shows the device's profiles on the profile panel, the loaded one
    // current.
    void ShowProfiles();
    // Makes the driver load `file` at its next profile load; false when the
    // driver of this kind cannot switch profiles.
    virtual bool UseProfileFile(const std::filesystem::path& file);
    // The lighting panel ("LightControlItem"); null without a skin.
    CLightControlUI* GetLightControl() const { return lightControl_; }
    // Set while more than one device is shown: the lighting panel then
    // offers to light every device alike.
    void SetMultiDevice(bool multiDevice);
    toolkit::CControlUI* KeyButton(int key) const;
    toolkit::CControlUI* LightButton(int light) const;

    // IDeviceView.
    void ShowLights(const devices::LightColours& colours) override;
    void ShowState() override;
    void DeviceChanged() override;
    void ResynchroniseRequested() override;

    // IPowerDisplay: forwarded to the tab's power display; a report also
    // tells the main window the battery level.
    void ShowPowerLayout(bool shown) override;
    void ShowPowerReport(std::span<const uint8_t> report) override;

protected:
    // Shows a light's colour and level on a key or light button of the
    // picture.
    static void PaintLight(toolkit::CControlUI* button, devices::LightColour colour);
    const std::vector<toolkit::CControlUI*>& KeyButtons() const { return keyButtons_; }
    // The identifier of the profile the driver has loaded; "" when unknown.
    virtual std::string LoadedProfileId() const { return {}; }
    // Runs `work` on the user-interface thread unless the page is gone.
    void PostToUi(std::function<void()> work);
    void StartTabTimer(unsigned id, unsigned elapseMs);

private:
    void BindButtons();
    toolkit::CTabLayoutUI* FindSwitch(toolkit::CTabLayoutUI*& cache, std::string_view name);

    std::shared_ptr<devices::CVendrakeUSBDevice> driver_;
    // Work posted to the user-interface thread holds this weakly, so that
    // it does nothing once the page is gone.
    std::shared_ptr<CDevicePage*> self_;
    devices::IPowerDisplay* powerDisplay_ = nullptr;
    toolkit::CControlUI* selectPanel_ = nullptr;
    CLightControlUI* lightControl_ = nullptr;
    CDeviceProfileUI* profilePanel_ = nullptr;
    toolkit::CControlUI* tab_ = nullptr;
    toolkit::CTabLayoutUI* functionSwitch_ = nullptr;
    toolkit::CTabLayoutUI* keyFunctionSwitch_ = nullptr;
    std::string deviceSkin_;
    toolkit::WindowHandle mainWindow_ = toolkit::kNoWindow;
    int selectedItem_ = -1;
    int pageType_ = 1;
    std::vector<toolkit::CControlUI*> keyButtons_;
    std::vector<toolkit::CControlUI*> lightButtons_;
};

}  // namespace viremo::ui
