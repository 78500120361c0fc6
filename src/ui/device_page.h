#pragma once
// The main window's one view of a device page and the driver behind it.
// Everything the main window, the device tabs and the hot-plug handlers ask
// of a device goes through this class, so that the device objects can change
// shape under it without touching them.
#include <string>

#include "devices/interface_record.h"

namespace viremo::devices {
class CVendrakeUSBDevice;
class IPowerDisplay;
}
namespace viremo::toolkit {
class CControlUI;
struct TNotifyUI;
}

namespace viremo::ui {

class DevicePage {
public:
    // The page does not own the device: the page container of the main window
    // holds it as a control.
    explicit DevicePage(devices::CVendrakeUSBDevice& device) : m_device(device) {}

    toolkit::CControlUI& Control();
    int KindIndex() const;
    int ModelId() const;
    const devices::InterfaceRecord& Identity() const;
    void SetIdentity(const devices::InterfaceRecord& identity);

    // Command interface. Open uses the cable for wired models, the receiver
    // for receiver models, and sets the connection mode to match.
    bool IsOpen() const;
    bool Open(const devices::InterfaceRecord& entry);
    void Close();
    // Moves an open keyboard or mouse to the other path; false when the
    // open failed (the device is then closed).
    bool SwitchPath(const std::string& path, bool toReceiver);
    bool IsOnReceiver() const;

    // The consumer-control interface that carries the device's notifications.
    void StartNotifications(const std::string& path);
    void StopNotifications();

    // What the tab's timers run.
    bool IsWireless() const { return IsOnReceiver(); }
    bool HasStatusPolling() const;
    bool LinkCheck();
    void StartUp();
    void LightTick();
    void PollStatus();

    // Notifications of the page that the main window routes to the device.
    void Notify(toolkit::TNotifyUI& msg);

    void SetStatusPollingPaused(bool paused);
    bool HasLightingControl() const;
    void SetLightingControl(bool control);
    void SetWindowActive(bool active);

private:
    devices::CVendrakeUSBDevice& m_device;
};

}  // namespace viremo::ui
