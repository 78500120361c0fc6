#include "ui/device_connection.h"

#include "devices/protocol/result_code.h"
#include "ui/device_page.h"

namespace viremo::ui {

using devices::ConnectionMode;

const devices::InterfaceRecord& DeviceConnection::Identity() const { return m_page.Driver().GetIdentity(); }
int DeviceConnection::KindIndex() const { return m_page.Driver().GetKindIndex(); }
bool DeviceConnection::IsOpen() const { return m_page.Driver().Channel().IsOpen(); }
bool DeviceConnection::IsOnReceiver() const { return m_page.Driver().IsOnReceiver(); }

bool DeviceConnection::Open(const devices::InterfaceRecord& entry) {
    auto& driver = m_page.Driver();
    const bool receiver = devices::isReceiverModel(entry.modelId);
    const auto mode = receiver ? ConnectionMode::Receiver : ConnectionMode::Cable;
    if (!driver.Channel().Attach(mode, entry.path)) return false;
    if (entry.hasPartner == 1) {  // keyboards and mice: the others keep their mode
        driver.Channel().SetConnectionMode(mode);
        driver.SetOnReceiver(receiver);
    }
    return true;
}

void DeviceConnection::Close() { m_page.Driver().Channel().Detach(); }

bool DeviceConnection::SwitchPath(const std::string& path, bool toReceiver) {
    auto& driver = m_page.Driver();
    driver.Channel().Detach();
    const auto mode = toReceiver ? ConnectionMode::Receiver : ConnectionMode::Cable;
    if (!driver.Channel().Attach(mode, path)) return false;
    driver.Channel().SetConnectionMode(mode);
    driver.SetOnReceiver(toReceiver);
    return true;
}

void DeviceConnection::StartNotifications(const std::string& path) {
    m_page.Driver().NotificationChannel().Attach(ConnectionMode::Cable, path);
}

void DeviceConnection::StopNotifications() { m_page.Driver().NotificationChannel().Detach(); }

bool DeviceConnection::HasStatusPolling() const { return m_page.Driver().IsBatteryPowered(); }
bool DeviceConnection::HasLightingControl() const { return m_page.Driver().HasLightingControl(); }
bool DeviceConnection::LinkCheck() { return m_page.Driver().IsReachableThroughReceiver() == devices::kSuccess; }

void DeviceConnection::StartUp() {
    m_page.Driver().ReadAllFromDevice();
    m_page.ShowStateOnPanels();
}

void DeviceConnection::LightTick() { m_page.Driver().LightTick(); }

void DeviceConnection::PollStatus() {
    if (!m_page.Driver().IsStatusPollingPaused()) m_page.Driver().PollPower();
}

void DeviceConnection::Resynchronise() {
    m_page.Driver().ReadSettingsFromDevice();
    m_page.ShowStateOnPanels();
}

}  // namespace viremo::ui
