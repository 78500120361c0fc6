#pragma once
// A device tab ("DeviceOption") in "device_select_layout": the kind's icon
// and name, the selector that shows the device page, the synchro check box,
// and the timers that drive the device: start-up after it is opened, the
// lighting tick, status polling and, through a receiver, the link watch
// that hides the tab while the device is out of reach and shows it again.
//
// Link changes go to the main window as message 3331 with this tab's index;
// the main window's handler shows or hides the tab.
#include <string>

#include "toolkit/horizontal_layout.h"
#include "toolkit/message.h"
#include "ui/device_connection.h"

namespace viremo::toolkit {
class CCheckBoxUI;
class CLabelUI;
class COptionUI;
}

namespace viremo::ui {

class CDevicePage;

// Timer ids of a tab.
inline constexpr unsigned kTimerLightTick = 1000;
inline constexpr unsigned kTimerDeviceStart = 1001;
inline constexpr unsigned kTimerStatusPoll = 1005;
inline constexpr unsigned kTimerLinkWatch = 1007;

class CDeviceOptionUI : public toolkit::CHorizontalLayoutUI {
public:
    static constexpr std::string_view kClassName = "DeviceOption";
    std::string_view GetClass() const override { return kClassName; }

    void SetModel(int modelId, int variant);
    int GetModelId() const { return m_modelId; }
    int GetVariant() const { return m_variant; }
    void BindDevicePage(const std::string& tabLayout, int index);
    std::string GetDevicePageName() const;
    int GetDevicePageIndex() const;
    void SetPowerBinding(const std::string& name, int index);
    const std::string& GetPowerBindingName() const { return m_powerName; }
    int GetPowerBindingIndex() const { return m_powerIndex; }
    void SetGroup(const std::string& group);
    void SetNameText(const std::string& text);

    void SetDevice(CDevicePage* device) { m_device = device; }
    CDevicePage* GetDevice() const { return m_device; }
    // Where link changes are sent.
    void SetMainWindow(toolkit::WindowHandle window) { m_mainWindow = window; }

    void SetVisible(bool visible = true) override;
    bool IsVisibleFlag() const { return m_visibleFlag; }
    bool IsSelected();
    void SetSelected(bool selected);
    bool IsSynchro();
    void SetSynchro(bool synchro);
    void ShowSynchroOption(bool shown);

    void StartDeviceInit();
    void StartLinkWatch(unsigned delayMs);
    int RetryCount() const { return m_retries; }

    void DoEvent(toolkit::TEventUI& event) override;

private:
    toolkit::COptionUI* Selector();
    toolkit::CCheckBoxUI* SynchroCheck();
    toolkit::CLabelUI* NameLabel();
    DeviceConnection Connection() { return DeviceConnection(*m_device); }
    void OnTimer(unsigned id);
    void OnDeviceStart();
    void OnLinkWatch();
    void SendLinkState(bool reachable);
    void ShowIcons();

    CDevicePage* m_device = nullptr;
    toolkit::WindowHandle m_mainWindow = toolkit::kNoWindow;
    int m_modelId = 0;
    int m_variant = 0;
    bool m_visibleFlag = true;
    std::string m_powerName;
    int m_powerIndex = -1;
    std::string m_iconNormal;
    std::string m_nameTextId;
    int m_retries = 0;
};

}  // namespace viremo::ui
