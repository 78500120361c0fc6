#include "ui/device_page.h"

#include "devices/result_code.h"
#include "devices/vendrake_usb_device.h"

namespace viremo::ui {

using devices::CommandChannel;

toolkit::CControlUI& DevicePage::Control() { return m_device; }
int DevicePage::KindIndex() const { return m_device.GetKindIndex(); }
int DevicePage::ModelId() const { return m_device.GetModelId(); }
const devices::InterfaceRecord& DevicePage::Identity() const { return m_device.GetIdentity(); }
void DevicePage::SetIdentity(const devices::InterfaceRecord& identity) { m_device.SetIdentity(identity); }
bool DevicePage::IsOpen() const { return m_device.Channel().IsOpen(); }
bool DevicePage::IsOnReceiver() const { return m_device.IsOnReceiver(); }

bool DevicePage::Open(const devices::InterfaceRecord& entry) {
    CommandChannel& channel = m_device.Channel();
    const bool receiver = devices::isReceiverModel(entry.modelId);
    const auto mode = receiver ? devices::ConnectionMode::Receiver : devices::ConnectionMode::Cable;
    if (!channel.Attach(mode, entry.path)) return false;
    const bool switchable = entry.hasPartner == 1;  // keyboards and mice: the others keep their mode
    if (switchable) {
        channel.SetConnectionMode(mode);
        m_device.SetOnReceiver(receiver);
    }
    return true;
}

void DevicePage::Close() { m_device.Channel().Detach(); }

bool DevicePage::SwitchPath(const std::string& path, bool toReceiver) {
    CommandChannel& channel = m_device.Channel();
    channel.Detach();
    const auto mode = toReceiver ? devices::ConnectionMode::Receiver : devices::ConnectionMode::Cable;
    if (!channel.Attach(mode, path)) return false;
    channel.SetConnectionMode(mode);
    m_device.SetOnReceiver(toReceiver);
    return true;
}

void DevicePage::StartNotifications(const std::string& path) {
    m_device.NotificationChannel().Attach(devices::ConnectionMode::Cable, path);
}

void DevicePage::StopNotifications() { m_device.NotificationChannel().Detach(); }

bool DevicePage::HasStatusPolling() const { return m_device.IsBatteryPowered(); }
bool DevicePage::LinkCheck() { return m_device.IsReachableThroughReceiver() == devices::kSuccess; }
void DevicePage::StartUp() { m_device.ReadAllFromDevice(); }
void DevicePage::LightTick() { m_device.SendLightFrame(); }

void DevicePage::PollStatus() {
    if (!m_device.IsStatusPollingPaused()) m_device.PollPower();
}

void DevicePage::Notify(toolkit::TNotifyUI& msg) { m_device.Notify(msg); }

void DevicePage::SetStatusPollingPaused(bool paused) { m_device.SetStatusPollingPaused(paused); }
bool DevicePage::HasLightingControl() const { return m_device.HasLightingControl(); }
void DevicePage::SetLightingControl(bool control) { m_device.SetLightingControl(control); }
void DevicePage::SetWindowActive(bool active) { m_device.SetWindowActive(active); }

}  // namespace viremo::ui
