#pragma once
// What the main window and the device tabs do with a device page's driver:
// open, close and switch its command interface, attach its notification
// interface, and the work of the tab's timers (link check, start-up,
// lighting tick, status poll).
#include <string>

#include "devices/interface_record.h"

namespace viremo::ui {

class CDevicePage;

class DeviceConnection {
public:
    explicit DeviceConnection(CDevicePage& page) : m_page(page) {}

    const devices::InterfaceRecord& Identity() const;
    int KindIndex() const;

    // Command interface. Open uses the cable for wired models and the
    // receiver for receiver models; a keyboard or mouse (a product with a
    // partner path) also takes that connection mode.
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
    bool HasLightingControl() const;
    bool LinkCheck();
    void StartUp();
    void LightTick();
    void PollStatus();
    void Resynchronise();

private:
    CDevicePage& m_page;
};

}  // namespace viremo::ui
